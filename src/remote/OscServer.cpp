// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/OscServer.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>

#include "platform/StandardErrorDialogs.h"

namespace {

// The largest datagram read whole (UDP's own limit); a longer one arrives cut and is ignored.
constexpr int kDatagramBytes = 65536;
// Asked of the kernel (which may grant less, or double it): a cue system's "fire all" of a few
// thousand cues, with their datagrams' overhead, while a long send holds the event loop.
constexpr int kReceiveBufferBytes = 2 * 1024 * 1024;
// Read in one readable moment at most, so that a flood cannot hold the event loop in the read.
constexpr int kDatagramsReadAtOnce = 4096;
// The queue's bounds: far beyond any show's cue list, small beside the machine's memory.
constexpr std::size_t kQueuedDatagramsAtMost = 20000;
constexpr qint64 kQueuedBytesAtMost = 16 * 1024 * 1024;
// Cues run in one turn when none of them sends (state, selection, garbage): cheap, but bounded.
constexpr int kCuesPerTurn = 256;

QString SystemError(const char* step) {
  return QStringLiteral("%1: %2").arg(QLatin1String(step), QString::fromLocal8Bit(std::strerror(errno)));
}

std::chrono::nanoseconds SinceEpoch(const timespec& time) {
  return std::chrono::seconds(time.tv_sec) + std::chrono::nanoseconds(time.tv_nsec);
}

struct Arrival {
  RemoteClock::time_point at;
  std::optional<std::uint32_t> kernelDrops;  // the socket's running count, when the kernel gave it
};

// When the datagram reached the machine, so that two cues queued behind a long send are still
// told apart by when they came; and how many the kernel has dropped so far. The kernel stamps it
// on the wall clock: it is carried over to the remote inputs' steady clock by how long ago it was.
Arrival ArrivalOf(msghdr& header) {
  Arrival arrival;
  arrival.at = RemoteClock::now();
  for (cmsghdr* control = CMSG_FIRSTHDR(&header); control != nullptr; control = CMSG_NXTHDR(&header, control)) {
    if (control->cmsg_level != SOL_SOCKET) continue;
    if (control->cmsg_type == SCM_TIMESTAMPNS) {
      timespec stamp{}, now{};
      std::memcpy(&stamp, CMSG_DATA(control), sizeof stamp);
      ::clock_gettime(CLOCK_REALTIME, &now);
      const std::chrono::nanoseconds ago = SinceEpoch(now) - SinceEpoch(stamp);
      // A wall clock set back meanwhile would put the arrival after now: it came no later than now.
      if (ago > std::chrono::nanoseconds::zero())
        arrival.at -= std::chrono::duration_cast<RemoteClock::duration>(ago);
    } else if (control->cmsg_type == SO_RXQ_OVFL) {
      std::uint32_t drops = 0;
      std::memcpy(&drops, CMSG_DATA(control), sizeof drops);
      arrival.kernelDrops = drops;
    }
  }
  return arrival;
}

}  // namespace

OscServer::OscServer(RemoteControl& target, QObject* parent) : QObject(parent), dispatcher_(target) {
  next_ = new QTimer(this);
  next_->setSingleShot(true);
  next_->setInterval(0);
  QObject::connect(next_, &QTimer::timeout, this, [this] { RunQueued(); });
}

OscServer::~OscServer() {
  delete notifier_;
  if (fd_ >= 0) ::close(fd_);
}

bool OscServer::Listen(const OscEndpoint& endpoint, QString& error) {
  const int fd = ::socket(endpoint.address.ss_family, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    error = SystemError("socket");
    return false;
  }
  const int on = 1;
  ::setsockopt(fd, SOL_SOCKET, SO_TIMESTAMPNS, &on, sizeof on);
  ::setsockopt(fd, SOL_SOCKET, SO_RXQ_OVFL, &on, sizeof on);
  // Beyond the system's cap where the console may (CAP_NET_ADMIN), else up to it.
  if (::setsockopt(fd, SOL_SOCKET, SO_RCVBUFFORCE, &kReceiveBufferBytes, sizeof kReceiveBufferBytes) != 0)
    ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &kReceiveBufferBytes, sizeof kReceiveBufferBytes);
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&endpoint.address), endpoint.length) != 0) {
    error = QStringLiteral("cannot listen on %1: %2")
                .arg(OscEndpointText(reinterpret_cast<const sockaddr*>(&endpoint.address), endpoint.length),
                     QString::fromLocal8Bit(std::strerror(errno)));
    ::close(fd);
    return false;
  }
  fd_ = fd;
  notifier_ = new QSocketNotifier(qintptr(fd_), QSocketNotifier::Read);
  QObject::connect(notifier_, &QSocketNotifier::activated, this, [this] { ReadPending(); });
  return true;
}

QString OscServer::Address() const {
  sockaddr_storage address{};
  socklen_t length = sizeof address;
  if (fd_ < 0 || ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0) return {};
  return OscEndpointText(reinterpret_cast<const sockaddr*>(&address), length);
}

int OscServer::ReceiveBufferBytes() const {
  int bytes = 0;
  socklen_t length = sizeof bytes;
  if (fd_ < 0 || ::getsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &bytes, &length) != 0) return 0;
  return bytes;
}

void OscServer::ReadPending() {
  Drain();
  // The cues run from the event loop, one send a turn, never inside a running cue.
  if (!queue_.empty() && !running_ && !next_->isActive()) next_->start();
}

void OscServer::Drain() {
  for (int i = 0; i < kDatagramsReadAtOnce && fd_ >= 0; ++i) {
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(timespec)) + CMSG_SPACE(sizeof(std::uint32_t))];
    Queued datagram;
    buffer_.resize(kDatagramBytes);
    iovec piece{buffer_.data(), std::size_t(buffer_.size())};
    msghdr header{};
    header.msg_name = &datagram.sender;
    header.msg_namelen = sizeof datagram.sender;
    header.msg_iov = &piece;
    header.msg_iovlen = 1;
    header.msg_control = control;
    header.msg_controllen = sizeof control;
    const ssize_t size = ::recvmsg(fd_, &header, MSG_DONTWAIT);
    if (size < 0) return;  // nothing more waiting (or an error the next datagram may not have)
    const Arrival arrival = ArrivalOf(header);
    if (arrival.kernelDrops) overflowed_ = std::max<qint64>(overflowed_, *arrival.kernelDrops);
    datagram.senderLength = header.msg_namelen;
    const auto* from = reinterpret_cast<const sockaddr*>(&datagram.sender);
    if (allowed_ && !allowed_->Allows(from, datagram.senderLength)) {
      ++unlisted_;  // not answered: a sender we do not know learns nothing of the console
      continue;
    }
    if (header.msg_flags & MSG_TRUNC) {
      ++ignored_;
      continue;
    }
    if (queue_.size() >= kQueuedDatagramsAtMost || queuedBytes_ + size > kQueuedBytesAtMost) {
      if (dropped_++ == 0)
        SayOnStandardError(QStringLiteral("OSC cues come faster than they run (%1 waiting); dropping what comes until "
                                          "fewer wait")
                               .arg(queue_.size()));
      continue;
    }
    datagram.bytes = QByteArray(buffer_.constData(), size);
    datagram.arrival = arrival.at;
    queuedBytes_ += size;
    queue_.push_back(std::move(datagram));
  }
}

void OscServer::RunQueued() {
  if (running_) return;
  running_ = true;
  for (int i = 0; i < kCuesPerTurn && !queue_.empty(); ++i) {
    const Queued datagram = std::move(queue_.front());
    queue_.pop_front();
    queuedBytes_ -= datagram.bytes.size();
    const auto* from = reinterpret_cast<const sockaddr*>(&datagram.sender);
    const QString source = QStringLiteral("osc ") + OscEndpointText(from, datagram.senderLength);
    const OscAnswer answer = dispatcher_.Dispatch(datagram.bytes, datagram.arrival, source);
    if (answer.outcome == OscOutcome::Ignored) {
      ++ignored_;
      continue;
    }
    ++answered_;
    for (const QByteArray& reply : answer.replies)
      ::sendto(fd_, reply.constData(), std::size_t(reply.size()), MSG_DONTWAIT, from, datagram.senderLength);
    if (answer.sends > 0) break;  // the window's turn before the next send
  }
  running_ = false;
  if (!queue_.empty()) next_->start();
}
