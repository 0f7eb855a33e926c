// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The sockets a process holds, as the kernel lists them, to tell what a running program listens on.
#include <QStringList>

// The local addresses ("0100007F:2328") of the process's sockets found in the kernel's tables
// (for example /proc/net/udp and /proc/net/udp6, or /proc/net/tcp and /proc/net/tcp6).
QStringList SocketsOf(qint64 pid, const QStringList& tables);
inline QStringList UdpSocketsOf(qint64 pid) { return SocketsOf(pid, {"/proc/net/udp", "/proc/net/udp6"}); }
inline QStringList TcpSocketsOf(qint64 pid) { return SocketsOf(pid, {"/proc/net/tcp", "/proc/net/tcp6"}); }
