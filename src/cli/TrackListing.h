// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// What lumetra-cli show adds to a show's listing (ShowListing.h) for its translation tracks, so
// that each line stands beside its translations. Nothing at all without tracks.
// Plain: a heading line naming the tracks in the order given; after each line's text, its
// translation on each track, tab-separated ("(none)" where the track has no line for it); a row
// "N: (no caption line)" with the translations of each line past the show's last; then the
// note of each track whose count differs from the show's (TrackCountNote).
// JSON: each line gains "tracks":{TAG: text or null}, the tags sorted; the object gains, after
// "port", "tracks":[{"extra_lines","file","language","lines","note","tag"}]: the lines past the
// show's last, the file, the language in English, the count of lines, the note or null.
#include <QList>
#include <string>

#include "cli/ShowListing.h"
#include "show/TranslationTrack.h"

class TrackListing {
 public:
  TrackListing(const QList<TranslationTrack>& tracks, ListingStyle style, qsizetype showLines);

  // After the listing's head.
  void AppendHead(std::string& out) const;
  // After the listing's line `index` (from 0).
  void AppendLine(std::string& out, qsizetype index) const;
  // After the listing's tail.
  void AppendTail(std::string& out) const;

 private:
  // The translations of line `index`, after its text.
  void AppendTranslations(std::string& out, qsizetype index) const;

  const QList<TranslationTrack>& tracks_;
  ListingStyle style_;
  qsizetype showLines_;
  qsizetype longest_ = 0;          // lines of the longest track
  QList<qsizetype> sortedTracks_;  // indices of tracks_ in the order of their tags, for JSON
};
