// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/CaptionCheck.h"

#include <QFontInfo>
#include <algorithm>

#include "cli/CaptionSpans.h"
#include "cli/CheckWords.h"
#include "cli/Graphemes.h"
#include "wire/DisplayModes.h"
#include "wire/DisplayPacket.h"
#include "wire/SignLink.h"
#include "wire/TranslationMode.h"

namespace {

constexpr std::array<const char*, kFindingKindCount> kFindingKindNames = {
    "cut", "missing-glyph", "rows-lost", "page-count-wraps", "unknown-mode", "no-settings", "carried-mode", "tab",
    "empty"};
static_assert(int(FindingKind::Empty) + 1 == kFindingKindCount);

// Lines are measured whole until this many have been: only a long show meets the same
// neighbouring characters often enough to pay for learning whether they stand apart.
constexpr int kLinesMeasuredWhole = 2000;

// A unit whose advance simply adds to the line's: a character of its own, drawn, not a control
// (a tab's width depends on where it stands).
constexpr bool AddsItsAdvance(char16_t unit) {
  return unit >= 0x20 && !(unit >= 0x7F && unit < 0xA0) && StandsAlone(unit);
}

// Most lines of a show have a finding or two: their details are put together without the cost
// of formatting.
QString Rows(int count) { return count == 1 ? QStringLiteral("1 row") : QString::number(count) + QStringLiteral(" rows"); }

// "\"É\" U+0045 U+0301": the character as drawn and every code point of it.
QString CharacterName(QStringView character) {
  QString name = u'"' + character.toString() + u'"';
  for (const char32_t c : character.toUcs4())
    name += QStringLiteral(" U+") + QString::number(uint(c), 16).toUpper().rightJustified(4, u'0');
  return name;
}

}  // namespace

const char* FindingKindName(FindingKind kind) { return kFindingKindNames[std::size_t(kind)]; }

bool LineCheck::HasProblems() const {
  return std::any_of(findings.begin(), findings.end(), [](const Finding& f) { return f.kind != FindingKind::Empty; });
}

CaptionChecker::CaptionChecker(const TFont& captionFont)
    : font_(captionFont), frame_(CreateLedFrame()), metrics_(QFont()), exactMetrics_(QFont()), facts_(captionFont) {
  PrepareFrame(frame_, font_);
  drawnFont_ = frame_.Canvas.Font.ToQFont();
  metrics_ = QFontMetrics(drawnFont_);
  exactMetrics_ = QFontMetricsF(drawnFont_);
}

QString CaptionChecker::DrawnWith() const { return QFontInfo(drawnFont_).family(); }

LineCheck CaptionChecker::Check(int index, const QString& text, const LineSetting& setting, bool hasEntry,
                                int sentMode) {
  LineCheck check;
  check.findings.reserve(4);
  check.line = index + 1;
  check.mode = setting.Mode;
  check.sentMode = sentMode;
  WalkCharacters(text);
  check.width = Width(text);
  check.pages = PageRecordCount(check.width, check.sentMode);
  check.bytes = DisplayPacketSize(check.width, check.sentMode);
  check.wireMs = WireMilliseconds(check.bytes);

  FindCut(check, text);
  FindMissingGlyphs(check, text);
  FindLostRows(check);
  if (check.sentMode == kScrollInFromRightMode && check.pages > kMostPacketPages) {
    check.findings.push_back({FindingKind::PageCountWraps,
                              byGo_ ? QStringLiteral("%1 pages, more than a packet holds (%2): GO refuses the line")
                                          .arg(check.pages)
                                          .arg(kMostPacketPages)
                                    : QStringLiteral("%1 pages, but the count byte says %2").arg(check.pages).arg(check.pages & 0xFF)});
  }
  if (check.mode < 0 || check.mode >= kDisplayModeCount) {
    check.findings.push_back({FindingKind::UnknownMode,
                              QStringLiteral("mode %1 is none of the sign's %2: %3")
                                  .arg(check.mode)
                                  .arg(kDisplayModeCount)
                                  .arg(byGo_ && check.sentMode == -1 ? QStringLiteral("GO refuses the line")
                                       : check.sentMode == -1        ? QStringLiteral("the send carries mode byte 0xFF")
                                                              : QStringLiteral("a click on the line sends mode byte 0xFF"))});
  }
  FindNoSettings(check, hasEntry);
  FindCarriedMode(check, hasEntry);
  FindTabs(check, text);
  if (text.trimmed().isEmpty()) {
    check.findings.push_back({FindingKind::Empty, text.isEmpty() ? QStringLiteral("an empty line: the sign goes blank")
                                                                 : QStringLiteral("only spaces: the sign goes blank")});
  }
  return check;
}

void CaptionChecker::WalkCharacters(const QString& text) {
  characters_.clear();
  missing_.clear();
  tabs_.clear();
  lineRows_.Clear();
  plainLine_ = true;
  advances64_ = 0;
  ForEachGrapheme(text, [this, &text](int at, int length) {
    const CharacterFact& fact = facts_.Of(QStringView(text).mid(at, length));
    plainLine_ = plainLine_ && length == 1 && AddsItsAdvance(text[at].unicode());
    advances64_ += fact.advance64;
    characters_.push_back({at, fact.advance});
    if (!fact.drawable) missing_.push_back({at, length});
    if (!fact.lostRows.Empty()) lineRows_.Add(fact.lostRows);
    if (text[at] == u'\t') tabs_.push_back(at);
  });
}

int CaptionChecker::Width(const QString& text) {
  // The frame's canvas makes these metrics of this font for every extent it measures; a line
  // that is its characters added up is as wide as they are, rounded as the metrics round.
  if (++linesChecked_ > kLinesMeasuredWhole && plainLine_ && NeighboursStandApart(text))
    return RoundedAdvance(int(advances64_));
  return metrics_.horizontalAdvance(text);
}

bool CaptionChecker::NeighboursStandApart(const QString& text) {
  const char16_t* units = reinterpret_cast<const char16_t*>(text.utf16());
  for (qsizetype i = 1; i < text.size(); ++i) {
    const auto [known, added] = neighboursApart_.try_emplace(std::uint32_t(units[i - 1]) << 16 | units[i], false);
    if (added)
      known->second = Advance64(exactMetrics_, QStringView(units + i - 1, 2)) ==
                      facts_.Of(char32_t(units[i - 1])).advance64 + facts_.Of(char32_t(units[i])).advance64;
    if (!known->second) return false;
  }
  return true;
}

QString CaptionChecker::TextWithin(const QString& text, int width, int left, int right) const {
  // Where the characters' own advances add up to the caption's width they are where the frame
  // draws them; otherwise (kerning, joined scripts) the caption is laid out to tell.
  int sum = 0;
  for (const auto& [at, advance] : characters_) sum += advance;
  if (sum != width) return CaptionSpans(drawnFont_, text).TextWithin(left, right);
  int x = 0, from = -1, to = -1;
  for (std::size_t i = 0; i < characters_.size(); ++i) {
    const auto [at, advance] = characters_[i];
    if (x >= left && x + advance <= right) {
      if (from < 0) from = at;
      to = i + 1 < characters_.size() ? characters_[i + 1].first : int(text.size());
    }
    x += advance;
  }
  if (from < 0) return QString();
  return text.mid(from, to - from);
}

void CaptionChecker::FindCut(LineCheck& check, const QString& text) {
  if (!CutsCaption(check.width, check.sentMode)) return;
  // The send draws the caption at X = (192 - W) div 2.
  check.cutLeft = -((kLedWidth - check.width) / 2);
  check.cutRight = check.width - kLedWidth - check.cutLeft;
  const QString visible = TextWithin(text, check.width, check.cutLeft, check.cutLeft + kLedWidth);
  check.findings.push_back({FindingKind::Cut, QString::number(check.cutLeft) + QStringLiteral(" px lost on the left, ") +
                                                QString::number(check.cutRight) + QStringLiteral(" on the right; the sign shows ") +
                                                (visible.isEmpty() ? QStringLiteral("no whole character") : u'"' + visible + u'"') +
                                                CutRemedy(check.width - kLedWidth)});
}

void CaptionChecker::FindMissingGlyphs(LineCheck& check, const QString& text) {
  if (missing_.empty()) return;
  QStringList names;
  for (const auto& [at, length] : missing_) {
    check.missingGlyphs.push_back(at);
    const QString name = CharacterName(QStringView(text).mid(at, length));
    if (!names.contains(name)) names << name;
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

void CaptionChecker::FindNoSettings(LineCheck& check, bool hasEntry) {
  if (hasEntry) return;
  // Showing such a line leaves the selector as it was: the line goes out in the mode it shows.
  check.findings.push_back({FindingKind::NoSettings,
                            QStringLiteral("line %1 is past the %2 lines that keep settings: it goes out in whatever mode "
                                           "the selector shows, here mode %3")
                                .arg(check.line)
                                .arg(kLineSettingCount)
                                .arg(ModeWithName(check.sentMode))});
}

void CaptionChecker::FindCarriedMode(LineCheck& check, bool hasEntry) {
  const int own = SentModeIndex(check.mode);
  if (!hasEntry || own == check.sentMode) return;
  // A mode outside the list cannot be chosen in the selector; only a click sends it as stored.
  check.findings.push_back({FindingKind::CarriedMode,
                            QStringLiteral("stored mode %1, but Enter from line %2 sends it in mode %3; click it before it "
                                           "is sent%4")
                                .arg(ModeWithName(check.mode))
                                .arg(check.line - 1)
                                .arg(ModeWithName(check.sentMode))
                                .arg(own < 0 ? QString()
                                             : QStringLiteral(", or choose mode %1 once Enter has selected it").arg(own))});
}

void CaptionChecker::FindTabs(LineCheck& check, const QString& text) {
  if (tabs_.empty()) return;
  QStringList where;
  for (const int at : tabs_) where << QString::number(at + 1);
  // A tab reaches to the next tab stop: its width depends on where it stands.
  const int first = tabs_.front();
  const int gap = metrics_.horizontalAdvance(text.left(first + 1)) - metrics_.horizontalAdvance(text.left(first));
  check.findings.push_back({FindingKind::Tab,
                            QStringLiteral("a tab character at %1 %2 (pasted or imported): the sign shows it as %3 px; "
                                           "replace it with spaces")
                                .arg(tabs_.size() == 1 ? QStringLiteral("character") : QStringLiteral("characters"))
                                .arg(where.join(QStringLiteral(", ")))
                                .arg(gap)});
}

std::optional<TFont> CaptionChecker::LargestFontWithoutLostRows() {
  // The characters that lose the most rows now are tried first, and one that still loses rows at
  // a size is tried first at the next: at a size where one does, the others need not be drawn.
  std::vector<std::pair<int, QString>> characters;
  for (const QString& c : facts_.Known()) {
    const LostRows& rows = facts_.Of(QStringView(c)).lostRows;
    characters.push_back({rows.Above() + rows.Below(), c});
  }
  std::stable_sort(characters.begin(), characters.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  const int height = std::abs(font_.Height);
  for (int points = std::abs(font_.Size()); points >= 1; --points) {
    TFont smaller = font_;
    smaller.SetSize(points);
    if (std::abs(smaller.Height) >= height) continue;
    CharacterFacts facts(smaller);
    const auto losing = std::find_if(characters.begin(), characters.end(),
                                     [&facts](const auto& c) { return !facts.LostRowsOf(c.second).Empty(); });
    if (losing == characters.end()) return smaller;
    std::rotate(characters.begin(), losing, losing + 1);
  }
  return std::nullopt;
}

void CheckSummary::Add(const LineCheck& check) {
  ++lines;
  for (const Finding& finding : check.findings) ++findings[std::size_t(finding.kind)];
  wireMs += check.wireMs;
  problems = problems || check.HasProblems();
}
