// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// What a running program listens on: the sockets it holds, as the kernel lists them, and what it
// says on standard error.
#include <QByteArray>
#include <QProcess>
#include <QStringList>

// The local addresses ("0100007F:2328") of the process's sockets found in the kernel's tables
// (for example /proc/net/udp and /proc/net/udp6, or /proc/net/tcp and /proc/net/tcp6).
QStringList SocketsOf(qint64 pid, const QStringList& tables);
inline QStringList UdpSocketsOf(qint64 pid) { return SocketsOf(pid, {"/proc/net/udp", "/proc/net/udp6"}); }
inline QStringList TcpSocketsOf(qint64 pid) { return SocketsOf(pid, {"/proc/net/tcp", "/proc/net/tcp6"}); }
// Reads the program's standard error (a few seconds at most) until `pattern` matches; its first
// group, or empty when it never does. What it read is kept in `err`.
QString SaidOnStandardError(QProcess& program, QByteArray& err, const QString& pattern);
