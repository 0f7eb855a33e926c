// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// What a page's control message does to the console, as a function from the message to calls on
// a RemoteControl, so that it runs the same without a window or a socket (tests, fuzzing):
//   go     send the playhead's line in its programmed mode (as an OSC go)
//   back   move the playhead to the line before it, stopping at line 1, and select it
//   blank  an empty caption in mode 0
// 1. Anything that is no control message is ignored and not answered.
// 2. A control message is refused (and answered so), in this order: when the console offers no
//    control, when the page's address is not one that may control (the audience's network never
//    controls, key or not), when too many of the page's controls still wait for the console, when
//    its key is not the console's, or when the console refuses it (a go within 250 ms of another
//    remote go, a line with no mode, a packet of more than 255 pages).
// Rules 1 and 2 up to the key need no console: the server decides them where the message arrives.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

#include "console/RemoteControl.h"
#include "remote/WebMessages.h"

enum class WebControlOutcome { Done, Refused, Ignored };

struct WebControlResult {
  WebControlOutcome outcome = WebControlOutcome::Ignored;
  QByteArray answer;  // to the sender when refused
};

// The page a message came from, as the server knows it.
struct WebSender {
  bool listed = true;       // its address may control
  bool backlogged = false;  // too many of its controls still wait for the console
};

// The result of a message (read by ReadWebControlMessage) that the console need not see, or
// nullopt when it must decide.
std::optional<WebControlResult> WebControlDecidedAtOnce(const std::optional<WebControlMessage>& control,
                                                        bool offered, WebSender sender);

class WebControl {
 public:
  // `target`: the console behind the remote inputs' one GO guard; `key` empty: the console
  // offers no control.
  WebControl(RemoteControl& target, const QString& key) : target_(target), key_(key.toLatin1()) {}

  // One message from a page that may control (`source` for the send log) whose bytes arrived at
  // `arrival`.
  WebControlResult Handle(QByteArrayView message, RemoteClock::time_point arrival, const QString& source);
  bool Offered() const { return !key_.isEmpty(); }

 private:
  bool KeyMatches(const QString& key) const;

  RemoteControl& target_;
  QByteArray key_;
};
