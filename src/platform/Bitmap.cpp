// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/Bitmap.h"

void TBitmap::SetSize(int width, int height) {
  if (width == image_.width() && height == image_.height() && !image_.isNull()) return;
  QImage resized(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
  resized.fill(Qt::white);
  if (!image_.isNull()) {
    // Keep what was drawn, as resizing a platform bitmap does.
    for (int y = 0; y < std::min(height, image_.height()); ++y)
      std::copy_n(reinterpret_cast<const QRgb*>(image_.constScanLine(y)), std::min(width, image_.width()),
                  reinterpret_cast<QRgb*>(resized.scanLine(y)));
  }
  image_ = std::move(resized);
}

void TBitmap::Assign(const QImage& image) { image_ = image.convertToFormat(QImage::Format_RGB32); }
