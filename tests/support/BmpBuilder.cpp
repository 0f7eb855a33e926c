// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "BmpBuilder.h"

#include <cstdint>

namespace {

int ColourCount(const BmpTestImage& image) { return image.bits <= 8 ? 1 << image.bits : 0; }

// Palette index of a pixel of an indexed image; pairs of equal pixels make runs for RLE.
int PixelIndex(const BmpTestImage& image, int x, int y) { return (x / 2 + y * 3) % ColourCount(image); }

QRgb PaletteColour(int index) { return qRgb(index * 37 & 255, index * 91 & 255, 255 - (index * 17 & 255)); }

void Put16(QByteArray& out, int value) {
  out += char(value & 255);
  out += char(value >> 8 & 255);
}
void Put32(QByteArray& out, std::uint32_t value) {
  Put16(out, int(value & 0xFFFF));
  Put16(out, int(value >> 16));
}
void PutBgr(QByteArray& out, QRgb colour) {
  out += char(qBlue(colour));
  out += char(qGreen(colour));
  out += char(qRed(colour));
}

QByteArray PlainRow(const BmpTestImage& image, int y) {
  QByteArray row;
  if (image.bits >= 24) {
    for (int x = 0; x < image.width; ++x) {
      PutBgr(row, BmpTestPixel(image, x, y));
      if (image.bits == 32) row += char(0);
    }
  } else {
    const int perByte = 8 / image.bits;
    for (int x = 0; x < image.width; x += perByte) {
      int byte = 0;
      for (int k = 0; k < perByte; ++k) {
        const int index = x + k < image.width ? PixelIndex(image, x + k, y) : 0;
        byte |= index << (8 - image.bits * (k + 1));
      }
      row += char(byte);
    }
  }
  while (row.size() % 4 != 0) row += char(0);
  return row;
}

// Encoded runs of equal pixels (count, index) per row, then end of line; end of picture last.
QByteArray RunLengthRow(const BmpTestImage& image, int y) {
  QByteArray row;
  for (int x = 0; x < image.width;) {
    const int index = PixelIndex(image, x, y);
    int run = 1;
    while (x + run < image.width && run < 255 && PixelIndex(image, x + run, y) == index) ++run;
    row += char(run);
    row += char(image.bits == 4 ? (index << 4 | index) : index);
    x += run;
  }
  row += char(0);
  row += char(0);
  return row;
}

}  // namespace

QRgb BmpTestPixel(const BmpTestImage& image, int x, int y) {
  if (image.bits <= 8) return PaletteColour(PixelIndex(image, x, y));
  return qRgb(x * 13 & 255, y * 29 & 255, (x + y) * 7 & 255);
}

QByteArray MakeBmp(const BmpTestImage& image) {
  QByteArray pixels;
  for (int y = image.height - 1; y >= 0; --y)
    pixels += image.runLengthEncoded ? RunLengthRow(image, y) : PlainRow(image, y);
  if (image.runLengthEncoded) {
    pixels.chop(2);
    pixels += QByteArray("\0\1", 2);
  }
  QByteArray palette;
  for (int i = 0; i < ColourCount(image); ++i) {
    PutBgr(palette, PaletteColour(i));
    palette += char(0);
  }
  const int compression = !image.runLengthEncoded ? 0 : image.bits == 8 ? 1 : 2;
  const std::uint32_t offset = 14 + 40 + std::uint32_t(palette.size());

  QByteArray bmp("BM");
  Put32(bmp, offset + std::uint32_t(pixels.size()));
  Put32(bmp, 0);
  Put32(bmp, offset);
  Put32(bmp, 40);
  Put32(bmp, std::uint32_t(image.width));
  Put32(bmp, std::uint32_t(image.height));
  Put16(bmp, 1);
  Put16(bmp, image.bits);
  Put32(bmp, std::uint32_t(compression));
  Put32(bmp, std::uint32_t(pixels.size()));
  Put32(bmp, 2835);
  Put32(bmp, 2835);
  Put32(bmp, std::uint32_t(ColourCount(image)));
  Put32(bmp, 0);
  return bmp + palette + pixels;
}

bool MatchesBmpTestImage(const QImage& decoded, const BmpTestImage& image) {
  if (decoded.width() != image.width || decoded.height() != image.height) return false;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      if ((decoded.pixel(x, y) & 0xFFFFFF) != (BmpTestPixel(image, x, y) & 0xFFFFFF)) return false;
  return true;
}
