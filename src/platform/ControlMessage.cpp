// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/ControlMessage.h"

#include <QCoreApplication>

QEvent::Type TMessageEvent::Type() {
  static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
  return type;
}

LRESULT SendControlMessage(QObject* control, unsigned msg, WPARAM wParam, LPARAM lParam) {
  if (!control) return 0;
  TMessageEvent event(TMessage{msg, wParam, lParam, 0});
  QCoreApplication::sendEvent(control, &event);
  return event.Message.Result;
}
