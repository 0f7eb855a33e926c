// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/CaptionCheck.h"

#include <QFontInfo>
#include <algorithm>

#include "cli/CaptionSpans.h"
#include "console/DisplayModes.h"
#include "console/DisplayPacket.h"
#include "console/SignLink.h"

namespace {

constexpr std::array<const char*, kFindingKindCount> kFindingKindNames = {
    "cut", "missing-glyph", "rows-lost", "page-count-wraps", "unknown-mode", "no-settings", "empty"};
static_assert(int(FindingKind::Empty) + 1 == kFindingKindCount);

// Most lines of a show have a finding or two: their details are put together without the cost
// of formatting.
QString Rows(int count) { return count == 1 ? QStringLiteral("1 row") : QString::number(count) + QStringLiteral(" rows"); }

QString CharacterName(char32_t c) {
  const QString code = QString::number(uint(c), 16).toUpper().rightJustified(4, u'0');
  return QStringLiteral("\"%1\" U+%2").arg(QString::fromUcs4(&c, 1), code);
}

// Calls `each(position, character)` for every character of the text, a surrogate pair as one.
template <typename Each>
void ForEachCharacter(const QString& text, Each each) {
  const char16_t* units = reinterpret_cast<const char16_t*>(text.utf16());
  const qsizetype size = text.size();
  for (qsizetype i = 0; i < size; ++i) {
    char32_t c = units[i];
    const qsizetype at = i;
    if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(units[i + 1]))
      c = QChar::surrogateToUcs4(char16_t(c), units[++i]);
    each(int(at), c);
  }
}

}  // namespace

const char* FindingKindName(FindingKind kind) { return kFindingKindNames[std::size_t(kind)]; }

bool LineCheck::HasProblems() const {
  return std::any_of(findings.begin(), findings.end(), [](const Finding& f) { return f.kind != FindingKind::Empty; });
}

CaptionChecker::CaptionChecker(const TFont& captionFont)
    : font_(captionFont), frame_(CreateLedFrame()), facts_(captionFont) {
  PrepareFrame(frame_, font_);
  drawnFont_ = frame_.Canvas.Font.ToQFont();
}

QString CaptionChecker::DrawnWith() const { return QFontInfo(drawnFont_).family(); }

LineCheck CaptionChecker::Check(int index, const QString& text, const LineSetting& setting, bool hasEntry) {
  LineCheck check;
  check.line = index + 1;
  check.mode = setting.Mode;
  check.sentMode = SentModeIndex(setting.Mode);
  check.width = MeasureCaption(frame_, text).cx;
  check.pages = PageRecordCount(check.width, check.sentMode);
  check.bytes = DisplayPacketSize(check.width, check.sentMode);
  check.wireMs = WireMilliseconds(check.bytes);

  WalkCharacters(text);
  FindCut(check, text);
  FindMissingGlyphs(check);
  FindLostRows(check);
  if (check.sentMode == kScrollInFromRightMode && check.pages > 255) {
    check.findings.push_back({FindingKind::PageCountWraps,
                              QStringLiteral("%1 pages, but the count byte says %2").arg(check.pages).arg(check.pages & 0xFF)});
  }
  if (check.mode < 0 || check.mode >= kDisplayModeCount) {
    check.findings.push_back({FindingKind::UnknownMode,
                              QStringLiteral("mode %1 is none of the sign's %2: the send carries mode byte 0xFF")
                                  .arg(check.mode)
                                  .arg(kDisplayModeCount)});
  }
  if (!hasEntry) {
    check.findings.push_back({FindingKind::NoSettings,
                              QStringLiteral("line %1 is past the %2 lines that keep settings: sent with the defaults (mode 0)")
                                  .arg(check.line)
                                  .arg(kLineSettingCount)});
  }
  if (text.trimmed().isEmpty()) {
    check.findings.push_back({FindingKind::Empty, text.isEmpty() ? QStringLiteral("an empty line: the sign goes blank")
                                                                 : QStringLiteral("only spaces: the sign goes blank")});
  }
  return check;
}

void CaptionChecker::WalkCharacters(const QString& text) {
  characters_.clear();
  missing_.clear();
  lineRows_.Clear();
  ForEachCharacter(text, [this](int at, char32_t c) {
    const CharacterFact& fact = facts_.Of(c);
    characters_.push_back({at, fact.advance});
    if (!fact.drawable) missing_.push_back({at, c});
    if (!fact.lostRows.Empty()) lineRows_.Add(fact.lostRows);
  });
}

QString CaptionChecker::TextWithin(const QString& text, int width, int left, int right) const {
  // Where the characters' own advances add up to the caption's width they are where the frame
  // draws them; otherwise (kerning, joined scripts) the caption is laid out to tell.
  int sum = 0;
  for (const auto& [at, advance] : characters_) sum += advance;
  if (sum != width) return CaptionSpans(drawnFont_, text).TextWithin(left, right);
  int x = 0, from = -1, to = -1;
  for (const auto& [at, advance] : characters_) {
    if (x >= left && x + advance <= right) {
      if (from < 0) from = at;
      to = at;
    }
    x += advance;
  }
  if (from < 0) return QString();
  const int end = to + (QChar::isHighSurrogate(text[to].unicode()) && to + 1 < text.size() ? 2 : 1);
  return text.mid(from, end - from);
}

void CaptionChecker::FindCut(LineCheck& check, const QString& text) {
  if (check.sentMode == kScrollInFromRightMode || check.width <= kLedWidth) return;
  // The send draws the caption at X = (192 - W) div 2.
  check.cutLeft = -((kLedWidth - check.width) / 2);
  check.cutRight = check.width - kLedWidth - check.cutLeft;
  const QString visible = TextWithin(text, check.width, check.cutLeft, check.cutLeft + kLedWidth);
  check.findings.push_back({FindingKind::Cut, QString::number(check.cutLeft) + QStringLiteral(" px lost on the left, ") +
                                                QString::number(check.cutRight) + QStringLiteral(" on the right; the sign shows ") +
                                                (visible.isEmpty() ? QStringLiteral("no whole character") : u'"' + visible + u'"')});
}

void CaptionChecker::FindMissingGlyphs(LineCheck& check) {
  if (missing_.empty()) return;
  QStringList names;
  std::vector<char32_t> named;
  for (const auto& [at, c] : missing_) {
    check.missingGlyphs.push_back(at);
    if (std::find(named.begin(), named.end(), c) != named.end()) continue;
    named.push_back(c);
    names << CharacterName(c);
  }
  check.findings.push_back({FindingKind::MissingGlyph, QStringLiteral("no glyph for ") + names.join(QStringLiteral(", "))});
}

void CaptionChecker::FindLostRows(LineCheck& check) {
  if (lineRows_.Empty()) return;
  QStringList where;
  if (lineRows_.Above() > 0) where << Rows(lineRows_.Above()) + QStringLiteral(" above row 0");
  if (lineRows_.Below() > 0) where << Rows(lineRows_.Below()) + QStringLiteral(" below row 15");
  check.findings.push_back({FindingKind::RowsLost, QStringLiteral("ink lost in ") + where.join(QStringLiteral(" and "))});
}

void CheckSummary::Add(const LineCheck& check) {
  ++lines;
  for (const Finding& finding : check.findings) ++findings[std::size_t(finding.kind)];
  wireMs += check.wireMs;
  problems = problems || check.HasProblems();
}
