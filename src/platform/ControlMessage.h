// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Messages to a control, delivered at once as a form's Perform delivers them to the form: the
// control sees a TMessageEvent in its event handler and may set the message's Result.
#include <QEvent>

#include "platform/Messages.h"

class QObject;

class TMessageEvent : public QEvent {
 public:
  explicit TMessageEvent(const TMessage& message) : QEvent(Type()), Message(message) {}
  // The event type every control message travels as.
  static QEvent::Type Type();
  TMessage Message;
};

// Sends the message to the control and returns its result; 0 for no control.
LRESULT SendControlMessage(QObject* control, unsigned msg, WPARAM wParam = 0, LPARAM lParam = 0);
