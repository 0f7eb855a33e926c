// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The cues that come over OSC and what each does to the console, as a function from a datagram to
// calls on a RemoteControl, so that it runs the same without a window or a socket (tests, fuzzing).
// Line numbers are 1-based, int32 or float (truncated; also int64 and double):
//   /lumetra/go        Enter in the play list: send the selected line, then select the next
//   /lumetra/goto i    select line i as the operator's click does; nothing is sent
//   /lumetra/next      select the next line, wrapping as Enter does; nothing is sent
//   /lumetra/prev      select the previous line, stopping at line 1; nothing is sent
//   /lumetra/send i    a double-click on line i: select it, then send it
//   /lumetra/blank     an empty caption in mode 0, selection and current values left alone
//   /lumetra/text s    s (UTF-8) as a caption in the current mode, not added to the lists
//   /lumetra/state     nothing
// 1. Anything else (unknown address, wrong argument types or count, a datagram that is no OSC
//    message) is ignored and not answered.
// 2. A line out of range, a text GB18030 cannot hold, and a go within 250 ms of the previous go
//    (a double trigger) are refused: nothing happens, but the sender is answered.
// 3. Every message not ignored is answered with /lumetra/state i s i: the selected line (0 when
//    none), its text and the number of lines.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

#include "console/RemoteControl.h"
#include "remote/GoGuard.h"

enum class OscOutcome { Done, Refused, Ignored };

class OscDispatcher {
 public:
  // `goGuard` is shared with the other remote inputs; without one the dispatcher keeps its own.
  explicit OscDispatcher(RemoteControl& target, GoGuard* goGuard = nullptr)
      : target_(target), goGuard_(goGuard != nullptr ? *goGuard : ownGuard_) {}
  // One datagram as it arrived at `arrivalMs` (milliseconds on one clock; a go stamped before
  // the previous one is no double trigger) from `source` (for the send log).
  OscOutcome Dispatch(QByteArrayView datagram, qint64 arrivalMs, const QString& source);
  RemoteControl& Target() const { return target_; }

 private:
  RemoteControl& target_;
  GoGuard ownGuard_;
  GoGuard& goGuard_;
};

// The answer to a message that was not ignored.
QByteArray OscStateReply(const RemoteState& state);
