// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// What one connection of the web pages' server reads and writes: its requests and their answers,
// the upgrade to a page and the page's frames, the queue the kernel has not taken, and its end.
#include "remote/WebServerConnection.h"

#include <netinet/tcp.h>

#include <algorithm>

#include "remote/WebAnswers.h"

void WebServerLoop::ReadRequest(Connection& connection, qint64 now) {
  // Never more than a head's bound is kept: what comes after waits in the kernel.
  const qsizetype room = limits_.headBytes - connection.in.size();
  if (room > 0) {
    char bytes[kWebReadBytes];
    const ssize_t read = ::recv(connection.fd, bytes, size_t(std::min<qsizetype>(room, sizeof bytes)), 0);
    if (read == 0 || (read < 0 && !WebWouldBlock() && errno != EINTR)) return Doom(connection);
    if (read > 0) connection.in.append(bytes, read);
  }
  AnswerRequests(connection, now);
}

void WebServerLoop::AnswerRequests(Connection& connection, qint64 now) {
  // One request at a time: the next is read once the answer before it has gone.
  while (connection.phase == WebPhase::Request && !connection.doomed && !connection.endWhenWritten &&
         connection.out.isEmpty()) {
    const qsizetype length = WebHeadLength(connection.in);
    if (length == 0) {
      if (connection.in.size() >= limits_.headBytes)
        Refuse(connection, connection.in.contains("\r\n") ? 431 : 414);
      return;
    }
    const std::optional<WebRequestHead> head = ReadWebRequestHead(QByteArrayView(connection.in).first(length));
    connection.in.remove(0, length);
    if (connection.in.isEmpty()) connection.in.squeeze();
    if (!head) return Refuse(connection, 400);
    AnswerRequest(connection, *head, now);
  }
}

void WebServerLoop::AnswerRequest(Connection& connection, const WebRequestHead& head, qint64 now) {
  sockaddr_in6 local{};
  socklen_t length = sizeof local;
  ::getsockname(connection.fd, reinterpret_cast<sockaddr*>(&local), &length);
  if (const int status =
          WebRequestRefusal(head, access_.hostNames, QHostAddress(reinterpret_cast<const sockaddr*>(&local))))
    return Refuse(connection, status);
  if (head.Path() == "/live") return Upgrade(connection, head);
  const bool end = head.FieldHasToken("connection", "close") ||
                   (head.minorVersion == 0 && !head.FieldHasToken("connection", "keep-alive"));
  const QByteArray answer = WebPageAnswer(head.Path(), head.method == "GET", end);
  if (answer.isEmpty()) return Refuse(connection, 404);
  SetDeadline(connection, now + limits_.headMs);
  if (end) EndAfterWriting(connection);
  Write(connection, answer);
}

void WebServerLoop::Upgrade(Connection& connection, const WebRequestHead& head) {
  if (!head.FieldHasToken("upgrade", "websocket") || !head.FieldHasToken("connection", "upgrade") ||
      head.Field("sec-websocket-version") != "13")
    return Refuse(connection, 426);
  const std::optional<WebSubscription> subscription = ReadWebSubscription(head.Query());
  const QByteArray key = head.Field("sec-websocket-key");
  if (!subscription || !IsWebSocketKey(key)) return Refuse(connection, 400);
  connection.phase = WebPhase::Page;
  connection.view = subscription->view;
  std::vector<Connection*>& pages = pages_[std::size_t(connection.view)];
  connection.slot = qsizetype(pages.size());
  pages.push_back(&connection);
  ++pageCount_;
  // A page's messages are small and each one is news: none waits for the one before. A phone that
  // left the Wi-Fi without a word gives its place up within two minutes, not the kernel's
  // quarter of an hour: it may come back from the same address.
  const int on = 1;
  const int idleSeconds = 60, probeSeconds = 10, probes = 3;
  const unsigned unansweredMs = 60000;
  ::setsockopt(connection.fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  ::setsockopt(connection.fd, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
  ::setsockopt(connection.fd, IPPROTO_TCP, TCP_KEEPIDLE, &idleSeconds, sizeof idleSeconds);
  ::setsockopt(connection.fd, IPPROTO_TCP, TCP_KEEPINTVL, &probeSeconds, sizeof probeSeconds);
  ::setsockopt(connection.fd, IPPROTO_TCP, TCP_KEEPCNT, &probes, sizeof probes);
  ::setsockopt(connection.fd, IPPROTO_TCP, TCP_USER_TIMEOUT, &unansweredMs, sizeof unansweredMs);
  QByteArray greeting = WebUpgradeAnswer(key);
  greeting += WebSocketFrame(WebSocketOpcode::kText, WebHelloMessage(connection.listed));
  for (const QByteArray& kept : kept_[std::size_t(connection.view)])
    if (!kept.isEmpty()) greeting += WebSocketFrame(WebSocketOpcode::kText, kept);
  // Frames sent right behind the upgrade are the page's first.
  const QByteArray early = std::exchange(connection.in, {});
  if (Write(connection, greeting) && !early.isEmpty()) TakeFrames(connection, early);
}

void WebServerLoop::ReadPage(Connection& connection) {
  char bytes[kWebReadBytes];
  const ssize_t read = ::recv(connection.fd, bytes, sizeof bytes, 0);
  if (read == 0 || (read < 0 && !WebWouldBlock() && errno != EINTR)) return Doom(connection);
  if (read > 0) TakeFrames(connection, QByteArrayView(bytes, read));
}

void WebServerLoop::TakeFrames(Connection& connection, QByteArrayView bytes) {
  QList<WebSocketReader::Event> events;
  connection.reader.Feed(bytes, events);
  using Kind = WebSocketReader::Event::Kind;
  for (const WebSocketReader::Event& event : events) {
    switch (event.kind) {
      case Kind::Text: {
        const WebSender sender{connection.listed, connection.waiting >= limits_.mostWaitingControls};
        const WebPageInput::Reply reply = input_.Arrived(
            {connection.id, OscEndpointText(connection.Peer(), sizeof connection.peer), sender, event.payload,
             RemoteClock::now()});
        connection.waiting += reply.handedOn;
        if (!reply.answer.isEmpty()) Write(connection, WebSocketFrame(WebSocketOpcode::kText, reply.answer));
        break;
      }
      case Kind::Ping: Write(connection, WebSocketFrame(WebSocketOpcode::kPong, event.payload)); break;
      case Kind::Close:
      case Kind::Fault:
        LeaveView(connection);
        EndAfterWriting(connection);
        Write(connection, WebSocketFrame(WebSocketOpcode::kClose, event.payload));
        break;
      case Kind::Binary:
      case Kind::Pong: break;
    }
    if (connection.doomed) return;
  }
}

void WebServerLoop::ReadToDiscard(Connection& connection) {
  char bytes[kWebReadBytes];
  const ssize_t read = ::recv(connection.fd, bytes, sizeof bytes, 0);
  if (read < 0 && (WebWouldBlock() || errno == EINTR)) return;
  connection.discarded += std::max<ssize_t>(read, 0);
  if (read <= 0 || connection.discarded > kWebMostLingerBytes) Doom(connection);
}

bool WebServerLoop::Write(Connection& connection, const QByteArray& bytes) {
  if (connection.doomed) return false;
  if (connection.phase == WebPhase::Page && connection.outBytes > limits_.queueBytes) {
    ++dropped_;
    Doom(connection);
    return false;
  }
  if (!connection.out.isEmpty()) {
    connection.out.append(bytes);
    connection.outBytes += bytes.size();
    return true;
  }
  ssize_t sent = ::send(connection.fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
  if (sent < 0 && !WebWouldBlock() && errno != EINTR) {
    Doom(connection);
    return false;
  }
  sent = std::max<ssize_t>(sent, 0);
  if (sent == bytes.size()) {
    if (connection.endWhenWritten) Linger(connection, WebNowMs());
    return true;
  }
  connection.out.append(bytes);
  connection.outOffset = sent;
  connection.outBytes = bytes.size() - sent;
  Watch(connection);
  return true;
}

void WebServerLoop::Flush(Connection& connection, qint64 now) {
  while (!connection.out.isEmpty()) {
    const QByteArray& first = connection.out.first();
    const ssize_t sent = ::send(connection.fd, first.constData() + connection.outOffset,
                                size_t(first.size() - connection.outOffset), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent < 0) {
      if (!WebWouldBlock() && errno != EINTR) Doom(connection);
      return;
    }
    connection.outBytes -= sent;
    connection.outOffset += sent;
    if (connection.outOffset < first.size()) return;
    connection.out.removeFirst();
    connection.outOffset = 0;
  }
  connection.out = {};  // an idle connection keeps no queue
  Watch(connection);
  if (connection.endWhenWritten) return Linger(connection, now);
  if (connection.phase == WebPhase::Request) AnswerRequests(connection, now);
}

void WebServerLoop::Refuse(Connection& connection, int status) {
  LeaveView(connection);
  EndAfterWriting(connection);
  Write(connection, WebRefusalAnswer(status));
}

void WebServerLoop::EndAfterWriting(Connection& connection) { connection.endWhenWritten = true; }

void WebServerLoop::Linger(Connection& connection, qint64 now) {
  if (connection.phase == WebPhase::Lingering) return;
  LeaveView(connection);
  connection.phase = WebPhase::Lingering;
  connection.in = {};
  ::shutdown(connection.fd, SHUT_WR);
  SetDeadline(connection, now + kWebLingerMs);
  Watch(connection);
}
