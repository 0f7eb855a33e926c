// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/controls/SkinDrawStrips.h"

#include "skin/controls/SkinDrawTiling.h"

namespace {

// Makes the strip at width × height, or leaves it empty when it is not to be made.
bool MakeStrip(TBitmap& strip, bool made, int width, int height) {
  strip.SetSize(made ? width : 0, made ? height : 0);
  return made;
}

}  // namespace

void BuildFrameStrips(const NinePartSkin& skin, const NinePartSkin& sized, const TBitmap& picture, const TRect& R,
                      int W, int H, TEdgeStretch stretch, TBorderStrips& strips) {
  const TPoint &LT = skin.LT, &RT = skin.RT, &LB = skin.LB, &RB = skin.RB;
  const TRect& CR = skin.CR;
  const TPoint &nLT = sized.LT, &nRT = sized.RT, &nLB = sized.LB, &nRB = sized.RB;
  const TRect& nCR = sized.CR;
  const int w = R.Width();
  const QImage& pic = picture.Image();
  auto src = [&R](int l, int t, int r, int b) { return OffsetRect(Rect(l, t, r, b), R.Left, R.Top); };

  // 1. Top strip.
  const int topH = nCR.Top;
  if (MakeStrip(strips.Top, W > 0 && topH > 0 && RT.X > LT.X, W, topH)) {
    TCanvas& c = strips.Top.Canvas;
    const TRect edge = src(LT.X, 0, RT.X, topH);
    if (stretch.Top) CopyPiece(c, Rect(nLT.X, 0, nRT.X, topH), pic, edge);
    else TileHorz(c, 0, W, 0, pic, edge);
    CopyPiece(c, Rect(0, 0, nLT.X, topH), pic, src(0, 0, LT.X, topH));
    CopyPiece(c, Rect(nRT.X, 0, W, topH), pic, src(RT.X, 0, w, topH));
  }

  // 2. Bottom strip: the last rows of R.
  const int bottomH = H - nCR.Bottom;
  if (MakeStrip(strips.Bottom, W > 0 && bottomH > 0 && RB.X > LB.X, W, bottomH)) {
    TCanvas& c = strips.Bottom.Canvas;
    const int y0 = R.Height() - bottomH;
    const TRect edge = src(LB.X, y0, RB.X, y0 + bottomH);
    if (stretch.Bottom) CopyPiece(c, Rect(nLB.X, 0, nRB.X, bottomH), pic, edge);
    else TileHorz(c, 0, W, 0, pic, edge);
    CopyPiece(c, Rect(0, 0, nLB.X, bottomH), pic, src(0, y0, LB.X, y0 + bottomH));
    CopyPiece(c, Rect(nRB.X, 0, W, bottomH), pic, src(RB.X, y0, w, y0 + bottomH));
  }

  // 3./4. Side strips, as high as the space between the top and bottom bands: the edge
  // stretched between the side's corner pieces or tiled from the top, then the two pieces.
  const int sideH = H - topH - bottomH;
  auto side = [&](TBitmap& strip, int x0, int x1, int width, int edgeTop, int edgeBottom, bool stretched) {
    if (!MakeStrip(strip, width > 0 && sideH > 0 && edgeBottom > edgeTop, width, sideH)) return;
    TCanvas& c = strip.Canvas;
    const TRect edge = src(x0, edgeTop, x1, edgeBottom);
    if (stretched) CopyPiece(c, Rect(0, edgeTop - CR.Top, width, sideH + edgeBottom - CR.Bottom), pic, edge);
    else TileVert(c, 0, sideH, 0, pic, edge);
    CopyPiece(c, Rect(0, 0, width, edgeTop - CR.Top), pic, src(x0, CR.Top, x1, edgeTop));
    CopyPiece(c, Rect(0, sideH - (CR.Bottom - edgeBottom), width, sideH), pic, src(x0, edgeBottom, x1, CR.Bottom));
  };
  side(strips.Left, 0, CR.Left, nCR.Left, LT.Y, LB.Y, stretch.Left);
  side(strips.Right, CR.Right, w, W - nCR.Right, RT.Y, RB.Y, stretch.Right);
}

void DrawFrameStrips(TCanvas& canvas, const TBorderStrips& strips, const NinePartSkin& sized, int W, int H) {
  const int top = sized.CR.Top;
  if (!strips.Top.Empty()) canvas.Draw(0, 0, strips.Top);
  if (!strips.Left.Empty()) canvas.Draw(0, top, strips.Left);
  if (!strips.Right.Empty()) canvas.Draw(W - strips.Right.Width(), top, strips.Right);
  if (!strips.Bottom.Empty()) canvas.Draw(0, H - strips.Bottom.Height(), strips.Bottom);
}
