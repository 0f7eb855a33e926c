// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The line-drawn glyphs of the window's commands, shared by the default frame's caption buttons
// and the system menu's lines, so that both always show the same shapes.
#include "platform/Color.h"

class TCanvas;

enum class TCaptionGlyph {
  Close,           // a thick cross
  Minimize,        // a bar along the bottom
  Maximize,        // a box with a thick top
  Restore,         // two such boxes, overlapping
  RollUp,          // a triangle pointing up
  RollDown,        // a triangle pointing down
  SystemMenu,      // a short flat box
  MinimizeToTray,  // a small filled square
};

// A one-pixel pen and a brush, both in `color`: how the glyphs and the menu's other marks draw.
void UseGlyphColor(TCanvas& canvas, TColor color);

// Draws the glyph in `color` in its 11 × 10 cell whose top-left is (x, y).
void DrawCaptionGlyph(TCanvas& canvas, TCaptionGlyph glyph, int x, int y, TColor color);
