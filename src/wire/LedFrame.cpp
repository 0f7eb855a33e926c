// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "wire/LedFrame.h"

TBitmap CreateLedFrame() {
  TBitmap frame(kLedWidth, kLedHeight);
  frame.Canvas.Brush.Color = clBlack;
  frame.Canvas.Pen.Color = clBlack;
  frame.Canvas.Font.Color = RGBColor(255, 0, 0);
  frame.Canvas.Font.Height = 16;
  return frame;
}

void PrepareFrame(TBitmap& frame, const TFont& captionFont) {
  frame.Canvas.Font = captionFont;
  frame.Canvas.Font.Color = RGBColor(255, 0, 0);
  frame.Canvas.Font.Quality = TFontQuality::fqNonAntialiased;
}

void ClearFrame(TBitmap& frame) {
  frame.Canvas.Brush.Color = clBlack;
  frame.Canvas.Brush.Style = TBrushStyle::bsSolid;
  frame.Canvas.Pen.Color = clBlack;
  frame.Canvas.Rectangle(0, 0, kLedWidth, kLedHeight);
}

TSize MeasureCaption(const TBitmap& frame, const QString& caption) { return frame.Canvas.TextExtent(caption); }

void DrawCentred(TBitmap& frame, const QString& caption) {
  const TSize extent = MeasureCaption(frame, caption);
  // A caption wider than the frame starts left of it: the division truncates toward zero.
  frame.Canvas.TextOut((kLedWidth - extent.cx) / 2, (kLedHeight - extent.cy) / 2, caption);
}

void DrawPage(TBitmap& frame, const QString& caption, int page) {
  ClearFrame(frame);
  const TSize extent = MeasureCaption(frame, caption);
  frame.Canvas.TextOut(-kLedWidth * page, (kLedHeight - extent.cy) / 2, caption);
}

int PageCount(int textWidth) {
  if (textWidth <= kLedWidth) return 1;
  return textWidth / kLedWidth + (textWidth % kLedWidth != 0 ? 1 : 0);
}

void RenderCentred(TBitmap& frame, const TFont& captionFont, const QString& caption) {
  PrepareFrame(frame, captionFont);
  ClearFrame(frame);
  DrawCentred(frame, caption);
}

bool PackFrame(const TBitmap& frame, ByteSink& sink) {
  const QImage& image = frame.Image();
  for (int y = 0; y < kLedHeight; ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int k = 0; k < kLedWidth / 8; ++k) {
      std::uint8_t byte = 0;
      for (int b = 0; b < 8; ++b)
        if (!IsLitPixel(row[8 * k + b])) byte |= std::uint8_t(1u << b);
      if (!sink.WriteByte(byte)) return false;
    }
  }
  return true;
}
