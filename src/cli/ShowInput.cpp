// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/ShowInput.h"

#include "show/ShowPaths.h"
#include "show/SubtitleFile.h"

ShowFileKind LoadShowInput(ShowDocument& show, const QString& path) {
  if (!IsSubtitleFilePath(path)) return show.Load(path);
  show.Lines = ImportSubtitleFile(path);
  return ShowFileKind::Subtitles;
}

bool IsSettingsInput(const QString& path) { return !IsSubtitleFilePath(path) && IsSettingsFilePath(path); }

QCommandLineOption AddShowFileArguments(QCommandLineParser& parser) {
  parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The show file."));
  const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print one JSON object."));
  parser.addOption(json);
  return json;
}
