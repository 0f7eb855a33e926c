// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// lumetra-cli convert: loads a show (or a subtitle file) into a fresh console and saves it as the
// console's save does.
#include "cli/CliCommand.h"
#include "cli/ShowInput.h"
#include "show/SettingsResave.h"
#include "show/ShowPaths.h"

namespace {

int RunConvert(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Reads IN as the console's load does, starting from a fresh console, and writes it as a "
      "settings file; a subtitle file (\".srt\") gives one caption line per text line of its cues. "
      "OUT's extension is replaced by \".lw\"; the path written is printed."));
  parser.addPositionalArgument(QStringLiteral("IN"),
                               QStringLiteral("The show to read (settings, text or subtitle file)."));
  parser.addPositionalArgument(QStringLiteral("OUT"), QStringLiteral("The settings file to write."));
  if (!ParseCommandLine(parser, arguments, 2)) return 0;

  const QString in = parser.positionalArguments()[0];
  const QString out = WithSettingsExtension(parser.positionalArguments()[1]);
  if (IsSettingsInput(in)) {
    // Written as it is read: a settings file's texts need not be held as a caption list.
    ResaveSettingsFile(in, out);
  } else {
    ShowDocument show;
    LoadShowInput(show, in);
    show.Save(out);
  }
  PrintLine(out);
  return 0;
}

const CliRegistration registration{{"convert", "Convert a show file into a settings file", RunConvert, false}};

}  // namespace
