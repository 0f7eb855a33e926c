// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// An off-screen 32-bit bitmap with its canvas.
#include <QImage>

#include "platform/Canvas.h"

class TBitmap {
 public:
  TBitmap() : Canvas(&image_) {}
  TBitmap(int width, int height) : Canvas(&image_) { SetSize(width, height); }
  explicit TBitmap(const QImage& image) : Canvas(&image_) { Assign(image); }
  TBitmap(const TBitmap& other) : Canvas(&image_) { Assign(other.image_); }
  TBitmap& operator=(const TBitmap& other) {
    if (this != &other) Assign(other.image_);
    return *this;
  }

  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }
  bool Empty() const { return image_.isNull() || image_.width() == 0 || image_.height() == 0; }
  // New pixels are white, as a fresh platform bitmap is.
  void SetSize(int width, int height);
  void Assign(const QImage& image);

  const QImage& Image() const { return image_; }
  QImage& Image() { return image_; }

 private:
  QImage image_;

 public:
  TCanvas Canvas;
};
