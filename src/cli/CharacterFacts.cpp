// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/CharacterFacts.h"

#include <algorithm>

namespace {

QString TextOf(char32_t character) { return QString::fromUcs4(&character, 1); }

}  // namespace

CharacterFacts::CharacterFacts(const TFont& captionFont) : scratch_(CreateLedFrame()) {
  PrepareFrame(scratch_, captionFont);
  font_ = scratch_.Canvas.Font.ToQFont();
  cellHeight_ = MeasureCaption(scratch_, QString()).cy;
  cellTop_ = (kLedHeight - cellHeight_) / 2;
  // Ink may reach past the cell (accents, tall scripts): a cell's height of room on each side.
  margin_ = std::max(cellHeight_, kLedHeight) + std::max(0, -cellTop_);
}

const CharacterFact& CharacterFacts::Of(char32_t character) {
  const auto known = facts_.find(character);
  if (known != facts_.end()) return known->second;
  return facts_.emplace(character, WorkOut(character)).first->second;
}

CharacterFact CharacterFacts::WorkOut(char32_t character) {
  const QString text = TextOf(character);
  CharacterFact fact;
  fact.drawable = DrawsEveryGlyph(font_, text);

  // Drawn as the frame draws the caption, at the frame's row of the cell; a cell's width of room
  // on both sides for glyphs that reach past their advance.
  fact.advance = MeasureCaption(scratch_, text).cx;
  const int width = fact.advance + 2 * cellHeight_ + 2;
  const int height = kLedHeight + 2 * margin_;
  if (scratch_.Width() < width || scratch_.Height() != height) scratch_.SetSize(std::max(width, scratch_.Width()), height);
  scratch_.Image().fill(Qt::black);
  scratch_.Canvas.TextOut(cellHeight_ + 1, margin_ + cellTop_, text);

  // Any red at all is lit, as the packing reads it.
  const QImage& image = scratch_.Image();
  for (int y = 0; y < image.height(); ++y) {
    const int frameRow = y - margin_;
    if (frameRow >= 0 && frameRow < kLedHeight) continue;
    const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (qRed(row[x]) != 0) {
        fact.lostRows.AddRow(frameRow);
        break;
      }
  }
  return fact;
}
