// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The sign's face: 192 x 16 round LEDs, lit ones red, on black, as large as the widget allows
// at the matrix's own proportions.
#include <QPixmap>
#include <QWidget>

#include "wire/DisplayPacketDecoder.h"

class LedMatrixWidget : public QWidget {
 public:
  explicit LedMatrixWidget(QWidget* parent = nullptr);

  void SetFrame(const LedPage& frame);
  const LedPage& Frame() const { return frame_; }
  QSize sizeHint() const override;
  // The square each LED sits in, in widget pixels, and where the matrix begins.
  double Pitch() const;
  QPointF Origin() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QRectF Dot(int x, int y) const;

  LedPage frame_;
  QPixmap dark_;  // every LED unlit, drawn once per size
};
