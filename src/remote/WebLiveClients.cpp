// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/WebLiveClients.h"

#include <QWebSocket>
#include <algorithm>

WebLiveClients::~WebLiveClients() {
  for (QWebSocket* page : pages_) {
    QObject::disconnect(page, nullptr, nullptr, nullptr);
    page->abort();
    delete page;
  }
}

void WebLiveClients::Add(std::unique_ptr<QWebSocket> owned, const QList<QByteArray>& greeting) {
  QWebSocket* page = owned.release();
  page->setMaxAllowedIncomingMessageSize(kLiveIncomingBytes);
  page->setMaxAllowedIncomingFrameSize(kLiveIncomingBytes);
  const QString peer = page->peerAddress().protocol() == QAbstractSocket::IPv6Protocol
                           ? QStringLiteral("[%1]:%2").arg(page->peerAddress().toString()).arg(page->peerPort())
                           : QStringLiteral("%1:%2").arg(page->peerAddress().toString()).arg(page->peerPort());
  QObject::connect(page, &QWebSocket::textMessageReceived, page,
                   [this, page, peer](const QString& message) { receive_(*page, message.toUtf8(), peer); });
  QObject::connect(page, &QWebSocket::disconnected, page, [this, page] { Remove(page); });
  pages_.push_back(page);
  for (const QByteArray& message : greeting) SendTo(*page, message);
}

void WebLiveClients::SendTo(QWebSocket& page, const QByteArray& message) {
  page.sendTextMessage(QString::fromUtf8(message));
}

void WebLiveClients::SendToAll(const QByteArray& message) {
  // The text once for all: each page's socket frames it without copying it again.
  const QString text = QString::fromUtf8(message);
  std::vector<QWebSocket*> behind;
  for (QWebSocket* page : pages_) {
    if (page->bytesToWrite() > kLiveQueueBytes)
      behind.push_back(page);
    else
      page->sendTextMessage(text);
  }
  for (QWebSocket* page : behind) {
    ++dropped_;
    Remove(page);
  }
}

void WebLiveClients::Remove(QWebSocket* page) {
  const auto found = std::find(pages_.begin(), pages_.end(), page);
  if (found == pages_.end()) return;
  pages_.erase(found);
  QObject::disconnect(page, nullptr, nullptr, nullptr);
  page->abort();
  page->deleteLater();
}
