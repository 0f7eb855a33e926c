// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "support/LivePage.h"

#include <QJsonDocument>
#include <QUrl>

std::unique_ptr<LivePage> OpenLivePage(quint16 port, const QString& query) {
  auto page = std::make_unique<LivePage>();
  QObject::connect(&page->socket, &QWebSocket::textMessageReceived, [p = page.get()](const QString& text) {
    p->received << QJsonDocument::fromJson(text.toUtf8()).object();
  });
  page->socket.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/live%2").arg(port).arg(query.isEmpty() ? query : u'?' + query)));
  return page;
}
