// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/TrackCheck.h"

#include <algorithm>

#include "cli/CheckReport.h"
#include "cli/CheckWords.h"
#include "cli/ProofSheets.h"
#include "cli/TextOutput.h"
#include "show/TrackTag.h"
#include "wire/TranslationMode.h"

namespace {

bool IsAboutTheMode(const Finding& finding) {
  return finding.kind == FindingKind::UnknownMode || finding.kind == FindingKind::NoSettings ||
         finding.kind == FindingKind::CarriedMode;
}

}  // namespace

TrackChecks::TrackChecks(const QList<TranslationTrack>& tracks, const TFont& captionFont, ListingStyle style,
                         CheckRun run, qsizetype showLines)
    : tracks_(tracks),
      style_(style),
      run_(run),
      showLines_(showLines),
      checker_(captionFont),
      reports_(std::size_t(tracks.size())) {}

LineCheck TrackChecks::CheckLine(int index, const QString& text, int captionMode) {
  LineSetting sent;
  sent.Mode = captionMode;
  LineCheck check = checker_.Check(index, text, sent, true, captionMode);
  const int mode = TranslationMode(check.width, captionMode);
  if (mode != captionMode) check = checker_.Check(index, text, sent, true, mode);
  std::erase_if(check.findings, IsAboutTheMode);
  return check;
}

void TrackChecks::Check(const LineCheck& caption, ProofSheets* sheets) {
  const int index = caption.line - 1;
  for (qsizetype t = 0; t < tracks_.size(); ++t) {
    const TrackLine line = tracks_[t].LineAt(index);
    if (line.IsNone()) continue;  // told in the count's note
    const QString& text = *line.Translation();
    const LineCheck check = CheckLine(index, text, caption.sentMode);
    Report& report = reports_[std::size_t(t)];
    AppendCheckLine(report.rows, style_, check, text);
    report.summary.Add(check);
    if (check.sentMode != caption.sentMode) ++report.scrolled;
    if (sheets) sheets->Add(check, text, tracks_[t].tag);
  }
}

bool TrackChecks::Problems() const {
  for (qsizetype t = 0; t < tracks_.size(); ++t)
    if (reports_[std::size_t(t)].summary.problems || !TrackCountNote(tracks_[t], showLines_).isEmpty()) return true;
  return false;
}

void TrackChecks::AppendReports(std::string& out) {
  const bool rowsLost = std::any_of(reports_.begin(), reports_.end(), [](const Report& report) {
    return report.summary.findings[std::size_t(FindingKind::RowsLost)] > 0;
  });
  if (rowsLost) {
    const std::optional<TFont> font = checker_.LargestFontWithoutLostRows();
    for (Report& report : reports_) report.summary.fontWithoutLostRows = font;
  }
  if (style_ == ListingStyle::Json) {
    ReopenJsonObject(out, "}\n");
    out += ",\"tracks\":[";
  }
  for (qsizetype t = 0; t < tracks_.size(); ++t) {
    if (style_ == ListingStyle::Json) AppendJsonReport(out, tracks_[t], reports_[std::size_t(t)]);
    else AppendPlainReport(out, tracks_[t], reports_[std::size_t(t)]);
  }
  if (style_ == ListingStyle::Json) out += "]}\n";
}

void TrackChecks::AppendPlainReport(std::string& out, const TranslationTrack& track, const Report& report) const {
  AppendUtf8(out, QStringLiteral("\ntrack %1 (%2), %3: %4 lines, each sent in its caption line's mode, or in mode %5 "
                                 "where that mode would cut it\n")
                      .arg(track.tag, TrackNameInEnglish(track.tag), track.file, QString::number(track.lines.size()),
                           ModeWithName(kScrollInFromRightMode)));
  out += "  line  pages  width  caption's mode       sent                 findings\n";
  out += report.rows;
  AppendPlainSummary(out, report.summary, u"the track", run_);
  if (report.scrolled > 0)
    AppendUtf8(out, QStringLiteral("%1 out in mode %2 instead of being cut\n")
                        .arg(report.scrolled == 1 ? QStringLiteral("1 line goes") : QStringLiteral("%1 lines go").arg(report.scrolled))
                        .arg(ModeWithName(kScrollInFromRightMode)));
  if (const QString note = TrackCountNote(track, showLines_); !note.isEmpty()) AppendUtf8(out, note + u'\n');
}

void TrackChecks::AppendJsonReport(std::string& out, const TranslationTrack& track, const Report& report) const {
  out += &track == &tracks_.front() ? "{\"tag\":" : ",{\"tag\":";
  AppendJsonString(out, track.tag);
  out += ",\"language\":";
  AppendJsonStringOrNull(out, TrackLanguageInEnglish(track.tag));
  out += ",\"file\":";
  AppendJsonString(out, track.file);
  out += ",\"lines\":[";
  out += report.rows;
  AppendCheckTail(out, style_, report.summary, run_);
  ReopenJsonObject(out, "}\n");
  out += ",\"scrolled\":";
  AppendDecimal(out, report.scrolled);
  out += ",\"note\":";
  AppendJsonStringOrNull(out, TrackCountNote(track, showLines_));
  out += '}';
}
