// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/HintWindow.h"

#include <QPainter>

#include "platform/Bitmap.h"
#include "platform/PopupToolWindow.h"

THintWindow::THintWindow() : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                                  Qt::WindowDoesNotAcceptFocus) {
  // Painted whole from an off-screen bitmap: no background erasing.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
}

TRect THintWindow::CalcHintRect(int maxWidth, const QString& text) {
  TBitmap scratch(1, 1);
  scratch.Canvas.Font = HintFont;
  TRect r{0, 0, maxWidth, 0};
  scratch.Canvas.DrawText(text, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  return {0, 0, r.Right + 6, r.Bottom + 2};
}

void THintWindow::ActivateHint(const TRect& rect, const QString& text) {
  caption_ = text;
  setGeometry(rect.ToQRect());
  AttachPopupToOwner(this, Owner());
  show();
  raise();
  update();
}

void THintWindow::Paint(TBitmap& target) {
  TCanvas& c = target.Canvas;
  c.Brush.Color = clInfoBk;
  c.Pen.Color = clBlack;
  c.Rectangle(0, 0, target.Width(), target.Height());
  c.Font = HintFont;
  c.Font.Color = clInfoText;
  c.Brush.Style = TBrushStyle::bsClear;
  TRect r{2, 2, target.Width() - 2, target.Height() - 2};
  c.DrawText(caption_, r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

void THintWindow::paintEvent(QPaintEvent*) {
  TBitmap off(width(), height());
  Paint(off);
  QPainter p(this);
  p.drawImage(0, 0, off.Image());
}
