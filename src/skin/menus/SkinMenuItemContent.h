// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// What a menu line shows on top of its background, in both looks: the caption and the shortcut
// text, the sub-menu arrow and the picture, or a glyph, check mark or radio dot where there is
// no picture. The two looks differ only in where these go.
#include "platform/Color.h"
#include "platform/Types.h"

class TCanvas;
class TCustomImageList;
class TSkinMenuItem;

struct TMenuItemContentLayout {
  // Caption, shortcut and arrow are centred vertically in this band.
  TRect Band{};
  // The caption starts here, in a box two pixels wider than its text, aligned by CaptionAlign
  // (DT_LEFT or DT_CENTER) in that box.
  int CaptionLeft = 0;
  unsigned CaptionAlign = 0;
  // The shortcut text ends here.
  int ShortCutRight = 0;
  // First column of the sub-menu arrow.
  int ArrowLeft = 0;
  // A picture goes at ImageArea's left, centred vertically in it; with CentreImage centred in it
  // both ways.
  TRect ImageArea{};
  bool CentreImage = false;
  // Without a picture: the command glyph, the check mark and the radio dot.
  TPoint Glyph{};
  TPoint CheckMark{};
  TPoint RadioDot{};
};

struct TMenuItemColors {
  TColor Text = clWindowText;
  // Picture frame, glyphs, check mark and dot.
  TColor Marks = clWindowText;
};

// Draws the content with the canvas font (whose colour is set here). A line whose platform item
// draws itself gets that call instead, with the band and the active flag.
void DrawMenuItemContent(TCanvas& canvas, const TSkinMenuItem& item, const TMenuItemContentLayout& layout,
                         const TMenuItemColors& colors, bool active, const TCustomImageList* images);
