// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/controls/SkinRegion.h"

#include <vector>

#include "platform/Region.h"
#include "skin/controls/FBitmap.h"
#include "skin/controls/SkinDrawTiling.h"

std::optional<QRegion> MaskToRegion(const TBitmap& mask, int dx, int dy) {
  if (mask.Empty()) return std::nullopt;
  const TFBitmap bits(mask);
  const int width = bits.Width();
  std::vector<TRect> runs;
  for (int y = 0; y < bits.Height(); ++y) {
    int x = 0;
    while (x < width) {
      if (!bits.IsBlack(x, y)) { ++x; continue; }
      const int x0 = x;
      while (x < width && bits.IsBlack(x, y)) ++x;
      runs.push_back({x0 + dx, y + dy, x + dx, y + dy + 1});
    }
  }
  return ExtCreateRegion(runs);
}

void BuildNinePartMaskStrips(const NinePartSkin& skin, const NinePartSkin& sized, const TBitmap& mask, int W,
                             TBorderStrips& strips) {
  const TPoint &LT = skin.LT, &RT = skin.RT, &LB = skin.LB, &RB = skin.RB;
  const TRect& CR = skin.CR;
  const TPoint &nLT = sized.LT, &nRT = sized.RT, &nLB = sized.LB, &nRB = sized.RB;
  const int mw = mask.Width(), mh = mask.Height();
  const int sideH = sized.CR.Height();
  const QImage& m = mask.Image();

  // Top and bottom: the edge tiled between the resized corner points, the two end pieces over.
  auto band = [&](TBitmap& strip, int y0, int y1, TPoint left, TPoint right, TPoint newLeft, TPoint newRight) {
    const int height = y1 - y0;
    strip.SetSize(W > 0 && height > 0 ? W : 0, W > 0 && height > 0 ? height : 0);
    if (strip.Empty()) return;
    TCanvas& c = strip.Canvas;
    TileHorz(c, newLeft.X, newRight.X, 0, m, Rect(left.X, y0, right.X, y1));
    CopyPiece(c, Rect(0, 0, left.X, height), m, Rect(0, y0, left.X, y1));
    CopyPiece(c, Rect(newRight.X, 0, W, height), m, Rect(right.X, y0, mw, y1));
  };
  band(strips.Top, 0, CR.Top, LT, RT, nLT, nRT);
  band(strips.Bottom, CR.Bottom, mh, LB, RB, nLB, nRB);

  // Sides: the edge tiled down the whole strip, then the pieces above and below it.
  auto side = [&](TBitmap& strip, int x0, int x1, int edgeTop, int edgeBottom) {
    const int width = x1 - x0;
    strip.SetSize(width > 0 && sideH > 0 ? width : 0, width > 0 && sideH > 0 ? sideH : 0);
    if (strip.Empty()) return;
    TCanvas& c = strip.Canvas;
    TileVert(c, 0, sideH, 0, m, Rect(x0, edgeTop, x1, edgeBottom));
    if (edgeTop > CR.Top) CopyPiece(c, Rect(0, 0, width, edgeTop - CR.Top), m, Rect(x0, CR.Top, x1, edgeTop));
    if (CR.Bottom > edgeBottom)
      CopyPiece(c, Rect(0, sideH - (CR.Bottom - edgeBottom), width, sideH), m, Rect(x0, edgeBottom, x1, CR.Bottom));
  };
  side(strips.Left, 0, CR.Left, LT.Y, LB.Y);
  side(strips.Right, CR.Right, mw, RT.Y, RB.Y);
}

std::optional<QRegion> BorderStripsRegion(const TBorderStrips& strips, const TRect& client) {
  if (client.IsEmpty()) return std::nullopt;
  QRegion region = CreateRectRgnIndirect(client);
  auto add = [&region](const TBitmap& strip, int dx, int dy) {
    if (const std::optional<QRegion> part = MaskToRegion(strip, dx, dy)) CombineRgn(region, region, *part, RGN_OR);
  };
  add(strips.Top, 0, 0);
  add(strips.Bottom, 0, client.Bottom);
  add(strips.Left, 0, client.Top);
  add(strips.Right, client.Right, client.Top);
  return region;
}

std::optional<QRegion> NinePartMaskRegion(const NinePartSkin& skin, const NinePartSkin& sized, const TBitmap& mask,
                                          int W, int H) {
  (void)H;  // the strips' heights follow from the mask and the resized client rectangle
  if (sized.RT.X < sized.LT.X || sized.LB.Y < sized.LT.Y || mask.Empty()) return std::nullopt;
  TBorderStrips strips;
  BuildNinePartMaskStrips(skin, sized, mask, W, strips);
  return BorderStripsRegion(strips, sized.CR);
}
