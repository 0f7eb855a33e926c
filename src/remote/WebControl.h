// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// What a page's control message does to the console, as a function from the message to calls on
// a RemoteControl, so that it runs the same without a window or a socket (tests, fuzzing):
//   go     Enter in the play list (send the selected line, then select the next)
//   back   select the previous line, stopping at line 1; nothing is sent
//   blank  an empty caption in mode 0
// 1. Anything that is no control message is ignored and not answered.
// 2. A control message is refused (and answered so) when the console offers no control, when
//    its key is not the console's, or when it is a go within 250 ms of the previous remote go.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "console/RemoteControl.h"
#include "remote/GoGuard.h"

enum class WebControlOutcome { Done, Refused, Ignored };

struct WebControlResult {
  WebControlOutcome outcome = WebControlOutcome::Ignored;
  QByteArray answer;  // to the sender when refused
};

class WebControl {
 public:
  // `key` empty: the console offers no control.
  WebControl(RemoteControl& target, GoGuard& goGuard, const QString& key)
      : target_(target), goGuard_(goGuard), key_(key.toLatin1()) {}

  // One message from `source` (for the send log) arriving at `arrivalMs` (milliseconds since
  // the epoch, the clock of the other remote inputs).
  WebControlResult Handle(QByteArrayView message, qint64 arrivalMs, const QString& source);
  bool Offered() const { return !key_.isEmpty(); }

 private:
  bool KeyMatches(const QString& key) const;

  RemoteControl& target_;
  GoGuard& goGuard_;
  QByteArray key_;
};
