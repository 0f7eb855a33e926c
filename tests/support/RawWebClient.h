// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A client of the web pages' server that writes its bytes itself, from a local address of its
// choosing (127.0.0.2 and the like are this machine too): for requests no browser makes, and for
// pages from many addresses. Every wait is bounded and lets the test's event loop run, where a
// page's control reaches the console.
#include <QByteArray>
#include <QByteArrayView>

class RawWebClient {
 public:
  explicit RawWebClient(quint16 port, const char* from = "127.0.0.1");
  ~RawWebClient();
  RawWebClient(const RawWebClient&) = delete;
  RawWebClient& operator=(const RawWebClient&) = delete;

  bool Send(QByteArrayView bytes);
  // The status of the answer's head, 0 when the connection ended (or the time ran out) before one.
  int Status(int timeoutMs = 5000);
  // Whether the server ended the connection within the time (what came meanwhile is dropped).
  bool Ended(int timeoutMs = 5000);
  // Asks for the WebSocket of `target` with these Host and, when not empty, Origin fields; the status.
  int Upgrade(QByteArrayView target, QByteArrayView host, QByteArrayView origin = {});
  // A text message as a page sends it, masked.
  bool SendText(QByteArrayView text);
  // The next text message, empty when none came in time.
  QByteArray NextText(int timeoutMs = 5000);

 private:
  // Waits until more has been read into buffer_; false when the connection ended or the time ran out.
  bool ReadMore(int timeoutMs);

  int fd_ = -1;
  QByteArray buffer_;
};
