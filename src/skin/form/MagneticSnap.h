// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Magnetic snapping of a moved window to its work area's edges, as a pure function of the
// proposed place, the pointer and what was snapped at the previous step.
#include "platform/Types.h"

struct TSnapState {
  bool Left = false;
  bool Top = false;
  bool Right = false;
  bool Bottom = false;
  // The pointer where an edge snapped (x for the left and right edges, y for the others).
  TPoint Anchor{};

  // The window was placed otherwise (sized, or the loop ended): no edge holds it any more.
  void Release() { Left = Top = Right = Bottom = false; }
};

// The window's place for a move that proposes `proposed` (its size is the window's w × h), the
// edges taken in the order left, top, right, bottom, the right and bottom ones from the left and
// top as already placed:
//   1. an edge is near when it lies strictly within `distance` of the area's matching edge;
//   2. near and not snapped before: the window goes flush to that edge, the pointer becomes the
//      anchor on that axis;
//   3. snapped before: the window stays flush until the pointer has moved more than `distance`
//      from the anchor, then follows the pointer from the flush place;
//   4. the edge counts as snapped when it was near.
TRect MagneticSnap(const TRect& proposed, TSize size, const TRect& area, int distance, TPoint cursor,
                   TSnapState& state);
