// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// lumetra-cli packet: the bytes a send of a caption writes to the sign.
#include "cli/CaptionOptions.h"
#include "cli/CliCommand.h"
#include "wire/DisplayPacket.h"

namespace {

int RunPacket(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Writes the complete display packet the console sends for TEXT with the given mode and font."));
  parser.addPositionalArgument(QStringLiteral("TEXT"), QStringLiteral("The caption."));
  parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                    QStringLiteral("File to write, - for standard output."), QStringLiteral("OUT")});
  AddModeOption(parser);
  AddCaptionFontOptions(parser);
  if (!ParseCommandLine(parser, arguments, 1)) return 0;
  if (!parser.isSet(QStringLiteral("output"))) throw CliError(QStringLiteral("-o OUT is required (- for standard output)"));
  WriteOutput(parser.value(QStringLiteral("output")),
              BuildDisplayPacket(CaptionArgument(parser), CaptionFontFromOptions(parser), ModeFromOptions(parser)));
  return 0;
}

const CliRegistration registration{{"packet", "Write the display packet of a caption", RunPacket}};

}  // namespace
