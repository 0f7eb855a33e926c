// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/controls/PixelBuffer24.h"

#include <algorithm>
#include <cstring>

#include "platform/Bitmap.h"

TPixelBuffer24::TPixelBuffer24(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      rowBytes_(RowBytesFor(width_)),
      bits_(std::size_t(rowBytes_) * std::size_t(height_), 0) {}

TPixelBuffer24::TPixelBuffer24(const QImage& image) : TPixelBuffer24(image.width(), image.height()) {
  if (image.isNull()) return;
  const QImage source = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
                            ? image
                            : image.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < height_; ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    std::uint8_t* out = Row(y);
    for (int x = 0; x < width_; ++x, out += 3) {
      out[0] = std::uint8_t(qBlue(in[x]));
      out[1] = std::uint8_t(qGreen(in[x]));
      out[2] = std::uint8_t(qRed(in[x]));
    }
  }
}

TPixelBuffer24::TPixelBuffer24(const TBitmap& bitmap) : TPixelBuffer24(bitmap.Image()) {}

TColor TPixelBuffer24::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return clBlack;
  const std::uint8_t* p = Row(y) + 3 * x;
  return RGBColor(p[2], p[1], p[0]);
}

void TPixelBuffer24::SetPixel(int x, int y, TColor color) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  std::uint8_t* p = Row(y) + 3 * x;
  p[0] = std::uint8_t(GetBValue(color));
  p[1] = std::uint8_t(GetGValue(color));
  p[2] = std::uint8_t(GetRValue(color));
}

void TPixelBuffer24::GetRow(int y, std::uint8_t* out) const { std::memcpy(out, Row(y), std::size_t(3 * width_)); }

void TPixelBuffer24::PutRow(int y, const std::uint8_t* in) { std::memcpy(Row(y), in, std::size_t(3 * width_)); }

QImage TPixelBuffer24::ToImage() const {
  QImage image(width_, height_, QImage::Format_RGB32);
  for (int y = 0; y < height_; ++y) {
    const std::uint8_t* in = Row(y);
    QRgb* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width_; ++x, in += 3) out[x] = qRgb(in[2], in[1], in[0]);
  }
  return image;
}
