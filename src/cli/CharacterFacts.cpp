// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/CharacterFacts.h"

#include <QPainter>
#include <algorithm>

int Advance64(const QFontMetricsF& metrics, QStringView text) {
  return qRound(metrics.horizontalAdvance(text.toString()) * 64);
}

int RoundedAdvance(int advance64) { return (advance64 + 32) >> 6; }

CharacterFacts::CharacterFacts(const TFont& captionFont)
    : scratch_(CreateLedFrame()), metrics_(QFont()), exactMetrics_(QFont()), unitFacts_(0x10000, nullptr) {
  PrepareFrame(scratch_, captionFont);
  font_ = scratch_.Canvas.Font.ToQFont();
  metrics_ = QFontMetrics(font_);
  exactMetrics_ = QFontMetricsF(font_);
  cellHeight_ = MeasureCaption(scratch_, QString()).cy;
  cellTop_ = (kLedHeight - cellHeight_) / 2;
  // Ink may reach past the cell (accents, tall scripts): a cell's height of room on each side.
  margin_ = std::max(cellHeight_, kLedHeight) + std::max(0, -cellTop_);
}

const CharacterFact& CharacterFacts::Of(char32_t character) {
  if (character < 0x10000) {
    const CharacterFact*& fact = unitFacts_[character];
    if (!fact) fact = &Add(QString(QChar(char16_t(character))));
    return *fact;
  }
  return Of(QStringView(QString::fromUcs4(&character, 1)));
}

const CharacterFact& CharacterFacts::Of(QStringView grapheme) {
  if (grapheme.size() == 1) return Of(char32_t(grapheme[0].unicode()));
  QString text = grapheme.toString();
  const auto known = textFacts_.find(text);
  if (known != textFacts_.end()) return *known->second;
  return Add(text);
}

const CharacterFact& CharacterFacts::Add(const QString& text) {
  facts_.push_back(WorkOut(text));
  known_.push_back(text);
  if (text.size() > 1) textFacts_.emplace(text, &facts_.back());
  return facts_.back();
}

CharacterFact CharacterFacts::WorkOut(const QString& text) {
  CharacterFact fact;
  fact.drawable = DrawsEveryGlyph(font_, text);
  // Measured once, exactly; the frame's measuring rounds the same width.
  fact.advance64 = Advance64(exactMetrics_, text);
  fact.advance = RoundedAdvance(fact.advance64);
  fact.lostRows = DrawAndFindLostRows(text, fact.advance);
  return fact;
}

LostRows CharacterFacts::LostRowsOf(const QString& character) {
  return DrawAndFindLostRows(character, metrics_.horizontalAdvance(character));
}

LostRows CharacterFacts::DrawAndFindLostRows(const QString& text, int advance) {
  // Drawn as the frame draws the caption, at the frame's row of the cell; a cell's width of room
  // on both sides for glyphs that reach past their advance.
  const int width = advance + 2 * cellHeight_ + 2;
  const int height = kLedHeight + 2 * margin_;
  if (scratch_.Width() < width || scratch_.Height() != height) scratch_.SetSize(std::max(width, scratch_.Width()), height);
  scratch_.Image().fill(Qt::black);
  // The canvas's text output on black: the caption font in pure red from the cell's top, without
  // making the font and its metrics anew for every character.
  QPainter painter(&scratch_.Image());
  painter.setFont(font_);
  painter.setPen(QColor(255, 0, 0));
  painter.drawText(QPoint(cellHeight_ + 1, margin_ + cellTop_ + metrics_.ascent()), text);
  painter.end();

  // Lit as the packing reads it; only the rows outside the frame's 16 count.
  const QImage& image = scratch_.Image();
  const int columns = image.width();
  const auto inked = [&image, columns](int y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    return std::any_of(row, row + columns, IsLitPixel);
  };
  LostRows rows;
  for (int y = 0; y < margin_; ++y)
    if (inked(y)) rows.AddRow(y - margin_);
  for (int y = margin_ + kLedHeight; y < height; ++y)
    if (inked(y)) rows.AddRow(y - margin_);
  return rows;
}
