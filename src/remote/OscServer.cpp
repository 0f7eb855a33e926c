// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/OscServer.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <ctime>

namespace {

// The largest datagram read whole (UDP's own limit); a longer one arrives cut and is ignored.
constexpr int kDatagramBytes = 65536;
// Datagrams handled per wake-up: a flood cannot keep the window from painting and answering.
constexpr int kDatagramsAtOnce = 64;

QString SystemError(const char* step) {
  return QStringLiteral("%1: %2").arg(QLatin1String(step), QString::fromLocal8Bit(std::strerror(errno)));
}

qint64 Milliseconds(const timespec& time) { return qint64(time.tv_sec) * 1000 + time.tv_nsec / 1000000; }

// When the datagram reached the machine (the kernel's stamp), so that two cues queued behind a
// long send are still told apart by when they came.
qint64 ArrivalMs(msghdr& header) {
  for (cmsghdr* control = CMSG_FIRSTHDR(&header); control != nullptr; control = CMSG_NXTHDR(&header, control))
    if (control->cmsg_level == SOL_SOCKET && control->cmsg_type == SCM_TIMESTAMPNS) {
      timespec stamp{};
      std::memcpy(&stamp, CMSG_DATA(control), sizeof stamp);
      return Milliseconds(stamp);
    }
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  return Milliseconds(now);
}

}  // namespace

OscServer::OscServer(RemoteControl& target, GoGuard* goGuard, QObject* parent)
    : QObject(parent), dispatcher_(target, goGuard) {}

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

void OscServer::ReadPending() {
  // One cue at a time: a message box a cue's handler opens runs an event loop of its own, and
  // the cues behind wait in the socket until it is answered rather than run inside it.
  if (notifier_ != nullptr) notifier_->setEnabled(false);
  ReadSome();
  if (notifier_ != nullptr) notifier_->setEnabled(true);
}

void OscServer::ReadSome() {
  for (int i = 0; i < kDatagramsAtOnce && fd_ >= 0; ++i) {
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(timespec))];
    sockaddr_storage sender{};
    buffer_.resize(kDatagramBytes);
    iovec piece{buffer_.data(), std::size_t(buffer_.size())};
    msghdr header{};
    header.msg_name = &sender;
    header.msg_namelen = sizeof sender;
    header.msg_iov = &piece;
    header.msg_iovlen = 1;
    header.msg_control = control;
    header.msg_controllen = sizeof control;
    const ssize_t size = ::recvmsg(fd_, &header, MSG_DONTWAIT);
    if (size < 0) return;  // nothing more waiting (or an error the next datagram may not have)
    if (header.msg_flags & MSG_TRUNC) {
      ++ignored_;
      continue;
    }
    const auto* from = reinterpret_cast<const sockaddr*>(&sender);
    const QString source = QStringLiteral("osc ") + OscEndpointText(from, header.msg_namelen);
    const OscOutcome outcome = dispatcher_.Dispatch(QByteArrayView(buffer_.constData(), size), ArrivalMs(header), source);
    if (outcome == OscOutcome::Ignored) {
      ++ignored_;
      continue;
    }
    ++answered_;
    const QByteArray reply = OscStateReply(dispatcher_.Target().State());
    ::sendto(fd_, reply.constData(), std::size_t(reply.size()), MSG_DONTWAIT, from, header.msg_namelen);
  }
}
