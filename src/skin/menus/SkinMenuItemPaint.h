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

// The built-in look's columns: the image column (an image list's image width and a padding, else
// a fixed width) left of the text, and the room right of it for the shortcut and the sub-menu
// arrow.
constexpr int kMenuImageColumn = 19;
constexpr int kMenuImagePadding = 5;
constexpr int kMenuRightColumn = 19;
// A skinned line whose skin gives no image place keeps its text this far from its text band's
// left end, and its shortcut this far from the right one.
constexpr int kSkinnedMenuColumn = 16;

struct TMenuItemPaintContext {
  const TSkinMenuLook& Look;
  // The image list of the line's menu, or none.
  const TCustomImageList* Images = nullptr;
  // The popup's image column.
  int ImageColumnWidth = kMenuImageColumn;
};

// Sizes the target to the line's rectangle and paints the line into it.
void PaintMenuItem(TBitmap& target, const TSkinMenuItem& item, const TMenuItemPaintContext& context);

// The built-in look, also used by PaintMenuItem for a look without skin.
void PaintBuiltInMenuItem(TBitmap& target, const TSkinMenuItem& item, const TMenuItemPaintContext& context);
