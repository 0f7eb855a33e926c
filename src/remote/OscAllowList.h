// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Which machines may cue the console over OSC: numeric IPv4 or IPv6 addresses and CIDR ranges,
// separated by commas ("192.168.1.20", "10.0.0.0/24", "fd00::/8", "[::1]"). Names are not looked
// up. An IPv4 sender reaching an IPv6 socket (::ffff:a.b.c.d) counts as the IPv4 address it is.
#include <sys/socket.h>

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "remote/OscEndpoint.h"

class OscAllowList {
 public:
  // The list, or nullopt with `error` saying in one line which entry is no address or range.
  static std::optional<OscAllowList> Parse(const QString& text, QString& error);
  bool Allows(const sockaddr* address, socklen_t length) const;

 private:
  struct Range {
    int family = AF_INET;
    std::array<std::uint8_t, 16> bytes{};
    int prefixBits = 0;
  };
  std::vector<Range> ranges_;
};

// Whether the endpoint is this machine's own (127.0.0.0/8, ::1, ::ffff:127.0.0.0/104): only
// there may the console listen without an allow list.
bool IsLoopback(const OscEndpoint& endpoint);
