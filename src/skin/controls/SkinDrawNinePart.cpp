// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/controls/SkinDrawNinePart.h"

#include "platform/Bitmap.h"
#include "skin/controls/SkinDrawTiling.h"

NinePartSkin ResizeLayout(const NinePartSkin& skin, int w, int h, int W, int H) {
  const int dW = W - w;
  const int dH = H - h;
  return {skin.LT,
          {skin.RT.X + dW, skin.RT.Y},
          {skin.LB.X, skin.LB.Y + dH},
          {skin.RB.X + dW, skin.RB.Y + dH},
          {skin.CR.Left, skin.CR.Top, skin.CR.Right + dW, skin.CR.Bottom + dH}};
}

void DrawNinePartSkin(const NinePartSkin& skin, const NinePartSkin& sized, TBitmap& target, const TBitmap& picture,
                      const TRect& R, int W, int H, bool drawClient, TEdgeStretch stretch, bool stretchEffect) {
  // 1. Size the target; a degenerate scheme or no picture leaves it unpainted.
  target.SetSize(W, H);
  const TPoint &LT = skin.LT, &RT = skin.RT, &LB = skin.LB, &RB = skin.RB;
  const TRect& CR = skin.CR;
  if (RB.X == LT.X || RB.Y == LT.Y || picture.Empty()) return;
  const int w = R.Width(), h = R.Height();
  const TPoint &nLT = sized.LT, &nRT = sized.RT, &nLB = sized.LB, &nRB = sized.RB;
  const TRect& nCR = sized.CR;
  const QImage& pic = picture.Image();
  TCanvas& canvas = target.Canvas;
  // Pieces are given relative to R; this moves them into picture coordinates.
  auto src = [&R](int l, int t, int r, int b) { return OffsetRect(Rect(l, t, r, b), R.Left, R.Top); };

  // 2.-5. The four edges, stretched or tiled.
  const TRect top = src(LT.X, 0, RT.X, CR.Top);
  if (stretch.Top) CopyPiece(canvas, Rect(nLT.X, 0, nRT.X, nCR.Top), pic, top);
  else TileHorz(canvas, nLT.X, nRT.X, 0, pic, top);
  const TRect bottom = src(LB.X, CR.Bottom, RB.X, h);
  if (stretch.Bottom) CopyPiece(canvas, Rect(nLB.X, nCR.Bottom, nRB.X, H), pic, bottom);
  else TileHorz(canvas, nLB.X, nRB.X, nCR.Bottom, pic, bottom);
  const TRect left = src(0, LT.Y, CR.Left, LB.Y);
  if (stretch.Left) CopyPiece(canvas, Rect(0, nLT.Y, nCR.Left, nLB.Y), pic, left);
  else TileVert(canvas, nLT.Y, nLB.Y, 0, pic, left);
  const TRect right = src(CR.Right, RT.Y, w, RB.Y);
  if (stretch.Right) CopyPiece(canvas, Rect(nCR.Right, nRT.Y, W, nRB.Y), pic, right);
  else TileVert(canvas, nRT.Y, nRB.Y, nCR.Right, pic, right);

  // 6. The eight corner pieces, 1:1, over any edge tile that ran past them.
  CopyPiece(canvas, Rect(0, 0, nLT.X, nCR.Top), pic, src(0, 0, LT.X, CR.Top));
  CopyPiece(canvas, Rect(0, nCR.Top, nCR.Left, nLT.Y), pic, src(0, CR.Top, CR.Left, LT.Y));
  CopyPiece(canvas, Rect(nRT.X, 0, W, nCR.Top), pic, src(RT.X, 0, w, CR.Top));
  CopyPiece(canvas, Rect(nCR.Right, nCR.Top, W, nRT.Y), pic, src(CR.Right, CR.Top, w, RT.Y));
  CopyPiece(canvas, Rect(0, nLB.Y, nCR.Left, H), pic, src(0, LB.Y, CR.Left, h));
  CopyPiece(canvas, Rect(nCR.Left, nCR.Bottom, nLB.X, H), pic, src(CR.Left, CR.Bottom, LB.X, h));
  CopyPiece(canvas, Rect(nRB.X, nCR.Bottom, W, H), pic, src(RB.X, CR.Bottom, w, h));
  CopyPiece(canvas, Rect(nCR.Right, nRB.Y, W, nCR.Bottom), pic, src(CR.Right, RB.Y, w, CR.Bottom));

  // 7. The client area.
  if (!drawClient) return;
  const TRect client = src(CR.Left, CR.Top, CR.Right, CR.Bottom);
  if (stretchEffect) CopyPiece(canvas, nCR, pic, client);
  else TileBoth(canvas, nCR, pic, client);
}

void DrawNinePartSkin(const NinePartSkin& skin, const NinePartSkin& sized, TBitmap& target, const TBitmap& picture,
                      const TRect& R, int W, int H, bool drawClient, TEdgeStretch stretch) {
  DrawNinePartSkin(skin, sized, target, picture, R, W, H, drawClient, stretch, false);
}

void DrawSkinRectResized(TBitmap& target, const TBitmap& picture, const TRect& S, const TRect& CR, bool drawClient) {
  const int W = target.Width(), H = target.Height();
  const NinePartSkin skin{{CR.Left, CR.Top}, {CR.Right, CR.Top}, {CR.Left, CR.Bottom}, {CR.Right, CR.Bottom}, CR};
  const TRect nCR{CR.Left, CR.Top, CR.Right + W - S.Width(), CR.Bottom + H - S.Height()};
  const NinePartSkin sized{{nCR.Left, nCR.Top}, {nCR.Right, nCR.Top}, {nCR.Left, nCR.Bottom}, {nCR.Right, nCR.Bottom}, nCR};
  DrawNinePartSkin(skin, sized, target, picture, S, W, H, drawClient, {true, true, true, true}, true);
}
