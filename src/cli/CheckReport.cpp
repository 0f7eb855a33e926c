// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/CheckReport.h"

#include <charconv>
#include <cmath>
#include <iterator>

#include "cli/CheckWords.h"
#include "cli/TextOutput.h"
#include "wire/ShownMode.h"

namespace {

void AppendMilliseconds(std::string& out, double ms) {
  char digits[32];
  const auto result = std::to_chars(digits, digits + sizeof digits, ms, std::chars_format::fixed, 1);
  out.append(digits, std::size_t(result.ptr - digits));
}

// Right-aligned in `width` columns.
void AppendColumn(std::string& out, std::int64_t value, std::size_t width) {
  std::string number;
  AppendDecimal(number, value);
  if (number.size() < width) out.append(width - number.size(), ' ');
  out += number;
}

// Left-aligned in `width` terminal columns, a wide (CJK) character taking two, and two spaces.
void AppendLabel(std::string& out, const QString& label, std::size_t width) {
  std::size_t columns = 0;
  for (const QChar c : label) columns += c.unicode() >= 0x1100 ? 2 : 1;
  AppendUtf8(out, label);
  out.append(columns < width ? width - columns + 2 : 2, ' ');
}

constexpr std::size_t kLineColumn = 6, kPagesColumn = 7, kWidthColumn = 7, kModeColumn = 19;
constexpr std::size_t kFindingsColumn = kLineColumn + kPagesColumn + kWidthColumn + 2 + 2 * (kModeColumn + 2);

struct RunWords {
  const char* json;
  const char* heading;
  const char* summary;
};
constexpr RunWords kRunWords[] = {
    {"enter", "run with Enter from a click on line 1", "run with Enter"},
    {"go", "run by GO: each line in its stored mode", "run by GO"},
    {"as-stored", "every line clicked before it is sent", "every line clicked"},
};
static_assert(std::size(kRunWords) == std::size_t(CheckRun::AsStored) + 1);

// "148.8 ms", "12.3 s", "4 h 8 min".
QString Duration(double ms) {
  if (ms < 1000) return QStringLiteral("%1 ms").arg(ms, 0, 'f', 1);
  if (ms < 60000) return QStringLiteral("%1 s").arg(ms / 1000, 0, 'f', 1);
  const qint64 seconds = qRound64(ms / 1000);
  if (seconds < 3600) return QStringLiteral("%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
  return QStringLiteral("%1 h %2 min").arg(seconds / 3600).arg(seconds / 60 % 60);
}

}  // namespace

void AppendCheckHead(std::string& out, ListingStyle style, const QString& file, const CaptionChecker& checker,
                     qsizetype lines, CheckRun run) {
  if (style == ListingStyle::Plain) {
    AppendUtf8(out, QStringLiteral("%1: %2 lines, font \"%3\" %4 (drawn with %5), cell %6 px high; %7\n")
                        .arg(file)
                        .arg(lines)
                        .arg(checker.Font().Name)
                        .arg(FontSizeWords(checker.Font()))
                        .arg(checker.DrawnWith())
                        .arg(checker.CellHeight())
                        .arg(QLatin1String(kRunWords[std::size_t(run)].heading)));
    out += "  line  pages  width  mode                 sent                 findings\n";
    return;
  }
  out += "{\"file\":";
  AppendJsonString(out, file);
  out += ",\"font\":{\"family\":";
  AppendJsonString(out, checker.Font().Name);
  out += ",\"height\":";
  AppendDecimal(out, std::abs(checker.Font().Height));
  out += ",\"points\":";
  AppendDecimal(out, std::abs(checker.Font().Size()));
  out += "},\"run\":\"";
  out += kRunWords[std::size_t(run)].json;
  out += "\",\"lines\":[";
}

void AppendCheckLine(std::string& out, ListingStyle style, const LineCheck& check, QStringView text) {
  if (style == ListingStyle::Plain) {
    AppendColumn(out, check.line, kLineColumn);
    AppendColumn(out, check.pages, kPagesColumn);
    AppendColumn(out, check.width, kWidthColumn);
    out += "  ";
    AppendLabel(out, ModeLabel(check.mode), kModeColumn);
    AppendLabel(out, ModeLabel(check.sentMode), kModeColumn);
    if (check.findings.empty()) out += "ok\n";
    for (std::size_t i = 0; i < check.findings.size(); ++i) {
      if (i > 0) out.append(kFindingsColumn, ' ');
      out += FindingKindName(check.findings[i].kind);
      out += ": ";
      AppendUtf8(out, check.findings[i].detail);
      out += '\n';
    }
    return;
  }
  out += check.line == 1 ? "{\"line\":" : ",{\"line\":";
  AppendDecimal(out, check.line);
  out += ",\"text\":";
  AppendJsonString(out, text);
  out += ",\"mode\":";
  AppendDecimal(out, check.mode);
  out += ",\"sent_mode\":";
  AppendDecimal(out, check.sentMode);
  out += ",\"width\":";
  AppendDecimal(out, check.width);
  out += ",\"pages\":";
  AppendDecimal(out, check.pages);
  out += ",\"bytes\":";
  AppendDecimal(out, check.bytes);
  out += ",\"wire_ms\":";
  AppendMilliseconds(out, check.wireMs);
  out += ",\"findings\":[";
  for (std::size_t i = 0; i < check.findings.size(); ++i) {
    out += i == 0 ? "{\"kind\":\"" : ",{\"kind\":\"";
    out += FindingKindName(check.findings[i].kind);
    out += "\",\"detail\":";
    AppendJsonString(out, check.findings[i].detail);
    out += '}';
  }
  out += "]}";
}

void AppendCheckTail(std::string& out, ListingStyle style, const CheckSummary& summary, CheckRun run) {
  if (style == ListingStyle::Plain) {
    AppendPlainSummary(out, summary, u"the whole show", run);
    return;
  }
  out += "],\"summary\":{\"lines\":";
  AppendDecimal(out, summary.lines);
  out += ",\"findings\":{";
  for (int kind = 0; kind < kFindingKindCount; ++kind) {
    out += kind == 0 ? "\"" : ",\"";
    out += FindingKindName(FindingKind(kind));
    out += "\":";
    AppendDecimal(out, summary.findings[std::size_t(kind)]);
  }
  out += "},\"wire_ms\":";
  AppendMilliseconds(out, summary.wireMs);
  out += ",\"no_rows_lost_at\":";
  if (summary.fontWithoutLostRows) {
    out += "{\"height\":";
    AppendDecimal(out, std::abs(summary.fontWithoutLostRows->Height));
    out += ",\"points\":";
    AppendDecimal(out, std::abs(summary.fontWithoutLostRows->Size()));
    out += '}';
  } else {
    out += "null";
  }
  out += "}}\n";
}

void AppendPlainSummary(std::string& out, const CheckSummary& summary, QStringView what, CheckRun run) {
  QStringList counts;
  for (int kind = 0; kind < kFindingKindCount; ++kind)
    if (summary.findings[std::size_t(kind)] > 0)
      counts << QStringLiteral("%1 %2").arg(QLatin1String(FindingKindName(FindingKind(kind)))).arg(summary.findings[std::size_t(kind)]);
  AppendUtf8(out, QStringLiteral("%1 lines; findings: %2; %3 takes %4 on the line, sent once (%5)\n")
                      .arg(QString::number(summary.lines),
                           counts.isEmpty() ? QStringLiteral("none") : counts.join(QStringLiteral(", ")), what,
                           Duration(summary.wireMs), QLatin1String(kRunWords[std::size_t(run)].summary)));
  if (summary.findings[std::size_t(FindingKind::RowsLost)] > 0) {
    AppendUtf8(out, summary.fontWithoutLostRows
                        ? QStringLiteral("no line loses ink rows at %1, the largest such size of the font\n")
                              .arg(FontSizeWords(*summary.fontWithoutLostRows))
                        : QStringLiteral("lines lose ink rows at every size of the font\n"));
  }
}

CheckSummary AppendShowCheck(std::string& out, ListingStyle style, const QString& file, const ShowDocument& show,
                             CaptionChecker& checker, CheckRun run,
                             const std::function<void(const LineCheck&, const QString&)>& each) {
  AppendCheckHead(out, style, file, checker, show.Lines.size(), run);
  CheckSummary summary;
  ShownMode shown;
  checker.RunByGo(run == CheckRun::Go);
  for (int i = 0; i < show.Lines.size(); ++i) {
    if (i == 0 || run == CheckRun::AsStored) shown.Click(show.Settings, i);
    // GO reads no selector for a line with an entry; past the table it reads what line 1 left.
    const int sent = run == CheckRun::Go && HasLineSetting(i) ? SentModeIndex(show.Settings[std::size_t(i)].Mode)
                                                              : shown.Index();
    const LineCheck check = checker.Check(i, show.Lines[i], show.SettingOf(i), HasLineSetting(i), sent);
    AppendCheckLine(out, style, check, show.Lines[i]);
    summary.Add(check);
    if (each) each(check, show.Lines[i]);
  }
  if (summary.findings[std::size_t(FindingKind::RowsLost)] > 0) summary.fontWithoutLostRows = checker.LargestFontWithoutLostRows();
  AppendCheckTail(out, style, summary, run);
  return summary;
}
