// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// One connection of the web pages' server as its loop keeps it (WebServerLoop.h): a request being
// read, a page, or a connection ending after its last answer; and what the loop's two files share.
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QByteArray>
#include <QList>
#include <cerrno>
#include <chrono>

#include "remote/WebServerLoop.h"
#include "remote/WebSocketFrames.h"

// Rule 2: how long, and how much, a connection that ends after an answer may still send.
inline constexpr qint64 kWebLingerMs = 1000;
inline constexpr qsizetype kWebMostLingerBytes = 64 * 1024;
// What one read takes at most.
inline constexpr std::size_t kWebReadBytes = 16 * 1024;

inline qint64 WebNowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

inline bool WebWouldBlock() { return errno == EAGAIN || errno == EWOULDBLOCK; }

enum class WebPhase { Request, Page, Lingering };

struct WebServerLoop::Connection {
  Connection(quint64 id, int fd, qsizetype mostMessage) : id(id), fd(fd), reader(mostMessage) {}
  ~Connection() { ::close(fd); }

  quint64 id;
  int fd;
  PeerKey peerKey{};
  sockaddr_in6 peer{};  // or a sockaddr_in
  WebPhase phase = WebPhase::Request;
  bool listed = false;
  bool endWhenWritten = false;
  bool doomed = false;
  WebView view = WebView::Stage;
  qsizetype slot = -1;  // in pages_[view]
  int waiting = 0;      // messages handed on to the console, not yet answered
  std::uint32_t watching = 0;
  qint64 deadline = 0;
  qsizetype discarded = 0;
  QByteArray in;          // a request head being read
  QList<QByteArray> out;  // what the kernel has not taken yet; the first from outOffset
  qsizetype outOffset = 0;
  qint64 outBytes = 0;
  WebSocketReader reader;

  const sockaddr* Peer() const { return reinterpret_cast<const sockaddr*>(&peer); }
};
