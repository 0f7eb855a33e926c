// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The pages connected to /live. A message to all is handed to each page's socket without
// waiting for anything; what a page has not yet taken waits in its socket's queue, and a page
// whose queue already holds more than kLiveQueueBytes when the next message comes is dropped
// (it reconnects by itself), so a slow or dead page never holds up a send or the window, and
// never makes the console's memory grow.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QWebSocket;

constexpr qint64 kLiveQueueBytes = 256 * 1024;
// A page's own messages are small; a longer one is refused by the socket.
constexpr quint64 kLiveIncomingBytes = 4096;

class WebLiveClients {
 public:
  // A text message from a page, with the page's address ("127.0.0.1:40000").
  using Receive = std::function<void(QWebSocket& page, const QByteArray& message, const QString& peer)>;
  explicit WebLiveClients(Receive receive) : receive_(std::move(receive)) {}
  ~WebLiveClients();

  // Takes a page over; `greeting` goes to it first.
  void Add(std::unique_ptr<QWebSocket> page, const QList<QByteArray>& greeting);
  void SendToAll(const QByteArray& message);
  static void SendTo(QWebSocket& page, const QByteArray& message);

  int Count() const { return int(pages_.size()); }
  qint64 Dropped() const { return dropped_; }

 private:
  void Remove(QWebSocket* page);

  Receive receive_;
  std::vector<QWebSocket*> pages_;  // owned; deleted later, as their signals may be running
  qint64 dropped_ = 0;
};
