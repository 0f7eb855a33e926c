// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "wire/GlyphCoverage.h"

#include <QGlyphRun>
#include <QStringList>
#include <QTextLayout>
#include <algorithm>

bool DrawsEveryGlyph(const QFont& font, const QString& text) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  for (const QGlyphRun& run : layout.glyphRuns())
    for (const quint32 glyph : run.glyphIndexes())
      if (glyph == 0) return false;
  return true;
}

std::vector<char32_t> MissingGlyphs(const QFont& font, const QString& text) {
  std::vector<char32_t> missing;
  // One layout for the whole caption first: nearly every caption is drawn whole, and a long one
  // must not cost a layout per character.
  if (DrawsEveryGlyph(font, text)) return missing;
  std::vector<char32_t> seen;
  for (const char32_t character : text.toUcs4()) {
    if (std::find(seen.begin(), seen.end(), character) != seen.end()) continue;
    seen.push_back(character);
    if (!DrawsEveryGlyph(font, QString::fromUcs4(&character, 1))) missing.push_back(character);
  }
  return missing;
}

QString NoGlyphNote(const std::vector<char32_t>& missing) {
  if (missing.empty()) return {};
  QStringList codes;
  for (const char32_t character : missing)
    codes << QStringLiteral("U+%1").arg(uint(character), 4, 16, QLatin1Char('0')).toUpper();
  return QStringLiteral("no glyph for ") + codes.join(QStringLiteral(", "));
}
