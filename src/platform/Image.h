// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// An image control: shows its picture at the top-left corner, or stretched over the control.
// Drawing on its canvas draws into the picture, which is created at the control's size.
#include <QWidget>

#include "platform/Bitmap.h"

class TImage : public QWidget {
  Q_OBJECT
 public:
  explicit TImage(QWidget* parent);

  TBitmap& Picture() { return picture_; }
  const TBitmap& Picture() const { return picture_; }
  void SetPicture(const QImage& image);
  // The picture's canvas; call Changed() after drawing so the control shows it.
  TCanvas& Canvas();
  void Changed() { update(); }
  void SetStretch(bool stretch);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TBitmap picture_;
  bool stretch_ = false;
};
