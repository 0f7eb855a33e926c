// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// What a check needs to know of each character the caption font draws into the LED frame:
// whether anything draws it (the font, the families that stand in for it, the toolkit's
// fallbacks) or the sign gets an empty box, and which rows of ink it leaves outside the sign's
// 16. Worked out once per distinct character and kept: a show repeats a few thousand
// characters over and over.
#include <QFont>
#include <unordered_map>

#include "cli/LostRows.h"
#include "console/GlyphCoverage.h"
#include "console/LedFrame.h"

struct CharacterFact {
  int advance = 0;  // pixels, as the frame measures the character alone
  bool drawable = true;
  LostRows lostRows;
};

class CharacterFacts {
 public:
  explicit CharacterFacts(const TFont& captionFont);

  // The reference stays valid for the lifetime of this object.
  const CharacterFact& Of(char32_t character);

  // Where the caption's cell lies in the frame: its top row (negative when the font is taller
  // than the sign) and its height.
  int CellTop() const { return cellTop_; }
  int CellHeight() const { return cellHeight_; }

 private:
  CharacterFact WorkOut(char32_t character);

  TBitmap scratch_;  // the character drawn as the frame draws it, with room above and below
  QFont font_;
  int cellHeight_ = 0;
  int cellTop_ = 0;
  int margin_ = 0;  // rows of the scratch above the frame's row 0
  std::unordered_map<char32_t, CharacterFact> facts_;
};
