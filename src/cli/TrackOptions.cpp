// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/TrackOptions.h"

#include "cli/CliCommand.h"
#include "show/TrackRequests.h"

QCommandLineOption AddTrackOption(QCommandLineParser& parser) {
  const QCommandLineOption track(
      QStringLiteral("track"),
      QStringLiteral("A translation track: a language tag (en, ja, zh-Hant) and a file whose line i translates caption "
                     "line i (text, or .srt with a cue a line). Up to 8; repeat the option for each."),
      QStringLiteral("TAG=FILE"));
  parser.addOption(track);
  return track;
}

QList<TranslationTrack> TracksFromOptions(const QCommandLineParser& parser, const QCommandLineOption& option) {
  TrackRequests requests;
  for (const QString& pair : parser.values(option)) AddTrackPair(requests, TrackPairKind::File, QStringLiteral("--track"), pair);
  LoadedTracks loaded = LoadTranslationTracks(requests, 0);
  if (!loaded.problems.isEmpty()) throw CliError(loaded.problems.join(QStringLiteral("; ")));
  return std::move(loaded.tracks);
}
