// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Paints one menu line at its size: from the menu-item object's pictures (normal, active, an
// animation frame, or the cross-fade between normal and active while the hover effect runs) or
// in the built-in look.
class TBitmap;
class TCustomImageList;
class TSkinMenuItem;
struct TSkinMenuLook;

struct TMenuItemPaintContext {
  const TSkinMenuLook& Look;
  // The image list of the line's menu, or none.
  const TCustomImageList* Images = nullptr;
  // The popup's image column: the image width + 5 with an image list, else 19.
  int ImageColumnWidth = 19;
};

// Sizes the target to the line's rectangle and paints the line into it.
void PaintMenuItem(TBitmap& target, const TSkinMenuItem& item, const TMenuItemPaintContext& context);

// The built-in look, also used by PaintMenuItem for a look without skin.
void PaintBuiltInMenuItem(TBitmap& target, const TSkinMenuItem& item, const TMenuItemPaintContext& context);
