// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A top-down 24-bit pixel buffer: bytes in blue, green, red order, each row padded to a multiple
// of four bytes (3·W + W mod 4). The common body of TFBitmap (mask scanning) and TEffectBmp
// (picture effects).
#include <QImage>
#include <cstdint>
#include <vector>

#include "platform/Color.h"

class TBitmap;

class TPixelBuffer24 {
 public:
  TPixelBuffer24() = default;
  TPixelBuffer24(int width, int height);  // black
  explicit TPixelBuffer24(const QImage& image);
  explicit TPixelBuffer24(const TBitmap& bitmap);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int RowBytes() const { return rowBytes_; }
  bool SameSize(const TPixelBuffer24& other) const { return width_ == other.width_ && height_ == other.height_; }

  std::uint8_t* Row(int y) { return bits_.data() + std::size_t(y) * std::size_t(rowBytes_); }
  const std::uint8_t* Row(int y) const { return bits_.data() + std::size_t(y) * std::size_t(rowBytes_); }

  // Colour at (x, y) as 0x00BBGGRR; out-of-range positions read as black and are not written.
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);
  // Copies row y out into (or in from) a buffer of 3·Width bytes.
  void GetRow(int y, std::uint8_t* out) const;
  void PutRow(int y, const std::uint8_t* in);

  QImage ToImage() const;

  static int RowBytesFor(int width) { return 3 * width + width % 4; }

 private:
  int width_ = 0;
  int height_ = 0;
  int rowBytes_ = 0;
  std::vector<std::uint8_t> bits_;
};
