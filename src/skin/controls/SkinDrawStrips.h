// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The border of a nine-part skin as four separate strips, for surfaces that paint their client
// area themselves (the window frame, skinned panels).
#include "platform/Bitmap.h"
#include "skin/controls/SkinDrawNinePart.h"

class TCanvas;

struct TBorderStrips {
  TBitmap Top;     // W × top band
  TBitmap Bottom;  // W × bottom band
  TBitmap Left;    // left band × the height between the top and bottom bands
  TBitmap Right;   // right band × the same height
};

// Sizes and paints the four strips of R at W × H. A strip whose size is not positive, or whose
// edge span between its two corner points is not positive, is not made (left empty).
void BuildFrameStrips(const NinePartSkin& skin, const NinePartSkin& sized, const TBitmap& picture, const TRect& R,
                      int W, int H, TEdgeStretch stretch, TBorderStrips& strips);

// Draws the strips where they belong on a W × H surface laid out by `sized`: top at (0, 0), left
// at (0, top), right at (W − right width, top), bottom at (0, H − bottom height).
void DrawFrameStrips(TCanvas& canvas, const TBorderStrips& strips, const NinePartSkin& sized, int W, int H);
