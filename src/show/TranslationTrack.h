// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A translation track: a language and a line for each caption line, held in a list indexed as the
// caption list is (line i translates caption line i), so that an edit of the caption list is
// followed by the same insert or removal in the track.
#include <QList>
#include <QString>
#include <optional>
#include <utility>

constexpr int kMostTracks = 8;
constexpr qsizetype kMostTrackLines = 100000;

// One line of a track. A translation may be empty, and a caption line may have none:
//   "Who goes there?"  the translation: the track's signs show it
//   ""                 the file's empty line: no caption on this track, its signs go blank
//   none               nothing translates the caption line (a line added since the file was
//                      read, or one past the file's end): the track's signs go blank, and where
//                      the track is read rather than shown on a sign, the original stands in
class TrackLine {
 public:
  TrackLine() = default;  // none
  explicit TrackLine(QString translation) : translation_(std::move(translation)) {}
  static TrackLine None() { return TrackLine(); }

  bool IsNone() const { return !translation_.has_value(); }
  // The translation; none has no value.
  const std::optional<QString>& Translation() const { return translation_; }
  // What the track's signs show: the translation, an empty caption for none.
  QString SignText() const { return translation_.value_or(QString()); }

  friend bool operator==(const TrackLine&, const TrackLine&) = default;

 private:
  std::optional<QString> translation_;
};

struct TranslationTrack {
  QString tag;   // its language (TrackTag.h), as given
  QString file;  // where its lines were read from, as given
  int port = 0;  // the sign port whose signs show it; 0: none, it is read on the pages only
  QList<TrackLine> lines;  // lines[i] translates caption line i

  // Line `index` (from 0); none past the track's end.
  TrackLine LineAt(qsizetype index) const { return index >= 0 && index < lines.size() ? lines[index] : TrackLine(); }
};

// The lines of a track file, read as the caption import reads files (UTF-8, UTF-16 with its mark
// or GB18030; any line ends): a subtitle file (".srt", any case) gives a line per cue, its text
// lines joined by a space (an empty line for a cue with no text); any other file its lines.
// Fails (Exception) as the import does.
QList<TrackLine> ReadTrackFile(const QString& path);

// When the track's count of lines differs from the show's, what the operator must know, else
// empty: "the English track has 298 lines, the show 300: lines 299-300 have no translation";
// "... 302 lines, the show 300: lines 301-302 have no caption line".
QString TrackCountNote(const TranslationTrack& track, qsizetype showLines);
