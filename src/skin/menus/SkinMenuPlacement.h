// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Where a popup goes on the screen for the rectangle it opens from: below it, above it, beside
// it (sub-menus) or against an edge of the work area, by these rules in order:
//
// Vertical position, the first that applies:
//   1. a popup that scrolls because it is taller than the work area: the work area's top;
//   2. a sub-menu: its first item level with the rectangle; else against the work area's bottom
//      when the rectangle is in the area's upper half; else its last item level with the
//      rectangle's bottom (not above the area);
//   3. an upward popup: above the rectangle; else (upper half) below it or against the bottom;
//      else against the top;
//   4. a downward popup: below the rectangle; else (upper half) against the bottom; else above
//      the rectangle, or against the top.
// A popup of rules 3 and 4 that ends against an edge counts as flipped.
// Horizontal position: a popup that is neither a sub-menu, nor scrolling by rule 1, nor flipped
// starts at the rectangle's left, moved back inside the work area; all others go beside the
// rectangle, to its right where they fit, else to its left.
#include "platform/Types.h"

struct TMenuPlacementInput {
  TRect Rect{};      // screen rectangle the popup opens from
  TRect WorkArea{};  // work area of the monitor
  int Width = 0;
  int Height = 0;
  int ItemsTop = 0;  // top of the popup's items area (ResizedItemsRect.Top)
  bool PopupUp = false;
  bool SubMenu = false;
  bool Scrolling = false;
  bool LimitScrolling = false;  // scrolls because of the item limit, not the work area
};

struct TMenuPlacement {
  int X = 0;
  int Y = 0;
  bool Flipped = false;
  friend bool operator==(const TMenuPlacement&, const TMenuPlacement&) = default;
};

TMenuPlacement PlacePopup(const TMenuPlacementInput& input);
