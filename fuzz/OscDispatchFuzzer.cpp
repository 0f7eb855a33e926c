// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Any bytes as a datagram on the console's OSC port: the dispatch never crashes, asks the console
// only for lines within its list and for texts the sign's encoding holds, does nothing for a
// datagram it ignores and answers every other, the state last, and a repeated go is a double
// trigger. The first byte gives the number of lines (0..7).
#include "CheckingControl.h"
#include "FuzzSupport.h"
#include "remote/GoGuard.h"
#include "remote/OscDispatch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  CheckingControl control(data[0] % 8);
  GuardedRemoteControl guarded(control);
  OscDispatcher dispatcher(guarded);
  const QByteArray datagram = FuzzInput(data + 1, size - 1);
  const QString source = QStringLiteral("osc 127.0.0.1:9");

  const RemoteClock::time_point at{std::chrono::seconds(1)};
  const OscAnswer first = dispatcher.Dispatch(datagram, at, source);
  Require(first.outcome != OscOutcome::Ignored || control.calls == 0, "an ignored datagram does nothing");
  Require(first.replies.empty() == (first.outcome == OscOutcome::Ignored), "exactly what is not ignored is answered");
  Require(first.replies.empty() || first.replies.back() == OscStateReply(control.State()), "the state is answered last");
  const int gos = control.gos;
  const OscAnswer again = dispatcher.Dispatch(datagram, at + std::chrono::milliseconds(kDoubleTriggerMs - 1), source);
  Require(control.gos == gos, "a go right after a go is a double trigger");
  Require((first.outcome == OscOutcome::Ignored) == (again.outcome == OscOutcome::Ignored),
          "whether a datagram is ignored does not change");
  return 0;
}
