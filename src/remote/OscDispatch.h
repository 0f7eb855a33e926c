// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The cues that come over OSC and what each does to the console, as a function from a datagram to
// calls on a RemoteControl and the answers for its sender, so that it runs the same without a
// window or a socket (tests, fuzzing). Line numbers and modes are int32 or float (truncated; also
// int64 and double); lines count from 1:
//   /lumetra/go        send the playhead's line in its programmed mode; the playhead moves on
//   /lumetra/goto i    move the playhead to line i and select it as the operator's click does
//   /lumetra/next      the same with the line after the playhead's, wrapping as Enter does
//   /lumetra/prev      the same with the line before it, stopping at line 1
//   /lumetra/send i    a double-click on line i: select it, then send it
//   /lumetra/blank     an empty caption in mode 0, selection and current values left alone
//   /lumetra/text s    s (UTF-8) as a caption in mode 0, not added to the lists
//   /lumetra/text s i  the same in mode i (0..19)
//   /lumetra/state     nothing; answered /lumetra/signs i (the signs a send drives), then the state
// 1. A datagram that is no OSC message, or whose address does not begin with /lumetra/, is
//    ignored and not answered.
// 2. Refused, nothing done, answered /lumetra/refused s s (the address, the reason in English):
//    an unknown /lumetra/ address, arguments of the wrong type or count, a line out of range, a
//    mode out of range, a text GB18030 cannot hold, and whatever the console refuses (a go within
//    250 ms of another, a line with no mode, a packet of more than 255 pages, a text that would
//    hold the line for more than 10 s).
// 3. Every send the cue made, and only those, is answered /lumetra/sent i i s: the line (0 for
//    text and blank), the mode, and "ok" (with "; no glyph for U+...." when the font cannot draw
//    some character) or "Com error: <reason>" ("Com error (1 of 2 signs): <device>: <reason>").
// 4. Every message not ignored is answered last with /lumetra/state i s i: the playhead's line
//    (0 when the list is empty), its text and the number of lines.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

#include "console/RemoteControl.h"

enum class OscOutcome { Done, Refused, Ignored };

struct OscAnswer {
  OscOutcome outcome = OscOutcome::Ignored;
  std::vector<QByteArray> replies;  // in the order they go back; none when ignored
  int sends = 0;                    // sends the cue made
};

class OscDispatcher {
 public:
  // `target`: the console behind the remote inputs' one GO guard.
  explicit OscDispatcher(RemoteControl& target) : target_(target) {}
  // One datagram as it arrived at `arrival` from `source` (for the send log).
  OscAnswer Dispatch(QByteArrayView datagram, RemoteClock::time_point arrival, const QString& source);
  RemoteControl& Target() const { return target_; }

 private:
  RemoteControl& target_;
};

// The answers, each one datagram.
QByteArray OscStateReply(const RemoteState& state);
QByteArray OscSignsReply(const RemoteState& state);
QByteArray OscRefusedReply(const QString& address, const QString& reason);
QByteArray OscSentReply(const RemoteSend& send);
