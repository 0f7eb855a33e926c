// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The nine-part skin scheme: a skin rectangle R of a picture cut by four corner points and a
// client rectangle (all relative to R's top-left corner) into fixed corners, edges that tile or
// stretch, and a client area, and drawn at any size.
#include "platform/Types.h"

class TBitmap;

struct NinePartSkin {
  TPoint LT, RT, LB, RB;
  TRect CR;
  friend bool operator==(const NinePartSkin&, const NinePartSkin&) = default;
};

// Which edge strips stretch (true) rather than tile (false).
struct TEdgeStretch {
  bool Left = false;
  bool Top = false;
  bool Right = false;
  bool Bottom = false;
};

// The geometry moved to a target of W × H for a skin rectangle of w × h: the right-hand points
// follow the right side, the lower ones the bottom, the client rectangle grows.
NinePartSkin ResizeLayout(const NinePartSkin& skin, int w, int h, int W, int H);

// Sets the target to W × H and paints R of the picture into it by the nine-part scheme, from the
// unresized geometry `skin` and the resized geometry `sized`. Edges are painted first, the eight
// corner pieces over them, then (with drawClient) the client area, stretched with stretchEffect
// or else tiled. Nothing is painted when the picture is empty or RB and LT share an x or a y.
void DrawNinePartSkin(const NinePartSkin& skin, const NinePartSkin& sized, TBitmap& target, const TBitmap& picture,
                      const TRect& R, int W, int H, bool drawClient, TEdgeStretch stretch, bool stretchEffect);
// The same with the client area always tiled (popup and hint windows).
void DrawNinePartSkin(const NinePartSkin& skin, const NinePartSkin& sized, TBitmap& target, const TBitmap& picture,
                      const TRect& R, int W, int H, bool drawClient, TEdgeStretch stretch);

// Draws rectangle S of the picture at the target's current size: the corners outside the client
// rectangle CR (relative to S) keep their size, everything between them is stretched.
void DrawSkinRectResized(TBitmap& target, const TBitmap& picture, const TRect& S, const TRect& CR, bool drawClient);
