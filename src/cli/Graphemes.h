// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A caption's characters as the line draws them: grapheme clusters, a base with its marks (a
// decomposed "É", a Vietnamese vowel with two marks, a Thai consonant with its vowel and tone).
#include <QString>
#include <QTextBoundaryFinder>
#include <algorithm>

// Whether a UTF-16 unit is a cluster of its own wherever it stands: nothing joins it to a
// neighbour. The Latin, CJK and punctuation most captions are made of; a line of nothing else
// needs no boundary search.
constexpr bool StandsAlone(char16_t unit) {
  return (unit < 0x300 && unit != u'\r') || (unit >= 0x4E00 && unit <= 0x9FFF) || (unit >= 0x3000 && unit <= 0x3029) ||
         (unit >= 0x3030 && unit <= 0x303F) || (unit >= 0xFF01 && unit <= 0xFF60) || (unit >= 0x2010 && unit <= 0x2027);
}

// Calls `each(position, length)` for every grapheme cluster of the text, in order.
template <typename Each>
void ForEachGrapheme(const QString& text, Each each) {
  const char16_t* units = reinterpret_cast<const char16_t*>(text.utf16());
  const int size = int(text.size());
  if (std::all_of(units, units + size, StandsAlone)) {
    for (int i = 0; i < size; ++i) each(i, 1);
    return;
  }
  QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
  int at = 0;
  for (qsizetype next = finder.toNextBoundary(); next != -1; next = finder.toNextBoundary()) {
    if (next > at) each(at, int(next) - at);
    at = int(next);
  }
}
