// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/WebServerLoop.h"

#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <pthread.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDateTime>
#include <chrono>
#include <cstring>
#include <functional>
#include <string_view>

#include "remote/WebAnswers.h"
#include "remote/WebSocketFrames.h"

namespace {

// Rule 2: how long, and how much, a connection that ends after an answer may still send.
constexpr qint64 kLingerMs = 1000;
constexpr qsizetype kMostLingerBytes = 64 * 1024;
// Rule 1: a connection waiting for an accept is taken in the next turn when more wait than this,
// so that the pages' writes come in between; accepting pauses this long when the process is out
// of files, instead of spinning.
constexpr int kMostAcceptsPerTurn = 256;
constexpr qint64 kAcceptPauseMs = 100;
constexpr int kMostEventsPerTurn = 512;
constexpr std::size_t kReadBytes = 16 * 1024;
constexpr quint64 kListenId = 0;
constexpr quint64 kWakeId = ~quint64(0);

qint64 NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

bool WouldBlock() { return errno == EAGAIN || errno == EWOULDBLOCK; }

}  // namespace

OscAllowList WebControlFromThisMachine() {
  QString error;
  return *OscAllowList::Parse(QLatin1String(kWebControlFromThisMachine), error);
}

enum class Phase { Request, Page, Lingering };

struct WebServerLoop::Connection {
  Connection(quint64 id, int fd, qsizetype mostMessage) : id(id), fd(fd), reader(mostMessage) {}
  ~Connection() { ::close(fd); }

  quint64 id;
  int fd;
  PeerKey peerKey{};
  sockaddr_in6 peer{};  // or a sockaddr_in
  Phase phase = Phase::Request;
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

std::size_t WebServerLoop::PeerKeyHash::operator()(const PeerKey& key) const {
  return std::hash<std::string_view>()(std::string_view(reinterpret_cast<const char*>(key.data()), key.size()));
}

WebServerLoop::WebServerLoop(WebPageInput& input, WebAccess access, WebLimits limits)
    : input_(input), access_(std::move(access)), limits_(limits) {}

WebServerLoop::~WebServerLoop() {
  if (thread_.joinable()) {
    stopping_ = true;
    const std::uint64_t one = 1;
    (void)::write(wake_, &one, sizeof one);
    thread_.join();
  }
  connections_.clear();
  for (const int fd : {listen_, epoll_, wake_})
    if (fd >= 0) ::close(fd);
}

bool WebServerLoop::Listen(const OscEndpoint& endpoint, QString& error) {
  const auto* address = reinterpret_cast<const sockaddr*>(&endpoint.address);
  const auto fail = [&] {
    error = QStringLiteral("cannot listen on %1: %2")
                .arg(OscEndpointText(address, endpoint.length), QString::fromLocal8Bit(std::strerror(errno)));
    return false;
  };
  listen_ = ::socket(address->sa_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (listen_ < 0) return fail();
  const int on = 1;
  ::setsockopt(listen_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  if (::bind(listen_, address, endpoint.length) != 0 || ::listen(listen_, SOMAXCONN) != 0) return fail();
  sockaddr_storage bound{};
  socklen_t length = sizeof bound;
  ::getsockname(listen_, reinterpret_cast<sockaddr*>(&bound), &length);
  host_ = QHostAddress(reinterpret_cast<const sockaddr*>(&bound));
  port_ = bound.ss_family == AF_INET6 ? ntohs(reinterpret_cast<const sockaddr_in6*>(&bound)->sin6_port)
                                      : ntohs(reinterpret_cast<const sockaddr_in*>(&bound)->sin_port);
  epoll_ = ::epoll_create1(EPOLL_CLOEXEC);
  wake_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  if (epoll_ < 0 || wake_ < 0) return fail();
  epoll_event listening{EPOLLIN, {.u64 = kListenId}};
  epoll_event waking{EPOLLIN, {.u64 = kWakeId}};
  if (::epoll_ctl(epoll_, EPOLL_CTL_ADD, listen_, &listening) != 0 ||
      ::epoll_ctl(epoll_, EPOLL_CTL_ADD, wake_, &waking) != 0)
    return fail();
  thread_ = std::thread([this] { Run(); });
  return true;
}

void WebServerLoop::Publish(WebView view, const QByteArray& message, WebKeep keep) {
  Post({Command::Kind::Publish, view, keep, 0, message});
}

void WebServerLoop::Answer(quint64 page, const QByteArray& message) {
  Post({Command::Kind::Answer, WebView::Stage, WebKeep::None, page, message});
}

WebServerCounts WebServerLoop::Counts() const {
  return {connectionCount_.load(), pageCount_.load(), dropped_.load(), refused_.load(), timedOut_.load()};
}

void WebServerLoop::Post(Command command) {
  bool wake = false;
  {
    const std::lock_guard<std::mutex> lock(inboxMutex_);
    wake = inbox_.empty();  // else a wake-up is on its way already
    inbox_.push_back(std::move(command));
  }
  const std::uint64_t one = 1;
  if (wake && wake_ >= 0) (void)::write(wake_, &one, sizeof one);
}

void WebServerLoop::Run() {
  ::pthread_setname_np(::pthread_self(), "lumetra-web");
  epoll_event events[kMostEventsPerTurn];
  while (!stopping_) {
    const int ready = ::epoll_wait(epoll_, events, kMostEventsPerTurn, NextTimeout(NowMs()));
    const qint64 now = NowMs();
    for (int i = 0; i < ready; ++i) {
      const quint64 id = events[i].data.u64;
      if (id == kListenId) {
        Accept(now);
      } else if (id == kWakeId) {
        TakeInbox();
      } else if (const auto found = connections_.find(id); found != connections_.end() && !found->second->doomed) {
        Serve(*found->second, events[i].events, now);
      }
      CloseDoomed();
    }
    Sweep(now);
    CloseDoomed();
  }
}

int WebServerLoop::NextTimeout(qint64 now) const {
  qint64 next = -1;
  if (!deadlines_.empty()) next = deadlines_.top().first;
  if (acceptAgainAt_ != 0 && (next < 0 || acceptAgainAt_ < next)) next = acceptAgainAt_;
  return next < 0 ? -1 : int(std::clamp<qint64>(next - now + 1, 0, 60000));
}

void WebServerLoop::Accept(qint64 now) {
  for (int i = 0; i < kMostAcceptsPerTurn; ++i) {
    sockaddr_in6 peer{};
    socklen_t length = sizeof peer;
    const int fd = ::accept4(listen_, reinterpret_cast<sockaddr*>(&peer), &length, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
      if (errno == EINTR || errno == ECONNABORTED) continue;
      if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
        ::epoll_ctl(epoll_, EPOLL_CTL_DEL, listen_, nullptr);
        acceptAgainAt_ = now + kAcceptPauseMs;
      }
      return;
    }
    PeerKey key{};
    const auto* v4 = reinterpret_cast<const sockaddr_in*>(&peer);
    if (peer.sin6_family == AF_INET) {
      key[0] = AF_INET;
      std::memcpy(key.data() + 1, &v4->sin_addr, 4);
    } else if (IN6_IS_ADDR_V4MAPPED(&peer.sin6_addr)) {
      key[0] = AF_INET;  // an IPv4 client of an IPv6 socket counts as the IPv4 address it is
      std::memcpy(key.data() + 1, peer.sin6_addr.s6_addr + 12, 4);
    } else {
      key[0] = AF_INET6;
      std::memcpy(key.data() + 1, peer.sin6_addr.s6_addr, 16);
    }
    int& fromPeer = perPeer_[key];
    if (int(connections_.size()) >= limits_.mostConnections || fromPeer >= limits_.mostPerPeer) {
      if (fromPeer == 0) perPeer_.erase(key);
      const QByteArray refusal = WebRefusalAnswer(503);
      (void)::send(fd, refusal.constData(), size_t(refusal.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
      ::close(fd);
      ++refused_;
      continue;
    }
    ++fromPeer;
    auto connection = std::make_unique<Connection>(nextId_++, fd, limits_.incomingBytes);
    connection->peerKey = key;
    connection->peer = peer;
    connection->listed = access_.controlOffered && access_.controlFrom.Allows(connection->Peer(), length);
    SetDeadline(*connection, now + limits_.headMs);
    Watch(*connection);
    connections_.emplace(connection->id, std::move(connection));
    connectionCount_ = int(connections_.size());
  }
}

void WebServerLoop::Serve(Connection& connection, std::uint32_t events, qint64 now) {
  if (events & EPOLLOUT) Flush(connection, now);
  if (connection.doomed || !(events & (EPOLLIN | EPOLLHUP | EPOLLERR))) return;
  switch (connection.phase) {
    case Phase::Request: ReadRequest(connection, now); break;
    case Phase::Page: ReadPage(connection); break;
    case Phase::Lingering: ReadToDiscard(connection); break;
  }
}

void WebServerLoop::ReadRequest(Connection& connection, qint64 now) {
  // Never more than a head's bound is kept: what comes after waits in the kernel.
  const qsizetype room = limits_.headBytes - connection.in.size();
  if (room > 0) {
    char bytes[kReadBytes];
    const ssize_t read = ::recv(connection.fd, bytes, size_t(std::min<qsizetype>(room, sizeof bytes)), 0);
    if (read == 0 || (read < 0 && !WouldBlock() && errno != EINTR)) return Doom(connection);
    if (read > 0) connection.in.append(bytes, read);
  }
  AnswerRequests(connection, now);
}

void WebServerLoop::AnswerRequests(Connection& connection, qint64 now) {
  // One request at a time: the next is read once the answer before it has gone.
  while (connection.phase == Phase::Request && !connection.doomed && !connection.endWhenWritten &&
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
  connection.phase = Phase::Page;
  connection.view = subscription->view;
  std::vector<Connection*>& pages = pages_[std::size_t(connection.view)];
  connection.slot = qsizetype(pages.size());
  pages.push_back(&connection);
  ++pageCount_;
  // A page's messages are small and each one is news: none waits for the one before.
  const int on = 1;
  ::setsockopt(connection.fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  QByteArray greeting = WebUpgradeAnswer(key);
  greeting += WebSocketFrame(WebSocketOpcode::kText, WebHelloMessage(connection.listed));
  for (const QByteArray& kept : kept_[std::size_t(connection.view)])
    if (!kept.isEmpty()) greeting += WebSocketFrame(WebSocketOpcode::kText, kept);
  // Frames sent right behind the upgrade are the page's first.
  const QByteArray early = std::exchange(connection.in, {});
  if (Write(connection, greeting) && !early.isEmpty()) TakeFrames(connection, early);
}

void WebServerLoop::ReadPage(Connection& connection) {
  char bytes[kReadBytes];
  const ssize_t read = ::recv(connection.fd, bytes, sizeof bytes, 0);
  if (read == 0 || (read < 0 && !WouldBlock() && errno != EINTR)) return Doom(connection);
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
             QDateTime::currentMSecsSinceEpoch()});
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
  char bytes[kReadBytes];
  const ssize_t read = ::recv(connection.fd, bytes, sizeof bytes, 0);
  if (read < 0 && (WouldBlock() || errno == EINTR)) return;
  connection.discarded += std::max<ssize_t>(read, 0);
  if (read <= 0 || connection.discarded > kMostLingerBytes) Doom(connection);
}

void WebServerLoop::TakeInbox() {
  std::uint64_t count = 0;
  (void)::read(wake_, &count, sizeof count);
  std::vector<Command> commands;
  {
    const std::lock_guard<std::mutex> lock(inboxMutex_);
    commands.swap(inbox_);
  }
  for (const Command& command : commands) {
    if (command.kind == Command::Kind::Publish) {
      PublishNow(command);
      continue;
    }
    const auto found = connections_.find(command.page);
    if (found == connections_.end() || found->second->doomed) continue;
    Connection& page = *found->second;
    page.waiting = std::max(0, page.waiting - 1);
    if (!command.message.isEmpty() && page.phase == Phase::Page)
      Write(page, WebSocketFrame(WebSocketOpcode::kText, command.message));
  }
  CloseDoomed();
}

void WebServerLoop::PublishNow(const Command& command) {
  const auto view = std::size_t(command.view);
  if (command.keep != WebKeep::None) kept_[view][std::size_t(command.keep)] = command.message;
  const QByteArray frame = WebSocketFrame(WebSocketOpcode::kText, command.message);
  // A copy: dropping a page takes it out of the list.
  const std::vector<Connection*> pages = pages_[view];
  for (Connection* page : pages) Write(*page, frame);
}

bool WebServerLoop::Write(Connection& connection, const QByteArray& bytes) {
  if (connection.doomed) return false;
  if (connection.phase == Phase::Page && connection.outBytes > limits_.queueBytes) {
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
  if (sent < 0 && !WouldBlock() && errno != EINTR) {
    Doom(connection);
    return false;
  }
  sent = std::max<ssize_t>(sent, 0);
  if (sent == bytes.size()) {
    if (connection.endWhenWritten) Linger(connection, NowMs());
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
      if (!WouldBlock() && errno != EINTR) Doom(connection);
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
  if (connection.phase == Phase::Request) AnswerRequests(connection, now);
}

void WebServerLoop::Refuse(Connection& connection, int status) {
  LeaveView(connection);
  EndAfterWriting(connection);
  Write(connection, WebRefusalAnswer(status));
}

void WebServerLoop::EndAfterWriting(Connection& connection) { connection.endWhenWritten = true; }

void WebServerLoop::Linger(Connection& connection, qint64 now) {
  if (connection.phase == Phase::Lingering) return;
  LeaveView(connection);
  connection.phase = Phase::Lingering;
  connection.in = {};
  ::shutdown(connection.fd, SHUT_WR);
  SetDeadline(connection, now + kLingerMs);
  Watch(connection);
}

void WebServerLoop::Watch(Connection& connection) {
  // A connection that still has to write an answer reads nothing meanwhile: a request's bytes
  // wait in the kernel, and a peer that never reads cannot make this loop spin.
  std::uint32_t wanted = EPOLLIN;
  if (!connection.out.isEmpty()) wanted = connection.phase == Phase::Page ? EPOLLIN | EPOLLOUT : EPOLLOUT;
  if (wanted == connection.watching) return;
  epoll_event event{wanted, {.u64 = connection.id}};
  ::epoll_ctl(epoll_, connection.watching == 0 ? EPOLL_CTL_ADD : EPOLL_CTL_MOD, connection.fd, &event);
  connection.watching = wanted;
}

void WebServerLoop::SetDeadline(Connection& connection, qint64 at) {
  connection.deadline = at;
  deadlines_.push({at, connection.id});
}

void WebServerLoop::LeaveView(Connection& connection) {
  if (connection.slot < 0) return;
  std::vector<Connection*>& pages = pages_[std::size_t(connection.view)];
  Connection* last = pages.back();
  pages[std::size_t(connection.slot)] = last;
  last->slot = connection.slot;
  pages.pop_back();
  connection.slot = -1;
  --pageCount_;
}

void WebServerLoop::Doom(Connection& connection) {
  if (connection.doomed) return;
  LeaveView(connection);
  connection.doomed = true;
  doomed_.push_back(connection.id);
}

void WebServerLoop::CloseDoomed() {
  for (const quint64 id : doomed_) {
    const auto found = connections_.find(id);
    if (found == connections_.end()) continue;
    const auto peer = perPeer_.find(found->second->peerKey);
    if (peer != perPeer_.end() && --peer->second <= 0) perPeer_.erase(peer);
    connections_.erase(found);  // closes its socket, which leaves the epoll set with it
  }
  doomed_.clear();
  connectionCount_ = int(connections_.size());
}

void WebServerLoop::Sweep(qint64 now) {
  if (acceptAgainAt_ != 0 && now >= acceptAgainAt_) {
    epoll_event listening{EPOLLIN, {.u64 = kListenId}};
    ::epoll_ctl(epoll_, EPOLL_CTL_ADD, listen_, &listening);
    acceptAgainAt_ = 0;
  }
  while (!deadlines_.empty() && deadlines_.top().first <= now) {
    const auto [at, id] = deadlines_.top();
    deadlines_.pop();
    const auto found = connections_.find(id);
    // A connection's deadline moves on with each answer; an entry of an older one is left behind.
    if (found == connections_.end() || found->second->deadline != at || found->second->phase == Phase::Page) continue;
    if (found->second->phase == Phase::Request) ++timedOut_;
    Doom(*found->second);
  }
}
