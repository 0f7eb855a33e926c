// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/CheckReport.h"

#include <charconv>
#include <cmath>

#include "cli/TextOutput.h"

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

constexpr std::size_t kLineColumn = 6, kModeColumn = 6, kPagesColumn = 7, kWidthColumn = 7;
constexpr std::size_t kFindingsColumn = kLineColumn + kModeColumn + kPagesColumn + kWidthColumn + 2;

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
                     qsizetype lines) {
  const int height = std::abs(checker.Font().Height);
  if (style == ListingStyle::Plain) {
    AppendUtf8(out, QStringLiteral("%1: %2 lines, font \"%3\" %4 px (drawn with %5), cell %6 px high\n")
                        .arg(file)
                        .arg(lines)
                        .arg(checker.Font().Name)
                        .arg(height)
                        .arg(checker.DrawnWith())
                        .arg(checker.CellHeight()));
    out += "  line  mode  pages  width  findings\n";
    return;
  }
  out += "{\"file\":";
  AppendJsonString(out, file);
  out += ",\"font\":{\"family\":";
  AppendJsonString(out, checker.Font().Name);
  out += ",\"height\":";
  AppendDecimal(out, height);
  out += "},\"lines\":[";
}

void AppendCheckLine(std::string& out, ListingStyle style, const LineCheck& check, QStringView text) {
  if (style == ListingStyle::Plain) {
    AppendColumn(out, check.line, kLineColumn);
    AppendColumn(out, check.mode, kModeColumn);
    AppendColumn(out, check.pages, kPagesColumn);
    AppendColumn(out, check.width, kWidthColumn);
    out += "  ";
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

void AppendCheckTail(std::string& out, ListingStyle style, const CheckSummary& summary) {
  if (style == ListingStyle::Plain) {
    QStringList counts;
    for (int kind = 0; kind < kFindingKindCount; ++kind)
      if (summary.findings[std::size_t(kind)] > 0)
        counts << QStringLiteral("%1 %2").arg(QLatin1String(FindingKindName(FindingKind(kind)))).arg(summary.findings[std::size_t(kind)]);
    AppendUtf8(out, QStringLiteral("%1 lines; findings: %2; the whole show takes %3 on the line, sent once\n")
                        .arg(summary.lines)
                        .arg(counts.isEmpty() ? QStringLiteral("none") : counts.join(QStringLiteral(", ")))
                        .arg(Duration(summary.wireMs)));
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
  out += "}}\n";
}

CheckSummary AppendShowCheck(std::string& out, ListingStyle style, const QString& file, const ShowDocument& show,
                             CaptionChecker& checker, const std::function<void(const LineCheck&, const QString&)>& each) {
  AppendCheckHead(out, style, file, checker, show.Lines.size());
  CheckSummary summary;
  for (int i = 0; i < show.Lines.size(); ++i) {
    const LineCheck check = checker.Check(i, show.Lines[i], show.SettingOf(i), HasLineSetting(i));
    AppendCheckLine(out, style, check, show.Lines[i]);
    summary.Add(check);
    if (each) each(check, show.Lines[i]);
  }
  AppendCheckTail(out, style, summary);
  return summary;
}
