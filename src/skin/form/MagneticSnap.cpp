// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/form/MagneticSnap.h"

#include <cstdlib>

namespace {

// One edge: `edge` is where the proposal puts it, `flush` the place of the window's reference
// coordinate (left or top) that puts it flush; returns that coordinate.
int SnapEdge(int place, int edge, int areaEdge, int flush, int distance, int cursor, int& anchor, bool& snapped) {
  const bool near = std::abs(edge - areaEdge) < distance;
  if (near && !snapped) {
    place = flush;
    anchor = cursor;
  } else if (snapped) {
    place = std::abs(cursor - anchor) > distance ? flush + cursor - anchor : flush;
  }
  snapped = near;
  return place;
}

}  // namespace

TRect MagneticSnap(const TRect& proposed, TSize size, const TRect& area, int distance, TPoint cursor,
                   TSnapState& state) {
  const int w = size.cx, h = size.cy;
  int left = proposed.Left, top = proposed.Top;
  left = SnapEdge(left, left, area.Left, area.Left, distance, cursor.X, state.Anchor.X, state.Left);
  top = SnapEdge(top, top, area.Top, area.Top, distance, cursor.Y, state.Anchor.Y, state.Top);
  left = SnapEdge(left, left + w, area.Right, area.Right - w, distance, cursor.X, state.Anchor.X, state.Right);
  top = SnapEdge(top, top + h, area.Bottom, area.Bottom - h, distance, cursor.Y, state.Anchor.Y, state.Bottom);
  return {left, top, left + w, top + h};
}
