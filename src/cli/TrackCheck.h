// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The check of translation tracks beside a show's (CheckReport.h). Track line i goes out to the
// track's signs with caption line i, in the caption font and in the mode the caption line is sent
// in on the run checked, or scrolling in where that mode would cut it (TranslationMode.h). It is
// judged on its own text: missing glyphs, lost rows, pages, tabs, empty; a cut cannot happen, and
// the findings about the mode (unknown-mode, no-settings, carried-mode) are the caption line's.
// Plain, after the show's report, a section for each track: a heading, the table as the show's
// with the caption line's sent mode beside the mode the track line goes out in, a summary, the
// lines that scroll in instead, and the count when it differs from the show's (TrackCountNote).
// JSON, after the show's "summary": "tracks":[{"tag","language","file","lines":[...],"summary":
// {...},"scrolled","note"}], lines and summary as the show's with each line's "mode" the caption
// line's sent mode; "scrolled" counts the lines that scroll in instead; "note" is the count's
// note or null; "language" is null for a language the toolkit does not know.
#include <QList>
#include <string>
#include <vector>

#include "cli/CaptionCheck.h"
#include "cli/CheckReport.h"
#include "cli/ShowListing.h"
#include "show/TranslationTrack.h"

class ProofSheets;

class TrackChecks {
 public:
  // `run`: how the show is run, which the caption lines' modes come from.
  TrackChecks(const QList<TranslationTrack>& tracks, const TFont& captionFont, ListingStyle style, CheckRun run,
              qsizetype showLines);

  // Checks each track's line for the caption line `caption`, just checked; draws it on the
  // sheets when there are any.
  void Check(const LineCheck& caption, ProofSheets* sheets);
  // Appends the tracks' reports to the show's finished report.
  void AppendReports(std::string& out);
  // Whether a track has findings other than empty lines, or a count other than the show's.
  bool Problems() const;

 private:
  struct Report {
    std::string rows;
    CheckSummary summary;
    int scrolled = 0;
  };
  LineCheck CheckLine(int index, const QString& text, int captionMode);
  void AppendPlainReport(std::string& out, const TranslationTrack& track, const Report& report) const;
  void AppendJsonReport(std::string& out, const TranslationTrack& track, const Report& report) const;

  const QList<TranslationTrack>& tracks_;
  ListingStyle style_;
  CheckRun run_;
  qsizetype showLines_;
  // Apart from the show's, so that the show's report is the same with tracks as without.
  CaptionChecker checker_;
  std::vector<Report> reports_;
};
