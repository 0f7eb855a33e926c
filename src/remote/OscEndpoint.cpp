// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/OscEndpoint.h"

#include <arpa/inet.h>

#include <cstring>

std::optional<OscEndpoint> ParseOscEndpoint(const QString& text, QString& error) {
  QString host = QStringLiteral("127.0.0.1");
  QString port = text.trimmed();
  bool bracketed = false;
  const qsizetype colon = port.lastIndexOf(u':');
  if (colon >= 0) {
    host = port.left(colon);
    port = port.mid(colon + 1);
    bracketed = host.startsWith(u'[') && host.endsWith(u']');
    if (bracketed) host = host.mid(1, host.size() - 2);
  }
  bool ok = false;
  const uint number = port.toUInt(&ok, 10);
  if (!ok || number > 65535 || port.startsWith(u'+')) {
    error = QStringLiteral("\"%1\" is not a port number 0..65535").arg(port);
    return std::nullopt;
  }
  OscEndpoint endpoint;
  const QByteArray hostBytes = host.toLatin1();
  auto* v4 = reinterpret_cast<sockaddr_in*>(&endpoint.address);
  auto* v6 = reinterpret_cast<sockaddr_in6*>(&endpoint.address);
  if (!bracketed && ::inet_pton(AF_INET, hostBytes.constData(), &v4->sin_addr) == 1) {
    v4->sin_family = AF_INET;
    v4->sin_port = htons(std::uint16_t(number));
    endpoint.length = sizeof(sockaddr_in);
  } else if (bracketed && ::inet_pton(AF_INET6, hostBytes.constData(), &v6->sin6_addr) == 1) {
    v6->sin6_family = AF_INET6;
    v6->sin6_port = htons(std::uint16_t(number));
    endpoint.length = sizeof(sockaddr_in6);
  } else {
    error = QStringLiteral("\"%1\" is not a numeric IPv4 or [IPv6] address").arg(host);
    return std::nullopt;
  }
  return endpoint;
}

QString OscEndpointText(const sockaddr* address, socklen_t length) {
  char host[INET6_ADDRSTRLEN] = {};
  if (address->sa_family == AF_INET && length >= socklen_t(sizeof(sockaddr_in))) {
    const auto* v4 = reinterpret_cast<const sockaddr_in*>(address);
    ::inet_ntop(AF_INET, &v4->sin_addr, host, sizeof host);
    return QStringLiteral("%1:%2").arg(QLatin1String(host)).arg(ntohs(v4->sin_port));
  }
  if (address->sa_family == AF_INET6 && length >= socklen_t(sizeof(sockaddr_in6))) {
    const auto* v6 = reinterpret_cast<const sockaddr_in6*>(address);
    ::inet_ntop(AF_INET6, &v6->sin6_addr, host, sizeof host);
    return QStringLiteral("[%1]:%2").arg(QLatin1String(host)).arg(ntohs(v6->sin6_port));
  }
  return QStringLiteral("?");
}
