// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/WebServerLoop.h"

#include <netinet/in.h>
#include <pthread.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <string_view>

#include "remote/WebAnswers.h"
#include "remote/WebServerConnection.h"

namespace {

// Rule 1: a connection waiting for an accept is taken in the next turn when more wait than this,
// so that the pages' writes come in between; accepting pauses this long when the process is out
// of files, instead of spinning.
constexpr int kMostAcceptsPerTurn = 256;
constexpr qint64 kAcceptPauseMs = 100;
constexpr int kMostEventsPerTurn = 512;
constexpr quint64 kListenId = 0;
constexpr quint64 kWakeId = ~quint64(0);

}  // namespace

OscAllowList WebControlFromThisMachine() {
  QString error;
  return *OscAllowList::Parse(QLatin1String(kWebControlFromThisMachine), error);
}

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
    const int ready = ::epoll_wait(epoll_, events, kMostEventsPerTurn, NextTimeout(WebNowMs()));
    const qint64 now = WebNowMs();
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
      ++refused_;  // counted before the peer can tell
      const QByteArray refusal = WebRefusalAnswer(503);
      (void)::send(fd, refusal.constData(), size_t(refusal.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
      ::close(fd);
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
    case WebPhase::Request: ReadRequest(connection, now); break;
    case WebPhase::Page: ReadPage(connection); break;
    case WebPhase::Lingering: ReadToDiscard(connection); break;
  }
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
    if (!command.message.isEmpty() && page.phase == WebPhase::Page)
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

void WebServerLoop::Watch(Connection& connection) {
  // A connection that still has to write an answer reads nothing meanwhile: a request's bytes
  // wait in the kernel, and a peer that never reads cannot make this loop spin.
  std::uint32_t wanted = EPOLLIN;
  if (!connection.out.isEmpty()) wanted = connection.phase == WebPhase::Page ? EPOLLIN | EPOLLOUT : EPOLLOUT;
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
    if (found == connections_.end() || found->second->deadline != at || found->second->phase == WebPhase::Page) continue;
    if (found->second->phase == WebPhase::Request) ++timedOut_;
    Doom(*found->second);
  }
}
