// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "show/TranslationTrack.h"

#include "show/SubtitleFile.h"
#include "show/TextImport.h"
#include "show/TrackTag.h"

namespace {

// "7 lines", "1 line".
QString LineCount(qsizetype count) {
  return count == 1 ? QStringLiteral("1 line") : QStringLiteral("%1 lines").arg(count);
}

// "line 7 has", "lines 7-9 have", counted from 1.
QString LinesWords(qsizetype first, qsizetype last) {
  return first == last ? QStringLiteral("line %1 has").arg(first) : QStringLiteral("lines %1-%2 have").arg(first).arg(last);
}

}  // namespace

QList<TrackLine> ReadTrackFile(const QString& path) {
  QList<TrackLine> lines;
  if (IsSubtitleFilePath(path)) {
    const QList<QStringList> cues = ImportSubtitleCues(path);
    lines.reserve(cues.size());
    // The sign shows one line: a cue the subtitles break in two goes out as one.
    for (const QStringList& cue : cues) lines << TrackLine(cue.join(u' '));
    return lines;
  }
  const QStringList text = ImportTextFile(path);
  lines.reserve(text.size());
  for (const QString& line : text) lines << TrackLine(line);
  return lines;
}

QString TrackCountNote(const TranslationTrack& track, qsizetype showLines) {
  const qsizetype trackLines = track.lines.size();
  if (trackLines == showLines) return QString();
  const QString counts = QStringLiteral("the %1 track has %2, the show %3: ")
                             .arg(TrackNameInEnglish(track.tag), LineCount(trackLines))
                             .arg(showLines);
  if (trackLines < showLines) return counts + LinesWords(trackLines + 1, showLines) + QStringLiteral(" no translation");
  return counts + LinesWords(showLines + 1, trackLines) + QStringLiteral(" no caption line");
}
