// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "sign/SignLineReader.h"

#include <fcntl.h>
#include <pty.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

// Every byte as it came: no translation, no flow control characters taken out of the stream.
void MakeRaw(termios& tio) {
  cfmakeraw(&tio);
  tio.c_iflag &= ~tcflag_t(INPCK | IXOFF);
  tio.c_cflag |= CREAD | CLOCAL;
  tio.c_cc[VMIN] = 1;
  tio.c_cc[VTIME] = 0;
}

// The console's line: 57600 baud, 8 data bits, mark parity, 1 stop bit.
void SetConsoleLine(termios& tio) {
  cfsetispeed(&tio, B57600);
  cfsetospeed(&tio, B57600);
  tio.c_cflag &= ~tcflag_t(CSIZE | CSTOPB);
  tio.c_cflag |= CS8 | PARENB | PARODD | CMSPAR;
}

}  // namespace

SignLineReader::SignLineReader(QObject* parent) : QObject(parent) {
  quiet_.setSingleShot(true);
  quiet_.setInterval(kQuietMs);
  connect(&quiet_, &QTimer::timeout, this, [this] { Report(decoder_.Flush()); });
}

SignLineReader::~SignLineReader() {
  notifier_.reset();
  if (fd_ >= 0) ::close(fd_);
  if (ptyKeepAlive_ >= 0) ::close(ptyKeepAlive_);
}

bool SignLineReader::Fail(const QString& what, int error) {
  error_ = QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(error)));
  return false;
}

bool SignLineReader::OpenPty() {
  char name[256] = {};
  termios tio{};
  MakeRaw(tio);
  int master = -1, slave = -1;
  if (::openpty(&master, &slave, name, &tio, nullptr) != 0) return Fail(QStringLiteral("pseudo-terminal"), errno);
  // The sign keeps its own hold on the console's end, so that the console closing the port
  // after each send does not end the line here.
  ::fcntl(master, F_SETFD, FD_CLOEXEC);
  ::fcntl(slave, F_SETFD, FD_CLOEXEC);
  ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
  fd_ = master;
  ptyKeepAlive_ = slave;
  devicePath_ = QString::fromLocal8Bit(name);
  Listen();
  return true;
}

bool SignLineReader::OpenDevice(const QString& path) {
  const QByteArray encoded = QFile::encodeName(path);
  const int fd = ::open(encoded.constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return Fail(path, errno);
  termios tio{};
  int error = 0;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
    error = errno == EWOULDBLOCK ? EBUSY : errno;
  else if (::tcgetattr(fd, &tio) != 0)
    error = errno;
  else {
    MakeRaw(tio);
    SetConsoleLine(tio);
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) error = errno;
  }
  if (error != 0) {
    ::close(fd);
    return Fail(path, error);
  }
  fd_ = fd;
  devicePath_ = path;
  Listen();
  return true;
}

void SignLineReader::Listen() {
  notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, &SignLineReader::ReadAvailable);
}

void SignLineReader::ReadAvailable() {
  if (StallReached()) return;
  char buffer[4096];
  std::int64_t room = sizeof buffer;
  if (stallAfter_ >= 0) room = std::min(room, stallAfter_ - received_);
  const ssize_t n = ::read(fd_, buffer, std::size_t(room));
  if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
  if (n <= 0) {
    // The device went away (a serial adapter pulled out, the other end of a pty closed).
    const int error = n < 0 ? errno : 0;
    Stop();
    Report(decoder_.Flush());
    emit Ended(error ? QString::fromLocal8Bit(std::strerror(error)) : tr("end of input"));
    return;
  }
  received_ += n;
  quiet_.start();
  Report(decoder_.Feed({reinterpret_cast<const std::uint8_t*>(buffer), std::size_t(n)}));
  StallReached();
}

bool SignLineReader::StallReached() {
  if (stallAfter_ < 0 || received_ < stallAfter_) return false;
  notifier_->setEnabled(false);
  emit Stalled(received_);
  return true;
}

void SignLineReader::Report(const std::vector<PacketReport>& reports) {
  for (const PacketReport& report : reports) emit Reported(report);
}

void SignLineReader::Stop() {
  notifier_->setEnabled(false);
  quiet_.stop();
}
