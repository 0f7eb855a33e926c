// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The OSC server of the console: a UDP socket watched by the GUI thread's event loop. Each
// readable moment takes the waiting datagrams without blocking, dispatches them in order (so each
// cue runs as the window's own handler, on the one GUI thread) and answers their senders from the
// same socket.
//
// The socket is the console's own rather than a liblo server's: liblo 0.31 binds every server to
// all addresses, and the console must listen on 127.0.0.1 unless told otherwise. liblo reads and
// writes the messages.
#include <QObject>
#include <QString>
#include <memory>

#include "remote/OscDispatch.h"
#include "remote/OscEndpoint.h"

class QSocketNotifier;

class OscServer : public QObject {
 public:
  explicit OscServer(RemoteControl& target, GoGuard* goGuard = nullptr, QObject* parent = nullptr);
  ~OscServer() override;

  // Binds the socket and starts watching it; false with `error` saying why in one line (the
  // port in use, an address not of this machine, ...).
  bool Listen(const OscEndpoint& endpoint, QString& error);
  // Where it listens, e.g. "127.0.0.1:9000" (the port chosen when 0 was asked for).
  QString Address() const;

  // Messages answered (done or refused) and datagrams ignored so far.
  qint64 Answered() const { return answered_; }
  qint64 Ignored() const { return ignored_; }

  // Takes and handles what is waiting on the socket, without blocking.
  void ReadPending();

 private:
  void ReadSome();

  OscDispatcher dispatcher_;
  int fd_ = -1;
  QByteArray buffer_;
  QSocketNotifier* notifier_ = nullptr;
  qint64 answered_ = 0;
  qint64 ignored_ = 0;
};
