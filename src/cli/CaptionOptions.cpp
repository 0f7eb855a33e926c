// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/CaptionOptions.h"

#include "cli/CliCommand.h"

void AddCaptionFontOptions(QCommandLineParser& parser) {
  parser.addOption({QStringLiteral("font"), QStringLiteral("Font family (default 宋体)."), QStringLiteral("FAMILY")});
  parser.addOption({QStringLiteral("height"), QStringLiteral("Font height in pixels (default 19)."), QStringLiteral("PX")});
}

void AddModeOption(QCommandLineParser& parser) {
  parser.addOption({QStringLiteral("mode"),
                    QStringLiteral("Display mode index, 0..19 (default 0; 1 sends pages)."), QStringLiteral("M")});
}

TFont CaptionFontFromOptions(const QCommandLineParser& parser, TFont font) {
  if (parser.isSet(QStringLiteral("font"))) {
    font.Name = parser.value(QStringLiteral("font"));
    if (font.Name.trimmed().isEmpty()) throw CliError(QStringLiteral("--font needs a family name"));
  }
  if (!parser.isSet(QStringLiteral("height"))) return font;
  const int height = IntOption(parser, QStringLiteral("height"), 0);
  if (height < 1 || height > kMaxCaptionHeight) throw CliError(QStringLiteral("--height must be 1..%1 pixels").arg(kMaxCaptionHeight));
  font.Height = -height;
  return font;
}

int ModeFromOptions(const QCommandLineParser& parser) {
  const int mode = IntOption(parser, QStringLiteral("mode"), 0);
  if (mode < -1 || mode > 255) throw CliError(QStringLiteral("--mode must be -1..255"));
  return mode;
}

QString CaptionArgument(const QCommandLineParser& parser) { return parser.positionalArguments().value(0); }
