// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/TrackListing.h"

#include <algorithm>

#include "cli/TextOutput.h"
#include "show/TrackTag.h"

namespace {

// A translation, none as null.
void AppendJsonLine(std::string& out, const TrackLine& line) {
  if (line.IsNone()) out += "null";
  else AppendJsonString(out, *line.Translation());
}

}  // namespace

TrackListing::TrackListing(const QList<TranslationTrack>& tracks, ListingStyle style, qsizetype showLines)
    : tracks_(tracks), style_(style), showLines_(showLines) {
  for (qsizetype t = 0; t < tracks.size(); ++t) {
    longest_ = std::max(longest_, tracks[t].lines.size());
    sortedTracks_ << t;
  }
  std::sort(sortedTracks_.begin(), sortedTracks_.end(), [&tracks](qsizetype a, qsizetype b) { return tracks[a].tag < tracks[b].tag; });
}

void TrackListing::AppendHead(std::string& out) const {
  if (tracks_.isEmpty() || style_ == ListingStyle::Json) return;
  QStringList named;
  for (const TranslationTrack& track : tracks_) {
    const QString language = TrackLanguageInEnglish(track.tag);
    named << QStringLiteral("%1 (%2%3 lines, %4)")
                 .arg(track.tag, language.isEmpty() ? QString() : language + QStringLiteral(", "),
                      QString::number(track.lines.size()), track.file);
  }
  AppendUtf8(out, QStringLiteral("tracks, after the text, tab-separated: %1\n").arg(named.join(QStringLiteral(", "))));
}

void TrackListing::AppendLine(std::string& out, qsizetype index) const {
  if (tracks_.isEmpty()) return;
  ReopenJsonObject(out, style_ == ListingStyle::Json ? "}" : "\n");
  AppendTranslations(out, index);
  out += style_ == ListingStyle::Json ? '}' : '\n';
}

void TrackListing::AppendTranslations(std::string& out, qsizetype index) const {
  if (style_ == ListingStyle::Plain) {
    for (const TranslationTrack& track : tracks_) {
      const TrackLine line = track.LineAt(index);
      out += line.IsNone() ? "\t(none)" : "\t";
      if (!line.IsNone()) AppendUtf8(out, *line.Translation());
    }
    return;
  }
  out += ",\"tracks\":{";
  for (const qsizetype t : sortedTracks_) {
    if (t != sortedTracks_.front()) out += ',';
    AppendJsonString(out, tracks_[t].tag);
    out += ':';
    AppendJsonLine(out, tracks_[t].LineAt(index));
  }
  out += '}';
}

void TrackListing::AppendTail(std::string& out) const {
  if (tracks_.isEmpty()) return;
  if (style_ == ListingStyle::Plain) {
    for (qsizetype i = showLines_; i < longest_; ++i) {
      AppendUtf8(out, QStringLiteral("%1: (no caption line)").arg(i + 1));
      AppendTranslations(out, i);
      out += '\n';
    }
    for (const TranslationTrack& track : tracks_)
      if (const QString note = TrackCountNote(track, showLines_); !note.isEmpty()) AppendUtf8(out, note + u'\n');
    return;
  }
  ReopenJsonObject(out, "}\n");
  out += ",\"tracks\":[";
  for (const TranslationTrack& track : tracks_) {
    out += &track == &tracks_.front() ? "{\"extra_lines\":[" : ",{\"extra_lines\":[";
    for (qsizetype i = showLines_; i < track.lines.size(); ++i) {
      if (i > showLines_) out += ',';
      AppendJsonLine(out, track.lines[i]);
    }
    out += "],\"file\":";
    AppendJsonString(out, track.file);
    out += ",\"language\":";
    AppendJsonStringOrNull(out, TrackLanguageInEnglish(track.tag));
    out += ",\"lines\":";
    AppendDecimal(out, track.lines.size());
    out += ",\"note\":";
    AppendJsonStringOrNull(out, TrackCountNote(track, showLines_));
    out += ",\"tag\":";
    AppendJsonString(out, track.tag);
    out += '}';
  }
  out += "]}\n";
}
