// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The small line-drawn marks of menu lines: the glyphs of the window's own commands (chosen by
// the item's name), the radio dot and the sub-menu arrow.
#include <QString>

#include "platform/Color.h"

class TCanvas;

// Draws the glyph of a window command item ("SF_CLOSE", "SF_MINITEM", "SF_ROLLUP", ...) with its
// top-left at (x, y); false, drawing nothing, for a name without a glyph.
bool DrawCommandGlyph(TCanvas& canvas, const QString& itemName, int x, int y, TColor color);

// A filled 6 × 6 round dot with its top-left at (x, y).
void DrawRadioDot(TCanvas& canvas, int x, int y, TColor color);

// The right-pointing arrow of a line with a sub-menu: four columns from x, 7, 5, 3 and 1 pixels
// high, the first starting at y.
void DrawSubMenuArrow(TCanvas& canvas, int x, int y, TColor color);
