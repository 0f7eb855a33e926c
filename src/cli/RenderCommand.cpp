// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// lumetra-cli render: the LED frame of a caption as a PNG.
#include "cli/CaptionOptions.h"
#include "cli/CliCommand.h"
#include "wire/LedFrame.h"

namespace {

int RunRender(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Draws TEXT into the 192 x 16 LED frame as the console does (centred, or with --page the\n"
      "left-aligned page I of the scrolling mode) and writes the frame as a PNG."));
  parser.addPositionalArgument(QStringLiteral("TEXT"), QStringLiteral("The caption."));
  parser.addOption({{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("PNG file to write."),
                    QStringLiteral("OUT.png")});
  parser.addOption({QStringLiteral("page"), QStringLiteral("Page of the scrolling mode, from 0."), QStringLiteral("I")});
  AddCaptionFontOptions(parser);
  if (!ParseCommandLine(parser, arguments, 1)) return 0;
  if (!parser.isSet(QStringLiteral("output"))) throw CliError(QStringLiteral("-o OUT.png is required"));

  const QString caption = CaptionArgument(parser);
  TBitmap frame = CreateLedFrame();
  RenderCentred(frame, CaptionFontFromOptions(parser), caption);
  if (parser.isSet(QStringLiteral("page"))) {
    const int page = IntOption(parser, QStringLiteral("page"), 0);
    if (page < 0) throw CliError(QStringLiteral("--page must be 0 or more"));
    DrawPage(frame, caption, page);
  }
  const QString out = parser.value(QStringLiteral("output"));
  if (!frame.Image().save(out, "PNG")) throw CliError(QStringLiteral("cannot write %1").arg(out));
  return 0;
}

const CliRegistration registration{{"render", "Draw a caption into the LED frame and write it as PNG", RunRender}};

}  // namespace
