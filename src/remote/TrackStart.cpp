// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/TrackStart.h"

#include "platform/StandardErrorDialogs.h"

LoadedTracks LoadTracksAtStart(const ConsoleOptions& options, int showPort, StartLosses& losses) {
  LoadedTracks loaded = LoadTranslationTracks(options.tracks, showPort);
  for (const QString& problem : loaded.problems) {
    SayOnStandardError(problem + QStringLiteral("; running without that track"));
    losses.Add(QStringLiteral("翻译字幕设置有误（%1）：本控制台不带该字幕运行。").arg(problem));
  }
  return loaded;
}
