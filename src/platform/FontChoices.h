// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// What the font dialog offers and how a choice becomes a font: the named colours, the four
// styles, the usual sizes, the families, and the rule that applies the operator's choice.
#include <QString>
#include <QStringList>
#include <span>

#include "platform/Color.h"
#include "platform/Font.h"

struct NamedFontColour {
  const char* name;  // as the operator reads it
  TColor colour;
};

// The sixteen colours of the font dialog, in the platform's order.
std::span<const NamedFontColour> FontDialogColours();
// Index in FontDialogColours of the colour the font carries (system colours resolved), or -1.
int FontColourIndex(TColor colour);

// Regular, italic, bold, bold italic: the style list, as bits of TFontStyle.
struct NamedFontStyle {
  const char* name;
  unsigned bits;
};
std::span<const NamedFontStyle> FontDialogStyles();
// Index of the style row that shows the bold and italic bits of `style`.
int FontStyleIndex(TFontStyles style);

// The sizes in points the size list offers.
std::span<const int> FontDialogSizes();
constexpr int kMinFontDialogSize = 1;
constexpr int kMaxFontDialogSize = 1638;

// The family list: the font's own name first (say "宋体", which the operator knows even though
// another installed font draws it), then the installed families, each once.
QStringList FontDialogFamilies(const QString& current, const QStringList& installed);

struct FontChoice {
  QString family;
  int styleRow = 0;
  int points = 0;
  bool underline = false;
  bool strikeOut = false;
  TColor colour = clBlack;
};

// The choice the dialog starts from.
FontChoice ChoiceOf(const TFont& font);
// The font after the operator confirmed `choice`. Character set and quality stay; the height
// stays exactly as it was when the size was left alone, so confirming without a change is a no-op.
TFont ApplyChoice(const TFont& font, const FontChoice& choice);
