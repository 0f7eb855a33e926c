// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "support/PointerEvents.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWidget>

void SendPointer(QWidget* window, QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons held,
                 quint64 time) {
  const QPoint local = global - window->geometry().topLeft();
  QCursor::setPos(global);
  QMouseEvent event(type, local, local, global, button, held, Qt::NoModifier);
  event.setTimestamp(time);
  QApplication::sendEvent(window, &event);
}
