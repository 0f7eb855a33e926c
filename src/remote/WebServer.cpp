// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/WebServer.h"

#include <QFile>
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QHttpServerResponse>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebSocket>

#include "remote/WebMessages.h"
#include "wire/DotColours.h"

namespace {

struct Asset {
  const char* path;      // as the page asks for it
  const char* resource;  // compiled into the program
  const char* type;
};

constexpr Asset kAssets[] = {
    {"/", ":/web/caption.html", "text/html; charset=utf-8"},
    {"/stage", ":/web/stage.html", "text/html; charset=utf-8"},
    {"/caption.js", ":/web/caption.js", "text/javascript; charset=utf-8"},
    {"/stage.js", ":/web/stage.js", "text/javascript; charset=utf-8"},
    {"/live.js", ":/web/live.js", "text/javascript; charset=utf-8"},
    {"/caption.css", ":/web/caption.css", "text/css; charset=utf-8"},
    {"/stage.css", ":/web/stage.css", "text/css; charset=utf-8"},
    {"/icon.svg", ":/web/icon.svg", "image/svg+xml"},
};

// The sign's dot colours, from the console's own, for the pages that draw the sign.
QByteArray SignStyleSheet() {
  return QStringLiteral(":root { --lit-dot: %1; --unlit-dot: %2; }\n")
      .arg(DotColourName(kLitDotColour), DotColourName(kUnlitDotColour))
      .toUtf8();
}

QHttpServerResponse PageResponse(const char* type, const QByteArray& body) {
  QHttpServerResponse response(QByteArray(type), body);
  // Nothing from another host, nothing run but the console's own scripts; the key in the stage
  // page's address is never passed on.
  response.setHeader("Content-Security-Policy",
                     "default-src 'self'; connect-src 'self'; img-src 'self' data:; frame-ancestors 'none'");
  response.addHeader("X-Content-Type-Options", "nosniff");
  response.addHeader("Referrer-Policy", "no-referrer");
  response.addHeader("Cache-Control", "no-cache");
  return response;
}

QHttpServerResponse AssetResponse(const Asset& asset) {
  QFile file(QString::fromLatin1(asset.resource));
  file.open(QIODevice::ReadOnly);
  return PageResponse(asset.type, file.readAll());
}

}  // namespace

WebServer::WebServer(WebControl& control)
    : control_(control),
      http_(std::make_unique<QHttpServer>()),
      pages_([this](QWebSocket& page, const QByteArray& message, const QString& peer, RemoteClock::time_point arrival) {
        Receive(page, message, peer, arrival);
      }) {
  Route();
  QObject::connect(http_.get(), &QAbstractHttpServer::newWebSocketConnection, http_.get(), [this] { TakeNewPages(); });
}

WebServer::~WebServer() = default;

void WebServer::Route() {
  for (const Asset& asset : kAssets)
    http_->route(QString::fromLatin1(asset.path), [&asset] { return AssetResponse(asset); });
  http_->route(QStringLiteral("/sign.css"), [] { return PageResponse("text/css; charset=utf-8", SignStyleSheet()); });
  // The server hands a WebSocket upgrade over only on a path that has a route, and only when that
  // route has written nothing back yet; anything else asking for /live is told to upgrade.
  http_->route(QStringLiteral("/live"), [](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
    if (request.value("upgrade").compare("websocket", Qt::CaseInsensitive) != 0)
      responder.write(QHttpServerResponder::StatusCode::UpgradeRequired);
  });
}

bool WebServer::Listen(const OscEndpoint& endpoint, QString& error) {
  const QHostAddress host(reinterpret_cast<const sockaddr*>(&endpoint.address));
  const quint16 port = host.protocol() == QAbstractSocket::IPv6Protocol
                           ? ntohs(reinterpret_cast<const sockaddr_in6*>(&endpoint.address)->sin6_port)
                           : ntohs(reinterpret_cast<const sockaddr_in*>(&endpoint.address)->sin_port);
  auto tcp = std::make_unique<QTcpServer>();
  if (!tcp->listen(host, port)) {
    error = QStringLiteral("cannot listen on %1: %2")
                .arg(OscEndpointText(reinterpret_cast<const sockaddr*>(&endpoint.address), endpoint.length),
                     tcp->errorString());
    return false;
  }
  tcp_ = tcp.release();
  http_->bind(tcp_);  // the HTTP server takes it over
  return true;
}

QHostAddress WebServer::Host() const { return tcp_ != nullptr ? tcp_->serverAddress() : QHostAddress(); }

quint16 WebServer::Port() const { return tcp_ != nullptr ? tcp_->serverPort() : 0; }

void WebServer::TakeNewPages() {
  while (http_->hasPendingWebSocketConnections()) {
    std::unique_ptr<QWebSocket> page = http_->nextPendingWebSocketConnection();
    if (!page) break;
    if (page->requestUrl().path() != QLatin1String("/live")) {
      page->close(QWebSocketProtocol::CloseCodeNormal, QStringLiteral("no such socket"));
      page.release()->deleteLater();
      continue;
    }
    QList<QByteArray> greeting{WebHelloMessage(control_.Offered())};
    if (!lastSend_.isEmpty()) greeting << lastSend_;
    if (!lastState_.isEmpty()) greeting << lastState_;
    const int connection = ConnectionOf(*page);
    pages_.Add(std::move(page), greeting, connection);
  }
}

int WebServer::ConnectionOf(const QWebSocket& page) const {
  // The server keeps the connections it accepted among its own children, the upgraded ones too.
  for (const QAbstractSocket* connection : tcp_->findChildren<QAbstractSocket*>(Qt::FindDirectChildrenOnly))
    if (connection->peerPort() == page.peerPort() && connection->peerAddress() == page.peerAddress())
      return int(connection->socketDescriptor());
  return -1;
}

void WebServer::Publish(const QByteArray& message, Keep keep) {
  if (keep == Keep::LastSend) lastSend_ = message;
  if (keep == Keep::LastState) lastState_ = message;
  pages_.SendToAll(message);
}

void WebServer::Receive(QWebSocket& page, const QByteArray& message, const QString& peer,
                        RemoteClock::time_point arrival) {
  // A message box a control's handler opens runs an event loop of its own: a control arriving
  // meanwhile is refused rather than run inside the one before.
  if (handling_) {
    if (const std::optional<WebControlMessage> control = ReadWebControlMessage(message))
      WebLiveClients::SendTo(page, WebRefusedMessage(control->command, "busy"));
    else
      ++ignored_;
    return;
  }
  handling_ = true;
  const WebControlResult result = control_.Handle(message, arrival, QStringLiteral("web ") + peer);
  if (result.outcome == WebControlOutcome::Ignored) ++ignored_;
  handling_ = false;
  if (!result.answer.isEmpty()) WebLiveClients::SendTo(page, result.answer);
}
