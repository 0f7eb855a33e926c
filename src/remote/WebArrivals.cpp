// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/WebArrivals.h"

#include <linux/sockios.h>
#include <linux/tcp.h>
#include <netinet/in.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

namespace {

// Notes kept per connection at most: a page that floods its socket forgets its oldest.
constexpr std::size_t kNotesAtMost = 1024;
constexpr int kEventsAtOnce = 64;

// The bytes the connection has received in all, as the kernel counts them.
std::optional<qint64> ReceivedInAll(int socket) {
  tcp_info info{};
  socklen_t length = sizeof info;
  if (::getsockopt(socket, IPPROTO_TCP, TCP_INFO, &info, &length) != 0 ||
      length < offsetof(tcp_info, tcpi_bytes_received) + sizeof info.tcpi_bytes_received)
    return std::nullopt;
  return qint64(info.tcpi_bytes_received);
}

}  // namespace

void ArrivalLedger::Noted(RemoteClock::time_point at, qint64 receivedInAll) {
  if (!notes_.empty() && notes_.back().second >= receivedInAll) return;  // nothing new
  if (notes_.size() == kNotesAtMost) notes_.pop_front();
  notes_.emplace_back(at, receivedInAll);
}

RemoteClock::time_point ArrivalLedger::FrameArrived(qint64 frameBytes, RemoteClock::time_point now) {
  consumed_ += frameBytes;
  // Notes before the frame's last byte are of frames handled already.
  while (!notes_.empty() && notes_.front().second < consumed_) notes_.pop_front();
  return notes_.empty() ? now : std::min(notes_.front().first, now);
}

qint64 PageFrameBytes(qint64 payloadBytes) {
  const qint64 length = payloadBytes < 126 ? 0 : payloadBytes <= 0xFFFF ? 2 : 8;
  return 2 + length + 4 + payloadBytes;  // head, extended length, mask, payload
}

struct WebArrivals::Watch {
  int poll = -1;
  int wake = -1;  // tells the thread to end
  std::mutex mutex;
  std::map<int, ArrivalLedger> ledgers;
  std::thread thread;

  void Run() {
    epoll_event events[kEventsAtOnce];
    for (;;) {
      const int ready = ::epoll_wait(poll, events, kEventsAtOnce, -1);
      if (ready < 0 && errno != EINTR) return;
      const RemoteClock::time_point now = RemoteClock::now();
      for (int i = 0; i < ready; ++i) {
        const int socket = events[i].data.fd;
        if (socket == wake) return;
        const std::optional<qint64> received = ReceivedInAll(socket);
        const std::lock_guard lock(mutex);
        const auto ledger = ledgers.find(socket);
        if (received && ledger != ledgers.end()) ledger->second.Noted(now, *received);
      }
    }
  }
};

WebArrivals::WebArrivals() : watch_(std::make_unique<Watch>()) {
  watch_->poll = ::epoll_create1(EPOLL_CLOEXEC);
  watch_->wake = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (watch_->poll < 0 || watch_->wake < 0) return;
  epoll_event event{};
  event.events = EPOLLIN;
  event.data.fd = watch_->wake;
  ::epoll_ctl(watch_->poll, EPOLL_CTL_ADD, watch_->wake, &event);
  watch_->thread = std::thread([watch = watch_.get()] { watch->Run(); });
}

WebArrivals::~WebArrivals() {
  if (watch_->thread.joinable()) {
    const std::uint64_t one = 1;
    (void)::write(watch_->wake, &one, sizeof one);
    watch_->thread.join();
  }
  for (const int fd : {watch_->poll, watch_->wake})
    if (fd >= 0) ::close(fd);
}

bool WebArrivals::Follow(int socket) {
  if (!watch_->thread.joinable() || socket < 0) return false;
  const std::optional<qint64> received = ReceivedInAll(socket);
  int unread = 0;
  if (!received || ::ioctl(socket, SIOCINQ, &unread) != 0) return false;
  {
    const std::lock_guard lock(watch_->mutex);
    watch_->ledgers.insert_or_assign(socket, ArrivalLedger(*received - unread));
  }
  // Edge-triggered: each arrival wakes the thread once, whether or not the window has read yet.
  epoll_event event{};
  event.events = EPOLLIN | EPOLLET;
  event.data.fd = socket;
  if (::epoll_ctl(watch_->poll, EPOLL_CTL_ADD, socket, &event) == 0 || errno == EEXIST) return true;
  Forget(socket);
  return false;
}

void WebArrivals::Forget(int socket) {
  ::epoll_ctl(watch_->poll, EPOLL_CTL_DEL, socket, nullptr);
  const std::lock_guard lock(watch_->mutex);
  watch_->ledgers.erase(socket);
}

RemoteClock::time_point WebArrivals::MessageArrived(int socket, qint64 payloadBytes) {
  const RemoteClock::time_point now = RemoteClock::now();
  const std::lock_guard lock(watch_->mutex);
  const auto ledger = watch_->ledgers.find(socket);
  return ledger == watch_->ledgers.end() ? now : ledger->second.FrameArrived(PageFrameBytes(payloadBytes), now);
}
