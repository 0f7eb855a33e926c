// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A list of equally sized images drawn transparently, as the platform's image lists are.
#include <QImage>
#include <vector>

#include "platform/Color.h"

class TCanvas;

class TCustomImageList {
 public:
  TCustomImageList(int width = 16, int height = 16) : width_(width), height_(height) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const { return int(images_.size()); }

  // Adds an image (scaled to the list's size when it differs); pixels of `transparent` (or,
  // with clNone, fully transparent pixels) are left out when drawing. Returns its index.
  int AddMasked(const QImage& image, TColor transparent);

  // Draws image `index` at (x, y); disabled images are drawn in the embossed grey look (button
  // highlight one pixel down-right, button shadow on top). An index outside the list draws
  // nothing.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;

 private:
  int width_;
  int height_;
  std::vector<QImage> images_;  // ARGB32, alpha 0 where transparent
};
