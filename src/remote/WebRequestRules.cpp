// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/WebRequestRules.h"

namespace {

bool HasBody(const WebRequestHead& head) {
  if (head.FieldCount("transfer-encoding") > 0) return true;
  for (const auto& [name, value] : head.fields) {
    if (name != "content-length") continue;
    bool ok = false;
    if (value.toULongLong(&ok) != 0 || !ok) return true;
  }
  return false;
}

bool IsThisMachine(const QByteArray& host, const WebHostNames& names, QHostAddress reached) {
  if (host.isEmpty()) return false;
  QByteArray name = host;
  if (name.endsWith('.')) name.chop(1);  // the root of the name space, which a browser may keep
  if (names.contains(name)) return true;
  bool isV4 = false;
  const quint32 v4 = reached.toIPv4Address(&isV4);
  if (isV4) reached = QHostAddress(v4);  // an IPv4 client of an IPv6 socket as the IPv4 address it is
  if (name == "localhost") return reached.isLoopback();
  QHostAddress named;
  return named.setAddress(QString::fromLatin1(name)) && named == reached;
}

// Whether `origin` ("http://host:port") is the site the Host field names.
bool OriginIsHost(QByteArrayView origin, QByteArrayView host) {
  for (const auto& [scheme, port] : {std::pair{QByteArrayView("http://"), QByteArrayView(":80")},
                                     std::pair{QByteArrayView("https://"), QByteArrayView(":443")}}) {
    if (!origin.startsWith(scheme)) continue;
    QByteArrayView authority = origin.sliced(scheme.size());
    QByteArrayView hostNamed = host;
    // The scheme's own port may be left out on either side.
    if (authority.endsWith(port)) authority.chop(port.size());
    if (hostNamed.endsWith(port)) hostNamed.chop(port.size());
    return authority.compare(hostNamed, Qt::CaseInsensitive) == 0;
  }
  return false;
}

}  // namespace

QByteArray WebHostOf(QByteArrayView host) {
  QByteArrayView name = host.trimmed();
  if (name.startsWith('[')) {
    const qsizetype close = name.indexOf(']');
    if (close < 0) return {};
    name = name.sliced(1, close - 1);
  } else if (const qsizetype colon = name.lastIndexOf(':'); colon >= 0) {
    if (name.indexOf(':') != colon) return {};  // an IPv6 address must come in brackets
    name = name.first(colon);
  }
  return name.toByteArray().toLower();
}

int WebRequestRefusal(const WebRequestHead& head, const WebHostNames& names, const QHostAddress& reached) {
  if (head.method != "GET" && head.method != "HEAD") return 405;
  if (HasBody(head)) return 413;
  if (head.Path().isEmpty()) return 400;
  if (head.FieldCount("host") != 1) return 400;
  const QByteArray host = head.Field("host");
  if (!IsThisMachine(WebHostOf(host), names, reached)) return 421;
  if (head.FieldCount("upgrade") > 0 && head.FieldCount("origin") > 0 &&
      (head.FieldCount("origin") > 1 || !OriginIsHost(head.Field("origin"), host)))
    return 403;
  return 0;
}
