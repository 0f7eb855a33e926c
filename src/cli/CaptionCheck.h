// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The check of a show's caption lines before a performance: for each line what the sign will
// receive (width, pages, packet bytes, time on the wire) and what it will show wrongly. Every
// figure comes from the code a send runs: the frame's measuring and drawing, the page count and
// the display packet's layout.
#include <QFontMetrics>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "cli/CharacterFacts.h"
#include "show/LineSettingTable.h"

enum class FindingKind { Cut, MissingGlyph, RowsLost, PageCountWraps, UnknownMode, NoSettings, CarriedMode, Tab, Empty };
constexpr int kFindingKindCount = 9;

// "cut", "missing-glyph", ...
const char* FindingKindName(FindingKind kind);

struct Finding {
  FindingKind kind;
  QString detail;  // one line
};

struct LineCheck {
  int line = 0;          // from 1, as an operator counts
  int mode = 0;          // the line's entry (the defaults' for a line without one)
  int sentMode = 0;      // the mode index the send carries on the run checked
  int width = 0;         // W, in pixels
  int pages = 1;         // page records the sign receives
  qint64 bytes = 0;      // of the display packet
  double wireMs = 0;     // the packet's time on the line
  int cutLeft = 0;       // columns of a centred caption outside the frame
  int cutRight = 0;
  std::vector<int> missingGlyphs;  // positions in the text of the characters nothing draws
  std::vector<Finding> findings;

  // Whether any finding other than `empty` was made.
  bool HasProblems() const;
};

class CaptionChecker {
 public:
  explicit CaptionChecker(const TFont& captionFont);

  // Line `index` (from 0) of a show, sent with mode index `sentMode` (ShownMode); `setting` is the
  // line's entry, or the defaults when `hasEntry` is false.
  LineCheck Check(int index, const QString& text, const LineSetting& setting, bool hasEntry, int sentMode);

  // Whether lines are judged as GO sends them: GO refuses a line it cannot send as programmed.
  void RunByGo(bool byGo) { byGo_ = byGo; }

  // The caption font at the largest size the font dialog offers below the current one at which
  // none of the characters checked so far loses a row of ink; none when even 1 point does.
  std::optional<TFont> LargestFontWithoutLostRows();

  const TFont& Font() const { return font_; }
  // The family the toolkit draws the caption font with.
  QString DrawnWith() const;
  int CellTop() const { return facts_.CellTop(); }
  int CellHeight() const { return facts_.CellHeight(); }

 private:
  // Looks each character of the line up once: its advance, whether it is drawn, its lost rows.
  void WalkCharacters(const QString& text);
  // W as the frame measures it.
  int Width(const QString& text);
  // Whether every two neighbouring characters of the line measure as much together as apart
  // (no kerning, no ligature), so that the line is as wide as its characters added up.
  bool NeighboursStandApart(const QString& text);
  void FindCarriedMode(LineCheck& check, bool hasEntry);
  void FindTabs(LineCheck& check, const QString& text);
  void FindNoSettings(LineCheck& check, bool hasEntry);
  // The characters wholly within pixel columns [left, right) of a caption `width` wide.
  QString TextWithin(const QString& text, int width, int left, int right) const;
  void FindCut(LineCheck& check, const QString& text);
  void FindMissingGlyphs(LineCheck& check, const QString& text);
  void FindLostRows(LineCheck& check);

  TFont font_;
  TBitmap frame_;  // measures as the send's frame does
  QFont drawnFont_;  // what the frame draws with
  QFontMetrics metrics_;  // the frame's measuring, held for the show rather than made per line
  QFontMetricsF exactMetrics_;
  CharacterFacts facts_;
  std::unordered_map<std::uint32_t, bool> neighboursApart_;  // by the two UTF-16 units
  int linesChecked_ = 0;
  bool byGo_ = false;
  bool plainLine_ = false;  // every unit a character of its own that adds its advance
  std::int64_t advances64_ = 0;  // the characters' advances added up, in 64ths
  // What the walk found in the line; kept from line to line for their room.
  std::vector<std::pair<int, int>> characters_;  // text position, advance
  std::vector<std::pair<int, int>> missing_;     // text position, length
  std::vector<int> tabs_;                        // text positions
  LostRows lineRows_;
};

// Findings counted by kind, and the time the whole show takes on the line sent once.
struct CheckSummary {
  int lines = 0;
  std::array<int, kFindingKindCount> findings{};
  double wireMs = 0;
  bool problems = false;  // a finding other than `empty`
  // When lines lose rows of ink: the font that would keep them all, if any does.
  std::optional<TFont> fontWithoutLostRows;

  void Add(const LineCheck& check);
};
