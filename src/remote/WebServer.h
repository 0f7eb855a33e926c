// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The web pages' server: Qt's HTTP server on one TCP port serves the pages compiled into the
// program (/ the caption for the audience, /stage the stage manager's view) and takes the
// WebSocket upgrade of /live on the same port. Everything runs on the GUI thread's event loop,
// so a page's control runs as the operator's own handler, like an OSC cue.
#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <memory>

#include "remote/OscEndpoint.h"
#include "remote/WebControl.h"
#include "remote/WebLiveClients.h"

class QHttpServer;
class QTcpServer;

class WebServer {
 public:
  explicit WebServer(WebControl& control);
  ~WebServer();

  // Starts listening; false with `error` saying why in one line.
  bool Listen(const OscEndpoint& endpoint, QString& error);
  QHostAddress Host() const;
  quint16 Port() const;

  // To every page; kept for pages that open later when `keep` (the last send, the last state).
  enum class Keep { None, LastSend, LastState };
  void Publish(const QByteArray& message, Keep keep);

  const WebLiveClients& Pages() const { return pages_; }
  qint64 Ignored() const { return ignored_; }

 private:
  void Route();
  void TakeNewPages();
  // The descriptor of the connection a page's socket was upgraded from; -1 when it is not found.
  int ConnectionOf(const QWebSocket& page) const;
  void Receive(QWebSocket& page, const QByteArray& message, const QString& peer, RemoteClock::time_point arrival);

  WebControl& control_;
  std::unique_ptr<QHttpServer> http_;
  QTcpServer* tcp_ = nullptr;  // owned by http_
  WebLiveClients pages_;
  QByteArray lastSend_;
  QByteArray lastState_;
  qint64 ignored_ = 0;
  bool handling_ = false;
};
