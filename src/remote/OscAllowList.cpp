// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/OscAllowList.h"

#include <arpa/inet.h>
#include <netinet/in.h>

#include <QStringList>
#include <cstring>

namespace {

constexpr std::uint8_t kMappedPrefix[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF};

// The address's family and bytes, an IPv4-mapped IPv6 address as the IPv4 address it carries.
bool AddressBytes(const sockaddr* address, socklen_t length, int& family, std::array<std::uint8_t, 16>& bytes) {
  if (address->sa_family == AF_INET && length >= socklen_t(sizeof(sockaddr_in))) {
    family = AF_INET;
    std::memcpy(bytes.data(), &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, 4);
    return true;
  }
  if (address->sa_family == AF_INET6 && length >= socklen_t(sizeof(sockaddr_in6))) {
    const auto* v6 = reinterpret_cast<const sockaddr_in6*>(address);
    if (std::memcmp(v6->sin6_addr.s6_addr, kMappedPrefix, sizeof kMappedPrefix) == 0) {
      family = AF_INET;
      std::memcpy(bytes.data(), v6->sin6_addr.s6_addr + 12, 4);
    } else {
      family = AF_INET6;
      std::memcpy(bytes.data(), v6->sin6_addr.s6_addr, 16);
    }
    return true;
  }
  return false;
}

bool SamePrefix(const std::array<std::uint8_t, 16>& a, const std::array<std::uint8_t, 16>& b, int bits) {
  const int whole = bits / 8;
  if (std::memcmp(a.data(), b.data(), std::size_t(whole)) != 0) return false;
  const int rest = bits % 8;
  if (rest == 0) return true;
  const std::uint8_t mask = std::uint8_t(0xFF << (8 - rest));
  return (a[std::size_t(whole)] & mask) == (b[std::size_t(whole)] & mask);
}

}  // namespace

std::optional<OscAllowList> OscAllowList::Parse(const QString& text, QString& error) {
  OscAllowList list;
  for (QString entry : text.split(u',')) {
    entry = entry.trimmed();
    if (entry.isEmpty()) continue;
    QString host = entry;
    int bits = -1;
    const qsizetype slash = entry.indexOf(u'/');
    if (slash >= 0) {
      bool ok = false;
      const QString prefix = entry.mid(slash + 1);
      bits = prefix.toInt(&ok, 10);
      if (!ok || prefix.startsWith(u'+') || prefix.startsWith(u'-')) bits = -2;
      host = entry.left(slash);
    }
    if (host.startsWith(u'[') && host.endsWith(u']')) host = host.mid(1, host.size() - 2);
    Range range;
    const QByteArray hostBytes = host.toLatin1();
    if (::inet_pton(AF_INET, hostBytes.constData(), range.bytes.data()) == 1) {
      range.family = AF_INET;
    } else if (::inet_pton(AF_INET6, hostBytes.constData(), range.bytes.data()) == 1) {
      range.family = AF_INET6;
      if (std::memcmp(range.bytes.data(), kMappedPrefix, sizeof kMappedPrefix) == 0) {
        // Matched as senders are: as IPv4.
        std::memmove(range.bytes.data(), range.bytes.data() + 12, 4);
        range.family = AF_INET;
        if (bits >= 96) bits -= 96;
        else if (bits >= 0) bits = -2;
      }
    } else {
      error = QStringLiteral("\"%1\" is no numeric IPv4 or IPv6 address or range").arg(entry);
      return std::nullopt;
    }
    const int most = range.family == AF_INET ? 32 : 128;
    range.prefixBits = bits == -1 ? most : bits;
    if (range.prefixBits < 0 || range.prefixBits > most) {
      error = QStringLiteral("\"%1\": the prefix length must be 0..%2").arg(entry).arg(most);
      return std::nullopt;
    }
    list.ranges_.push_back(range);
  }
  if (list.ranges_.empty()) {
    error = QStringLiteral("the list names no address");
    return std::nullopt;
  }
  return list;
}

bool OscAllowList::Allows(const sockaddr* address, socklen_t length) const {
  int family = 0;
  std::array<std::uint8_t, 16> bytes{};
  if (!AddressBytes(address, length, family, bytes)) return false;
  for (const Range& range : ranges_)
    if (range.family == family && SamePrefix(range.bytes, bytes, range.prefixBits)) return true;
  return false;
}

bool IsLoopback(const OscEndpoint& endpoint) {
  int family = 0;
  std::array<std::uint8_t, 16> bytes{};
  if (!AddressBytes(reinterpret_cast<const sockaddr*>(&endpoint.address), endpoint.length, family, bytes)) return false;
  if (family == AF_INET) return bytes[0] == 127;
  static constexpr std::array<std::uint8_t, 16> kLoopback6 = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
  return bytes == kLoopback6;
}
