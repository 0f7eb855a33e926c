// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "console/ConsoleLook.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

TFont ConsoleWindowFont() { return ConsoleFont(-16, clWindowText); }

void SetControlFont(QWidget* control, const TFont& font) {
  control->setFont(font.ToQFont());
  QPalette palette = control->palette();
  palette.setColor(QPalette::WindowText, ToQColor(font.Color));
  palette.setColor(QPalette::Text, ToQColor(font.Color));
  palette.setColor(QPalette::ButtonText, ToQColor(font.Color));
  control->setPalette(palette);
}

void SetTextColours(QWidget* control, TColor background, TColor text) {
  QPalette palette = control->palette();
  palette.setColor(QPalette::Base, ToQColor(background));
  palette.setColor(QPalette::Text, ToQColor(text));
  control->setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const TRect& bounds, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(bounds.ToQRect());
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QGroupBox* MakeGroupBox(QWidget* parent, const TRect& bounds) {
  auto* box = new QGroupBox(parent);
  box->setGeometry(bounds.ToQRect());
  return box;
}

QPushButton* MakeCommandButton(QWidget* parent, const TRect& bounds, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(bounds.ToQRect());
  button->setAutoDefault(false);
  return button;
}

QImage ConsoleBadge() {
  QImage image(32, 32, QImage::Format_RGB32);
  image.fill(QColor(192, 220, 192));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(60, 60, 60), 1.5));
  p.setBrush(QColor(20, 20, 20));
  p.drawRoundedRect(QRectF(2.5, 9.5, 27, 13), 2.5, 2.5);
  p.setPen(Qt::NoPen);
  // A row of lit pixels: the caption on the sign.
  for (int x = 0; x < 8; ++x) {
    p.setBrush(x % 3 == 2 ? QColor(110, 20, 20) : QColor(255, 40, 30));
    p.drawEllipse(QPointF(6 + x * 2.9, 16), 1.1, 1.1);
  }
  p.setBrush(QColor(90, 90, 90));
  p.drawRect(QRectF(14, 22.5, 4, 6));
  p.drawRect(QRectF(9, 28, 14, 2));
  return image;
}
