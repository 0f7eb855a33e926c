// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// One page of the sign: a 192 x 16 bitmap into which a caption is drawn in pure red on black,
// and the rule that packs it to one bit per pixel.
#include <QString>
#include <cstdint>

#include "platform/Bitmap.h"

constexpr int kLedWidth = 192;
constexpr int kLedHeight = 16;
constexpr int kPackedFrameSize = kLedWidth / 8 * kLedHeight;  // 384

// Receives the bytes of a send one at a time; false stops the send (the device failed).
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  virtual bool WriteByte(std::uint8_t byte) = 0;
};

// The LED frame bitmap as the console creates it: black brush and pen, red 16-pixel font.
TBitmap CreateLedFrame();

// Caption font on the canvas, drawn in pure red whatever colour the font carries, and without
// smoothing so that the sign gets the exact glyph shapes.
void PrepareFrame(TBitmap& frame, const TFont& captionFont);
void ClearFrame(TBitmap& frame);
// Width W and cell height H of the caption in the canvas font.
TSize MeasureCaption(const TBitmap& frame, const QString& caption);
void DrawCentred(TBitmap& frame, const QString& caption);
// Page i of the scrolling mode: text pixels 192*i .. 192*i+191, left-aligned, vertically centred.
void DrawPage(TBitmap& frame, const QString& caption, int page);
int PageCount(int textWidth);

// Prepare, clear, measure and draw the caption centred: the picture the preview shows.
void RenderCentred(TBitmap& frame, const TFont& captionFont, const QString& caption);

// A pixel of the frame is a lit dot when it holds any red: the caption is drawn in pure red on black.
constexpr bool IsLitPixel(QRgb pixel) { return qRed(pixel) != 0; }

// Packs the frame (unlit -> 1 bit, lit -> 0 bit; bit 0 is the leftmost pixel of each group
// of eight) and hands each byte to the sink as soon as it is complete.
bool PackFrame(const TBitmap& frame, ByteSink& sink);
