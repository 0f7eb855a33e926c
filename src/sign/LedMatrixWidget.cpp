// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "sign/LedMatrixWidget.h"

#include <QPainter>
#include <algorithm>

#include "wire/DotColours.h"

namespace {

constexpr int kHintPitch = 5;
constexpr double kDotShare = 0.8;  // of the pitch; the rest is the black between the LEDs

}  // namespace

LedMatrixWidget::LedMatrixWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(kLedWidth, kLedHeight);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void LedMatrixWidget::SetFrame(const LedPage& frame) {
  if (frame == frame_) return;
  frame_ = frame;
  update();
}

QSize LedMatrixWidget::sizeHint() const { return {kLedWidth * kHintPitch, kLedHeight * kHintPitch}; }

double LedMatrixWidget::Pitch() const { return std::min(width() / double(kLedWidth), height() / double(kLedHeight)); }

QPointF LedMatrixWidget::Origin() const {
  return {(width() - Pitch() * kLedWidth) / 2, (height() - Pitch() * kLedHeight) / 2};
}

QRectF LedMatrixWidget::Dot(int x, int y) const {
  const double pitch = Pitch(), size = pitch * kDotShare;
  const QPointF origin = Origin();
  return {origin.x() + x * pitch + (pitch - size) / 2, origin.y() + y * pitch + (pitch - size) / 2, size, size};
}

void LedMatrixWidget::resizeEvent(QResizeEvent*) { dark_ = QPixmap(); }

void LedMatrixWidget::paintEvent(QPaintEvent*) {
  if (dark_.isNull()) {
    dark_ = QPixmap(size() * devicePixelRatioF());
    dark_.setDevicePixelRatio(devicePixelRatioF());
    dark_.fill(Qt::black);
    QPainter dark(&dark_);
    dark.setRenderHint(QPainter::Antialiasing);
    dark.setPen(Qt::NoPen);
    dark.setBrush(QColor(kUnlitDotColour));
    for (int y = 0; y < kLedHeight; ++y)
      for (int x = 0; x < kLedWidth; ++x) dark.drawEllipse(Dot(x, y));
  }
  QPainter painter(this);
  painter.drawPixmap(0, 0, dark_);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(kLitDotColour));
  for (int y = 0; y < kLedHeight; ++y)
    for (int x = 0; x < kLedWidth; ++x)
      if (frame_.IsLit(x, y)) painter.drawEllipse(Dot(x, y));
}
