// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Pictures for pixel tests: every pixel of a "coded" picture has its own colour, so a copied
// pixel tells where it came from.
#include <QImage>

#include "platform/Bitmap.h"
#include "platform/Types.h"

// Colour of source pixel (x, y): red = x, green = y, blue = a tag (to tell pictures apart).
inline QRgb Code(int x, int y, int tag = 7) { return qRgb(x & 0xFF, y & 0xFF, tag); }

inline TBitmap CodedPicture(int width, int height, int tag = 7) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, Code(x, y, tag));
  return TBitmap(image);
}

inline TBitmap FilledPicture(int width, int height, QRgb colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return TBitmap(image);
}

inline QRgb At(const TBitmap& bitmap, int x, int y) { return bitmap.Image().pixel(x, y) | 0xFF000000u; }

// The source position a coded pixel came from, as (x, y).
inline TPoint From(const TBitmap& bitmap, int x, int y) {
  const QRgb p = At(bitmap, x, y);
  return {qRed(p), qGreen(p)};
}
