// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/WebLiveClients.h"

#include <QWebSocket>
#include <algorithm>

WebLiveClients::~WebLiveClients() {
  for (const Page& page : pages_) {
    QObject::disconnect(page.socket, nullptr, nullptr, nullptr);
    if (page.descriptor >= 0) arrivals_.Forget(page.descriptor);
    page.socket->abort();
    delete page.socket;
  }
}

void WebLiveClients::Add(std::unique_ptr<QWebSocket> owned, const QList<QByteArray>& greeting, int connection) {
  QWebSocket* page = owned.release();
  page->setMaxAllowedIncomingMessageSize(kLiveIncomingBytes);
  page->setMaxAllowedIncomingFrameSize(kLiveIncomingBytes);
  const QString peer = page->peerAddress().protocol() == QAbstractSocket::IPv6Protocol
                           ? QStringLiteral("[%1]:%2").arg(page->peerAddress().toString()).arg(page->peerPort())
                           : QStringLiteral("%1:%2").arg(page->peerAddress().toString()).arg(page->peerPort());
  const int descriptor = arrivals_.Follow(connection) ? connection : -1;
  QObject::connect(page, &QWebSocket::textMessageReceived, page, [this, page, peer, descriptor](const QString& text) {
    const QByteArray message = text.toUtf8();
    receive_(*page, message, peer, arrivals_.MessageArrived(descriptor, message.size()));
  });
  // Ignored, but counted: the messages after them are placed by the bytes before.
  QObject::connect(page, &QWebSocket::binaryMessageReceived, page,
                   [this, descriptor](const QByteArray& message) { arrivals_.MessageArrived(descriptor, message.size()); });
  QObject::connect(page, &QWebSocket::disconnected, page, [this, page] { Remove(page); });
  pages_.push_back({page, descriptor});
  for (const QByteArray& message : greeting) SendTo(*page, message);
}

void WebLiveClients::SendTo(QWebSocket& page, const QByteArray& message) {
  page.sendTextMessage(QString::fromUtf8(message));
}

void WebLiveClients::SendToAll(const QByteArray& message) {
  // The text once for all: each page's socket frames it without copying it again.
  const QString text = QString::fromUtf8(message);
  std::vector<QWebSocket*> behind;
  for (const Page& page : pages_) {
    if (page.socket->bytesToWrite() > kLiveQueueBytes)
      behind.push_back(page.socket);
    else
      page.socket->sendTextMessage(text);
  }
  for (QWebSocket* page : behind) {
    ++dropped_;
    Remove(page);
  }
}

void WebLiveClients::Remove(QWebSocket* page) {
  const auto found = std::find_if(pages_.begin(), pages_.end(), [page](const Page& p) { return p.socket == page; });
  if (found == pages_.end()) return;
  if (found->descriptor >= 0) arrivals_.Forget(found->descriptor);
  pages_.erase(found);
  QObject::disconnect(page, nullptr, nullptr, nullptr);
  page->abort();
  page->deleteLater();
}
