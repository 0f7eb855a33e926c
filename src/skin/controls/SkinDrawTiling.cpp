// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/controls/SkinDrawTiling.h"

#include "platform/Canvas.h"

std::vector<TTilePiece> TileSpan(int a, int b, int s) {
  std::vector<TTilePiece> tiles;
  if (s < 1 || b < a) return tiles;
  const int n = (b - a) / s;
  tiles.reserve(std::size_t(n) + 1);
  for (int k = 0; k <= n; ++k) {
    const int start = a + k * s;
    const int overshoot = std::max(0, start + s - b);
    tiles.push_back({start, s - overshoot});
  }
  return tiles;
}

TRect OffsetRect(const TRect& r, int dx, int dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

void CopyPiece(TCanvas& target, const TRect& dest, const QImage& picture, const TRect& source) {
  if (dest.IsEmpty() || source.IsEmpty()) return;
  target.CopyRect(dest, picture, source);
}

void TileHorz(TCanvas& target, int a, int b, int top, const QImage& picture, const TRect& source) {
  const int h = source.Height();
  for (const TTilePiece& t : TileSpan(a, b, source.Width())) {
    CopyPiece(target, Bounds(t.Start, top, t.Length, h), picture,
              Rect(source.Left, source.Top, source.Left + t.Length, source.Bottom));
  }
}

void TileVert(TCanvas& target, int a, int b, int left, const QImage& picture, const TRect& source) {
  const int w = source.Width();
  for (const TTilePiece& t : TileSpan(a, b, source.Height())) {
    CopyPiece(target, Bounds(left, t.Start, w, t.Length), picture,
              Rect(source.Left, source.Top, source.Right, source.Top + t.Length));
  }
}

void TileBoth(TCanvas& target, const TRect& dest, const QImage& picture, const TRect& source) {
  const std::vector<TTilePiece> columns = TileSpan(dest.Left, dest.Right, source.Width());
  for (const TTilePiece& row : TileSpan(dest.Top, dest.Bottom, source.Height())) {
    for (const TTilePiece& column : columns) {
      CopyPiece(target, Bounds(column.Start, row.Start, column.Length, row.Length), picture,
                Bounds(source.Left, source.Top, column.Length, row.Length));
    }
  }
}
