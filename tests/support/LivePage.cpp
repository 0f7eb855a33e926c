// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "support/LivePage.h"

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

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

int OpenRawPage(quint16 port, int receiveBytes) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (receiveBytes > 0) ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &receiveBytes, sizeof receiveBytes);
  sockaddr_in address{AF_INET, htons(port), {htonl(INADDR_LOOPBACK)}, {}};
  const QByteArray upgrade = QStringLiteral("GET /live HTTP/1.1\r\nHost: 127.0.0.1:%1\r\nUpgrade: websocket\r\n"
                                            "Connection: Upgrade\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
                                            "Sec-WebSocket-Version: 13\r\n\r\n")
                                 .arg(port)
                                 .toLatin1();
  if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      ::send(fd, upgrade.constData(), size_t(upgrade.size()), 0) == upgrade.size())
    return fd;
  ::close(fd);
  return -1;
}

bool SendRawText(int page, const QByteArray& text) {
  // A final text frame of fewer than 126 bytes, masked (here with zeros, which leave it as it is).
  const QByteArray frame = QByteArray("\x81") + char(0x80 | text.size()) + QByteArray(4, '\0') + text;
  return text.size() < 126 && ::send(page, frame.constData(), size_t(frame.size()), 0) == frame.size();
}

QByteArray ReadRawPage(int page) {
  QByteArray read;
  char buffer[4096];
  for (ssize_t got; (got = ::recv(page, buffer, sizeof buffer, MSG_DONTWAIT)) > 0;) read.append(buffer, got);
  return read;
}
