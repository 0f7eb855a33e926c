// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/ImageList.h"

#include <QPainter>

#include "platform/Canvas.h"

int TCustomImageList::AddMasked(const QImage& image, TColor transparent) {
  QImage copy = image.convertToFormat(QImage::Format_ARGB32);
  if (copy.width() != width_ || copy.height() != height_) copy = copy.scaled(width_, height_);
  if (transparent != clNone) {
    const QRgb key = ToQColor(transparent).rgb() & 0xFFFFFF;
    for (int y = 0; y < copy.height(); ++y) {
      QRgb* row = reinterpret_cast<QRgb*>(copy.scanLine(y));
      for (int x = 0; x < copy.width(); ++x)
        if ((row[x] & 0xFFFFFF) == key) row[x] = 0;
    }
  }
  images_.push_back(copy);
  return Count() - 1;
}

namespace {
// The disabled look: the image's dark opaque pixels as one flat colour.
QImage Silhouette(const QImage& image, const QColor& colour) {
  QImage out(image.size(), QImage::Format_ARGB32);
  out.fill(Qt::transparent);
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    QRgb* o = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(in[x]) != 0 && qGray(in[x]) < 192) o[x] = colour.rgba();
  }
  return out;
}

void Blend(TCanvas& canvas, int x, int y, const QImage& image) {
  QImage* target = canvas.Target();
  if (!target || target->isNull()) return;
  QPainter p(target);
  if (canvas.HasClip()) p.setClipRegion(canvas.ClipRegion());
  p.drawImage(QPoint(x, y), image);
}
}  // namespace

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
  if (index < 0 || index >= Count()) return;
  const QImage& image = images_[std::size_t(index)];
  if (enabled) {
    Blend(canvas, x, y, image);
    return;
  }
  Blend(canvas, x + 1, y + 1, Silhouette(image, ToQColor(clBtnHighlight)));
  Blend(canvas, x, y, Silhouette(image, ToQColor(clBtnShadow)));
}
