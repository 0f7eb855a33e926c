// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The pages connected to /live. A message to all is handed to each page's socket without
// waiting for anything; what a page has not yet taken waits in its socket's queue, and a page
// whose queue already holds more than kLiveQueueBytes when the next message comes is dropped
// (it reconnects by itself), so a slow or dead page never holds up a send or the window, and
// never makes the console's memory grow. Each page's messages come with when they arrived
// (WebArrivals), also when the window read them only after a send that held it.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "remote/WebArrivals.h"

class QWebSocket;

constexpr qint64 kLiveQueueBytes = 256 * 1024;
// A page's own messages are small; a longer one is refused by the socket.
constexpr quint64 kLiveIncomingBytes = 4096;

class WebLiveClients {
 public:
  // A text message from a page, with the page's address ("127.0.0.1:40000") and when it arrived.
  using Receive = std::function<void(QWebSocket& page, const QByteArray& message, const QString& peer,
                                     RemoteClock::time_point arrival)>;
  explicit WebLiveClients(Receive receive) : receive_(std::move(receive)) {}
  ~WebLiveClients();

  // Takes a page over; `greeting` goes to it first. `connection`: the descriptor of the page's
  // connection, whose arrivals are followed; -1 when it is not known (its messages then arrive
  // when they are handled).
  void Add(std::unique_ptr<QWebSocket> page, const QList<QByteArray>& greeting, int connection = -1);
  void SendToAll(const QByteArray& message);
  static void SendTo(QWebSocket& page, const QByteArray& message);

  int Count() const { return int(pages_.size()); }
  qint64 Dropped() const { return dropped_; }

 private:
  struct Page {
    QWebSocket* socket;  // owned; deleted later, as its signals may be running
    int descriptor;      // its connection's, while followed; -1 when not
  };
  void Remove(QWebSocket* page);

  Receive receive_;
  WebArrivals arrivals_;
  std::vector<Page> pages_;
  qint64 dropped_ = 0;
};
