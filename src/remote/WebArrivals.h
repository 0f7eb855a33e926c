// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// When the pages' messages reached the machine, on the remote inputs' one clock, although the
// window's thread reads them only once a send that holds it is over: so that a GO from a page is
// stamped as it arrived, like an OSC cue, and two GOs a send kept waiting stay as far apart as
// they were sent.
// 1. A thread of its own waits on every followed page's socket and notes, as bytes arrive, the
//    time and how many bytes the connection has received in all (the kernel's count).
// 2. The messages of a connection are placed in that count by the frames before them: a message
//    whose frame ends at the connection's Nth byte arrived when the first note counted N bytes.
// 3. A message no note covers yet (the window read it before the thread woke) arrived now.
#include <QtGlobal>
#include <deque>
#include <memory>
#include <utility>

#include "console/RemoteControl.h"

// The placing of 2 and 3 for one connection.
class ArrivalLedger {
 public:
  // `consumed`: the bytes the connection had received before its messages were followed (the
  // handshake).
  explicit ArrivalLedger(qint64 consumed = 0) : consumed_(consumed) {}
  void Noted(RemoteClock::time_point at, qint64 receivedInAll);
  // When the next frame, `frameBytes` long on the wire, had arrived; `now` when no note covers it.
  RemoteClock::time_point FrameArrived(qint64 frameBytes, RemoteClock::time_point now);

 private:
  std::deque<std::pair<RemoteClock::time_point, qint64>> notes_;
  qint64 consumed_;
};

// How long the frame of a page's message of `payloadBytes` is on the wire: a page masks its frames.
qint64 PageFrameBytes(qint64 payloadBytes);

class WebArrivals {
 public:
  WebArrivals();
  ~WebArrivals();
  WebArrivals(const WebArrivals&) = delete;
  WebArrivals& operator=(const WebArrivals&) = delete;

  // Follows a page's connected socket from now on; false when it cannot (its messages then
  // arrive when they are handled).
  bool Follow(int socket);
  // Before the socket closes.
  void Forget(int socket);
  // When the socket's next message, `payloadBytes` long, arrived.
  RemoteClock::time_point MessageArrived(int socket, qint64 payloadBytes);

 private:
  struct Watch;
  std::unique_ptr<Watch> watch_;
};
