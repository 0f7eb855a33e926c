// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "support/RawWebClient.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>

RawWebClient::RawWebClient(quint16 port, const char* from) {
  fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in local{};
  local.sin_family = AF_INET;
  ::inet_pton(AF_INET, from, &local.sin_addr);
  sockaddr_in server{};
  server.sin_family = AF_INET;
  server.sin_port = htons(port);
  server.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::bind(fd_, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0 ||
      ::connect(fd_, reinterpret_cast<sockaddr*>(&server), sizeof server) != 0) {
    ::close(fd_);
    fd_ = -1;
  }
}

RawWebClient::~RawWebClient() {
  if (fd_ >= 0) ::close(fd_);
}

bool RawWebClient::Send(QByteArrayView bytes) {
  return fd_ >= 0 && ::send(fd_, bytes.data(), size_t(bytes.size()), MSG_NOSIGNAL) == bytes.size();
}

bool RawWebClient::ReadMore(int timeoutMs) {
  for (const QDeadlineTimer deadline(timeoutMs); fd_ >= 0 && !deadline.hasExpired();) {
    QCoreApplication::processEvents();
    pollfd ready{fd_, POLLIN, 0};
    if (::poll(&ready, 1, 10) <= 0) continue;
    char bytes[16384];
    const ssize_t read = ::recv(fd_, bytes, sizeof bytes, 0);
    if (read <= 0) return false;
    buffer_.append(bytes, read);
    return true;
  }
  return false;
}

int RawWebClient::Status(int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  while (!buffer_.contains("\r\n\r\n"))
    if (!ReadMore(int(deadline.remainingTime()))) return 0;
  const qsizetype end = buffer_.indexOf("\r\n\r\n") + 4;
  const QByteArray head = buffer_.first(end);
  buffer_.remove(0, end);
  if (!head.startsWith("HTTP/1.1 ")) return 0;
  return head.mid(9, 3).toInt();
}

bool RawWebClient::Ended(int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  while (ReadMore(int(deadline.remainingTime()))) buffer_.clear();
  return !deadline.hasExpired();
}

int RawWebClient::Upgrade(QByteArrayView target, QByteArrayView host, QByteArrayView origin) {
  QByteArray request = "GET " + target.toByteArray() + " HTTP/1.1\r\nHost: " + host.toByteArray() +
                       "\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                       "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n";
  if (!origin.isEmpty()) request += "Origin: " + origin.toByteArray() + "\r\n";
  return Send(request + "\r\n") ? Status() : 0;
}

bool RawWebClient::SendText(QByteArrayView text) {
  const char mask[4] = {0x12, 0x34, 0x56, 0x78};
  QByteArray frame(1, char(0x81));
  if (text.size() < 126) {
    frame += char(0x80 | text.size());
  } else {
    frame += char(0x80 | 126);
    frame += char(text.size() >> 8);
    frame += char(text.size() & 0xFF);
  }
  frame.append(mask, 4);
  for (qsizetype i = 0; i < text.size(); ++i) frame += char(text[i] ^ mask[i % 4]);
  return Send(frame);
}

QByteArray RawWebClient::NextText(int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  for (;;) {
    const auto* bytes = reinterpret_cast<const quint8*>(buffer_.constData());
    qsizetype header = 2;
    qint64 length = buffer_.size() >= 2 ? bytes[1] & 0x7F : -1;
    if (length == 126) {
      header = 4;
      length = buffer_.size() >= 4 ? (bytes[2] << 8) | bytes[3] : -1;
    }
    if (length >= 0 && buffer_.size() >= header + length) {
      const bool text = (bytes[0] & 0x0F) == 0x1;
      const QByteArray payload = buffer_.mid(header, length);
      buffer_.remove(0, header + length);
      if (text) return payload;
      continue;
    }
    if (!ReadMore(int(deadline.remainingTime()))) return {};
  }
}
