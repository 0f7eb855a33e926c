// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// What a check needs to know of each character the caption font draws into the LED frame:
// whether anything draws it (the font, the families that stand in for it, the toolkit's
// fallbacks) or the sign gets an empty box, and which rows of ink it leaves outside the sign's
// 16. A character is a grapheme cluster, a base with the marks drawn on it, as the line draws
// it. Worked out once per distinct character and kept: a show repeats a few thousand characters
// over and over.
#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <QStringView>
#include <deque>
#include <unordered_map>
#include <vector>

#include "cli/LostRows.h"
#include "wire/GlyphCoverage.h"
#include "wire/LedFrame.h"

struct CharacterFact {
  int advance = 0;  // pixels, as the frame measures the character alone
  int advance64 = 0;  // the same in 64ths of a pixel, before rounding
  bool drawable = true;
  LostRows lostRows;
};

class CharacterFacts {
 public:
  explicit CharacterFacts(const TFont& captionFont);

  // The references stay valid for the lifetime of this object.
  const CharacterFact& Of(char32_t character);
  // A whole grapheme cluster (one code point, or a base with its marks).
  const CharacterFact& Of(QStringView grapheme);

  // The rows of ink the character loses, drawn afresh and not kept: for trying the font at
  // another size.
  LostRows LostRowsOf(const QString& character);

  // Every character worked out so far, in the order first asked for.
  const std::vector<QString>& Known() const { return known_; }

  // Where the caption's cell lies in the frame: its top row (negative when the font is taller
  // than the sign) and its height.
  int CellTop() const { return cellTop_; }
  int CellHeight() const { return cellHeight_; }

 private:
  struct TextHash {
    std::size_t operator()(const QString& text) const { return qHash(text); }
  };
  const CharacterFact& Add(const QString& text);
  CharacterFact WorkOut(const QString& text);
  LostRows DrawAndFindLostRows(const QString& text, int advance);

  TBitmap scratch_;  // the character drawn as the frame draws it, with room above and below
  QFont font_;
  QFontMetrics metrics_;  // as the frame's canvas measures
  QFontMetricsF exactMetrics_;
  int cellHeight_ = 0;
  int cellTop_ = 0;
  int margin_ = 0;  // rows of the scratch above the frame's row 0
  // Single UTF-16 units are looked up by index, every other character by its text.
  std::vector<const CharacterFact*> unitFacts_;  // null: not worked out yet
  std::unordered_map<QString, const CharacterFact*, TextHash> textFacts_;
  std::deque<CharacterFact> facts_;
  std::vector<QString> known_;
};

// The width of `text` in 64ths of a pixel, before the frame's measuring rounds it.
int Advance64(const QFontMetricsF& metrics, QStringView text);
// A width in 64ths rounded to pixels as the frame's measuring rounds it (halves up).
int RoundedAdvance(int advance64);
