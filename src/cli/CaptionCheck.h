// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The check of a show's caption lines before a performance: for each line what the sign will
// receive (width, pages, packet bytes, time on the wire) and what it will show wrongly. Every
// figure comes from the code a send runs: the frame's measuring and drawing, the page count and
// the display packet's layout.
#include <QString>
#include <array>
#include <utility>
#include <vector>

#include "cli/CharacterFacts.h"
#include "console/LineSettingTable.h"

enum class FindingKind { Cut, MissingGlyph, RowsLost, PageCountWraps, UnknownMode, NoSettings, Empty };
constexpr int kFindingKindCount = 7;

// "cut", "missing-glyph", ...
const char* FindingKindName(FindingKind kind);

struct Finding {
  FindingKind kind;
  QString detail;  // one line
};

struct LineCheck {
  int line = 0;          // from 1, as an operator counts
  int mode = 0;          // the line's entry (the defaults' for a line without one)
  int sentMode = 0;      // the mode index the send carries
  int width = 0;         // W, in pixels
  int pages = 1;         // page records the sign receives
  qint64 bytes = 0;      // of the display packet
  double wireMs = 0;     // the packet's time on the line
  int cutLeft = 0;       // columns of a centred caption outside the frame
  int cutRight = 0;
  std::vector<int> missingGlyphs;  // positions in the text of characters nothing draws
  std::vector<Finding> findings;

  // Whether any finding other than `empty` was made.
  bool HasProblems() const;
};

class CaptionChecker {
 public:
  explicit CaptionChecker(const TFont& captionFont);

  // Line `index` (from 0) of a show; `setting` is the line's entry, or the defaults when
  // `hasEntry` is false.
  LineCheck Check(int index, const QString& text, const LineSetting& setting, bool hasEntry);

  const TFont& Font() const { return font_; }
  // The family the toolkit draws the caption font with.
  QString DrawnWith() const;
  int CellTop() const { return facts_.CellTop(); }
  int CellHeight() const { return facts_.CellHeight(); }

 private:
  // Looks each character of the line up once: its advance, whether it is drawn, its lost rows.
  void WalkCharacters(const QString& text);
  // The characters wholly within pixel columns [left, right) of a caption `width` wide.
  QString TextWithin(const QString& text, int width, int left, int right) const;
  void FindCut(LineCheck& check, const QString& text);
  void FindMissingGlyphs(LineCheck& check);
  void FindLostRows(LineCheck& check);

  TFont font_;
  TBitmap frame_;  // measures as the send's frame does
  QFont drawnFont_;  // what the frame draws with
  CharacterFacts facts_;
  // What the walk found in the line; kept from line to line for their room.
  std::vector<std::pair<int, int>> characters_;   // text position, advance
  std::vector<std::pair<int, char32_t>> missing_;  // text position, character
  LostRows lineRows_;
};

// Findings counted by kind, and the time the whole show takes on the line sent once.
struct CheckSummary {
  int lines = 0;
  std::array<int, kFindingKindCount> findings{};
  double wireMs = 0;
  bool problems = false;  // a finding other than `empty`

  void Add(const LineCheck& check);
};
