// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "support/ModalDriver.h"

#include <QApplication>

namespace {
constexpr int kPollMs = 10;
constexpr int kMaxPolls = 1000;  // ten seconds: a dialog that never opens must not hang the test
}  // namespace

ModalDriver::ModalDriver(std::function<void(QWidget*)> act) : act_(std::move(act)) {
  poll_.setInterval(kPollMs);
  QObject::connect(&poll_, &QTimer::timeout, [this] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog || !matches_(dialog)) {
      if (++polls_ >= kMaxPolls) poll_.stop();
      return;
    }
    poll_.stop();
    ran_ = true;
    const QPointer<QWidget> open = dialog;
    act_(dialog);
    if (open && open->isVisible()) open->close();
  });
  poll_.start();
}

ModalDriver::~ModalDriver() { poll_.stop(); }

bool ShownInside(const QWidget* widget, const QWidget* dialog) {
  return widget && widget->isVisible() && widget->width() > 0 && widget->height() > 0 &&
         widget->window() == dialog;
}
