// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The tiling rule shared by every skinned surface, and the copies built on it. Tiles are
// copied 1:1, never scaled: the last tile is cut at the end of the span, and its source is cut
// by the same amount at its far end.
#include <QImage>
#include <vector>

#include "platform/Types.h"

class TCanvas;

struct TTilePiece {
  int Start = 0;   // destination position along the span
  int Length = 0;  // how much of the source is copied, from its start
  friend bool operator==(const TTilePiece&, const TTilePiece&) = default;
};

// Tiles of a source span of length s over the destination span [a, b): tile k (k = 0 .. n,
// n = (b − a) div s) starts at a + k·s, the last one shortened by its overshoot. A span that
// divides exactly ends with a zero-length tile. Nothing when b < a or s < 1 (a span of 0 is
// never divided by).
std::vector<TTilePiece> TileSpan(int a, int b, int s);

TRect OffsetRect(const TRect& r, int dx, int dy);

// Copies a picture rectangle to a destination rectangle: 1:1 when the sizes match, otherwise
// stretched. An empty or inverted destination draws nothing.
void CopyPiece(TCanvas& target, const TRect& dest, const QImage& picture, const TRect& source);

// Tiles `source` along x over [a, b) at row `top` (height of the source).
void TileHorz(TCanvas& target, int a, int b, int top, const QImage& picture, const TRect& source);
// Tiles `source` along y over [a, b) at column `left` (width of the source).
void TileVert(TCanvas& target, int a, int b, int left, const QImage& picture, const TRect& source);
// Tiles `source` in both directions over `dest`, starting at its top-left corner; the
// horizontal and the vertical overshoot are cut independently.
void TileBoth(TCanvas& target, const TRect& dest, const QImage& picture, const TRect& source);
