// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/controls/SkinDrawThreePart.h"

#include "platform/Bitmap.h"
#include "skin/controls/SkinDrawTiling.h"

void DrawHorzThreePartSkin(int L, int Rw, TBitmap& target, bool stretch, int W, const TRect& S,
                           const TBitmap& picture) {
  const int height = S.Height();
  target.SetSize(W, height);
  const QImage& pic = picture.Image();
  TCanvas& canvas = target.Canvas;
  if (L > 0) CopyPiece(canvas, Rect(0, 0, L, height), pic, Rect(S.Left, S.Top, S.Left + L, S.Bottom));
  if (Rw > 0) CopyPiece(canvas, Rect(W - Rw, 0, W, height), pic, Rect(S.Right - Rw, S.Top, S.Right, S.Bottom));
  const TRect middle{S.Left + L, S.Top, S.Right - Rw, S.Bottom};
  if (middle.Width() < 1) return;
  if (stretch) CopyPiece(canvas, Rect(L, 0, W - Rw, height), pic, middle);
  else TileHorz(canvas, L, W - Rw, 0, pic, middle);
}

void DrawVertThreePartSkin(int T, int Bh, TBitmap& target, bool stretch, int H, const TRect& S,
                           const TBitmap& picture) {
  const int width = S.Width();
  target.SetSize(width, H);
  const QImage& pic = picture.Image();
  TCanvas& canvas = target.Canvas;
  if (T > 0) CopyPiece(canvas, Rect(0, 0, width, T), pic, Rect(S.Left, S.Top, S.Right, S.Top + T));
  if (Bh > 0) CopyPiece(canvas, Rect(0, H - Bh, width, H), pic, Rect(S.Left, S.Bottom - Bh, S.Right, S.Bottom));
  const TRect middle{S.Left, S.Top + T, S.Right, S.Bottom - Bh};
  if (middle.Height() < 1) return;
  if (stretch) CopyPiece(canvas, Rect(0, T, width, H - Bh), pic, middle);
  else TileVert(canvas, T, H - Bh, 0, pic, middle);
}
