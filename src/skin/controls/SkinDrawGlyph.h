// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A glyph (or image) and a caption laid out together inside a rectangle, as skinned buttons
// draw them.
#include <QString>

#include "platform/Types.h"

class TBitmap;
class TCanvas;
class TCustomImageList;

// Where the glyph goes relative to the caption.
enum TGlyphLayout { blGlyphLeft = 0, blGlyphRight = 1, blGlyphTop = 2, blGlyphBottom = 3 };

struct TGlyphTextPlacement {
  TPoint Glyph;
  TPoint Text;
  friend bool operator==(const TGlyphTextPlacement&, const TGlyphTextPlacement&) = default;
};

// Draws cell `cell` (from 1) of a strip of `cellCount` equal cells side by side at (x, y),
// transparently: the colour of the cell's bottom-left pixel is left out. An empty strip, or a
// cell count below 1, draws nothing.
void DrawGlyphCell(TCanvas& canvas, int x, int y, int cell, int cellCount, const TBitmap& strip);

// Positions of a gw × gh glyph and a tw × th text inside `rect`; a negative margin (−1) centres
// the pair.
TGlyphTextPlacement LayoutGlyphAndText(int layout, const TRect& rect, int gw, int gh, int tw, int th, int margin,
                                       int spacing);

// Glyph cell and caption laid out in `rect` and drawn; with pressedOffset both move by (1, 1).
void DrawGlyphAndCaption(TCanvas& canvas, const TRect& rect, int margin, int spacing, int layout,
                         const QString& caption, const TBitmap& glyph, int cellCount, int cell, bool pressedOffset);

// The same with the glyph taken from an image list, drawn enabled or greyed.
void DrawImageAndCaption(TCanvas& canvas, const TRect& rect, int margin, int spacing, int layout,
                         const QString& caption, const TCustomImageList* images, int imageIndex, bool enabled,
                         bool pressedOffset);
