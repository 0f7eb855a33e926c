// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The OSC server of the console: a UDP socket watched by the GUI thread's event loop.
//
// 1. Each readable moment drains what is waiting on the socket into a queue of the server's own,
//    without blocking, so that a burst of cues never waits in the kernel's buffer, where it would
//    be lost once that is full. Datagrams from senders outside the allow list are dropped there,
//    unanswered. The queue is bounded; what it cannot take is dropped and said on standard error.
// 2. Each datagram is stamped with when it reached the machine (the kernel's stamp), on the
//    remote inputs' one clock, for the GO guard.
// 3. The queued cues run in arrival order, each as the window's own handler on the GUI thread,
//    and each answered to its sender from the same socket. A turn of the event loop runs at most
//    one cue that sends, so that the window paints and takes the operator's keys between sends.
// 4. A cue never runs inside another: an event loop that a cue's handler runs (a message box)
//    only queues what comes meanwhile.
//
// The socket is the console's own rather than a liblo server's: liblo 0.31 binds every server to
// all addresses, and the console must listen on 127.0.0.1 unless told otherwise. liblo reads and
// writes the messages.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <deque>
#include <optional>

#include "remote/OscAllowList.h"
#include "remote/OscDispatch.h"
#include "remote/OscEndpoint.h"

class QSocketNotifier;
class QTimer;

class OscServer : public QObject {
 public:
  // `target`: the console behind the remote inputs' one GO guard.
  explicit OscServer(RemoteControl& target, QObject* parent = nullptr);
  ~OscServer() override;

  // Takes datagrams only from the list's senders; without a list, from every sender.
  void AllowOnly(std::optional<OscAllowList> list) { allowed_ = std::move(list); }
  // Binds the socket and starts watching it; false with `error` saying why in one line (the
  // port in use, an address not of this machine, ...).
  bool Listen(const OscEndpoint& endpoint, QString& error);
  // Where it listens, e.g. "127.0.0.1:9000" (the port chosen when 0 was asked for).
  QString Address() const;
  // The receive buffer the kernel granted, in bytes.
  int ReceiveBufferBytes() const;

  // Messages answered (done or refused), datagrams ignored, datagrams from senders outside the
  // allow list, datagrams the full queue dropped and datagrams the kernel dropped (its buffer
  // full), so far.
  qint64 Answered() const { return answered_; }
  qint64 Ignored() const { return ignored_; }
  qint64 Unlisted() const { return unlisted_; }
  qint64 Dropped() const { return dropped_; }
  qint64 Overflowed() const { return overflowed_; }

  // Takes what is waiting on the socket, without blocking; the cues run from the event loop.
  void ReadPending();

 private:
  struct Queued {
    QByteArray bytes;
    sockaddr_storage sender{};
    socklen_t senderLength = 0;
    RemoteClock::time_point arrival;
  };
  void Drain();
  void RunQueued();

  OscDispatcher dispatcher_;
  std::optional<OscAllowList> allowed_;
  int fd_ = -1;
  QByteArray buffer_;
  QSocketNotifier* notifier_ = nullptr;
  QTimer* next_ = nullptr;  // the next turn's cues
  std::deque<Queued> queue_;
  qint64 queuedBytes_ = 0;
  bool running_ = false;
  qint64 answered_ = 0;
  qint64 ignored_ = 0;
  qint64 unlisted_ = 0;
  qint64 dropped_ = 0;
  qint64 overflowed_ = 0;
};
