// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Where the console listens for OSC cues: "[HOST:]PORT". HOST is a numeric IPv4 address or an IPv6
// address in brackets ("[::1]:9000"), 127.0.0.1 when left out, so that nothing beyond the machine
// can cue the sign unless the operator names an address ("0.0.0.0" or an interface's own). Names
// are not looked up: a name server that does not answer must not hold the console's start up.
// PORT is 1..65535, or 0 for any free port.
#include <netinet/in.h>
#include <sys/socket.h>

#include <QString>
#include <optional>

struct OscEndpoint {
  sockaddr_storage address{};
  socklen_t length = 0;
};

// The endpoint, or nullopt with `error` saying why in one line.
std::optional<OscEndpoint> ParseOscEndpoint(const QString& text, QString& error);
// "127.0.0.1:9000", "[::1]:9000".
QString OscEndpointText(const sockaddr* address, socklen_t length);
