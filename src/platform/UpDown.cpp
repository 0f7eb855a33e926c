// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/UpDown.h"

#include <QToolButton>
#include <algorithm>
#include <QVBoxLayout>

TUpDown::TUpDown(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (QToolButton* button : {up_, down_}) {
    button->setArrowType(button == up_ ? Qt::UpArrow : Qt::DownArrow);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(button);
  }
  connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
  connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
}

void TUpDown::SetAssociate(QLineEdit* edit) {
  associate_ = edit;
  if (!edit) return;
  connect(edit, &QLineEdit::textEdited, this, &TUpDown::TypedText);
  // Text that names no position in range gives way to the position when editing ends.
  connect(edit, &QLineEdit::editingFinished, this, &TUpDown::ShowPosition);
  ShowPosition();
}

void TUpDown::SetRange(int min, int max) {
  min_ = min;
  max_ = max;
}

void TUpDown::SetPosition(int position) {
  position_ = std::int16_t(position);
  ShowPosition();
}

void TUpDown::ShowPosition() {
  if (associate_) associate_->setText(QString::number(position_));
}

void TUpDown::Step(int delta) {
  const int next = std::clamp(position_ + delta, min_, max_);
  if (next == position_) return;
  SetPosition(next);
  emit positionChangedByUser(position_);
}

void TUpDown::TypedText(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  if (!ok || value < min_ || value > max_ || value == position_) return;
  position_ = std::int16_t(value);
  emit positionChangedByUser(position_);
}
