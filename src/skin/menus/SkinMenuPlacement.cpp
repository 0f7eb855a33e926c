// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/menus/SkinMenuPlacement.h"

#include <algorithm>

namespace {

struct Vertical {
  int y;
  bool clamped;
};

Vertical PlaceVertically(const TMenuPlacementInput& in) {
  const TRect& R = in.Rect;
  const TRect& A = in.WorkArea;
  const int H = in.Height;
  const bool upperHalf = R.Top < A.Top + A.Height() / 2;
  const bool fitsBelow = R.Bottom + H <= A.Bottom;
  const bool fitsAbove = R.Top - H >= A.Top;
  // 1.
  if (in.Scrolling && !in.LimitScrolling) return {A.Top, false};
  // 2.
  if (in.SubMenu) {
    if (R.Top - in.ItemsTop + H <= A.Bottom) return {R.Top - in.ItemsTop, false};
    if (upperHalf) return {A.Bottom - H, false};
    return {std::max(R.Bottom + in.ItemsTop - H, A.Top), false};
  }
  // 3.
  if (in.PopupUp) {
    if (fitsAbove) return {R.Top - H, false};
    if (upperHalf) return fitsBelow ? Vertical{R.Bottom, false} : Vertical{A.Bottom - H, true};
    return {A.Top, true};
  }
  // 4.
  if (fitsBelow) return {R.Bottom, false};
  if (upperHalf) return {A.Bottom - H, true};
  if (fitsAbove) return {R.Top - H, false};
  return {A.Top, true};
}

}  // namespace

TMenuPlacement PlacePopup(const TMenuPlacementInput& in) {
  const TRect& R = in.Rect;
  const TRect& A = in.WorkArea;
  const int W = in.Width;
  const Vertical v = PlaceVertically(in);
  TMenuPlacement placed{0, v.y, v.clamped};
  const bool besideRect = in.SubMenu || (in.Scrolling && !in.LimitScrolling) || placed.Flipped;
  if (!besideRect) {
    placed.X = R.Left;
    if (placed.X + W > A.Right) placed.X = A.Right - W;
    else if (placed.X < A.Left) placed.X = A.Left;
  } else {
    placed.X = R.Right + W + 1 <= A.Right ? R.Right + 1 : R.Left - W - 1;
  }
  return placed;
}
