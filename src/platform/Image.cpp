// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/Image.h"

#include <QPainter>

TImage::TImage(QWidget* parent) : QWidget(parent) {}

void TImage::SetPicture(const QImage& image) {
  picture_.Assign(image);
  update();
}

TCanvas& TImage::Canvas() {
  if (picture_.Empty()) picture_.SetSize(width(), height());
  return picture_.Canvas;
}

void TImage::SetStretch(bool stretch) {
  stretch_ = stretch;
  update();
}

void TImage::paintEvent(QPaintEvent*) {
  if (picture_.Empty()) return;
  QPainter painter(this);
  if (stretch_) painter.drawImage(rect(), picture_.Image());
  else painter.drawImage(QPoint(0, 0), picture_.Image());
}
