// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/CommPort.h"

#include <QFile>
#include <QSerialPortInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace {

speed_t SpeedFor(std::uint32_t baud) {
  switch (baud) {
    case 300: return B300;
    case 600: return B600;
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    case 230400: return B230400;
    default: return B0;
  }
}

std::uint32_t BaudFor(speed_t speed) {
  for (std::uint32_t baud : {300u, 600u, 1200u, 2400u, 4800u, 9600u, 19200u, 38400u, 57600u, 115200u, 230400u})
    if (SpeedFor(baud) == speed) return baud;
  return 0;
}

long long NowMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts.tv_sec * 1000LL + ts.tv_nsec / 1000000;
}

// The ports of several signs fail on threads of their own at once: strerror's buffer is shared.
QString SystemMessage(int error) {
  char buffer[256] = {};
  return QString::fromLocal8Bit(strerror_r(error, buffer, sizeof buffer));
}

}  // namespace

TCommPort::~TCommPort() { Close(); }

QStringList TCommPort::AvailableDevices() {
  QStringList devices;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) devices << info.systemLocation();
  devices.sort();
  return devices;
}

bool TCommPort::Fail(const QString& what, int error) {
  error_ = error ? QStringLiteral("%1: %2").arg(what, SystemMessage(error)) : what;
  errorCode_ = error;
  failed_ = true;
  return false;
}

bool TCommPort::OpenDevice(const QString& devicePath) {
  Close();
  failed_ = false;
  error_.clear();
  errorCode_ = 0;
  device_ = devicePath;
  const QByteArray path = QFile::encodeName(devicePath);
  const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return Fail(devicePath, errno);
  termios probe{};
  if (::tcgetattr(fd, &probe) != 0) {
    const int error = errno;
    ::close(fd);
    return Fail(devicePath, error);
  }
  // Exclusive, as the platform opens ports: another program's open of the device (or of the
  // lock) fails while we hold it.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ioctl(fd, TIOCEXCL) != 0) {
    const int error = errno;
    ::close(fd);
    return Fail(devicePath, error == EWOULDBLOCK ? EBUSY : error);
  }
  fd_ = fd;
  return true;
}

bool TCommPort::GetCommState(TDCB& dcb) {
  termios tio{};
  if (fd_ < 0 || ::tcgetattr(fd_, &tio) != 0) return false;
  dcb.BaudRate = BaudFor(cfgetospeed(&tio));
  switch (tio.c_cflag & CSIZE) {
    case CS5: dcb.ByteSize = 5; break;
    case CS6: dcb.ByteSize = 6; break;
    case CS7: dcb.ByteSize = 7; break;
    default: dcb.ByteSize = 8; break;
  }
  if (!(tio.c_cflag & PARENB)) dcb.Parity = NOPARITY;
  else if (tio.c_cflag & CMSPAR) dcb.Parity = (tio.c_cflag & PARODD) ? MARKPARITY : SPACEPARITY;
  else dcb.Parity = (tio.c_cflag & PARODD) ? ODDPARITY : EVENPARITY;
  dcb.StopBits = (tio.c_cflag & CSTOPB) ? TWOSTOPBITS : ONESTOPBIT;
  return true;
}

bool TCommPort::SetCommState(const TDCB& dcb) {
  termios tio{};
  if (fd_ < 0 || ::tcgetattr(fd_, &tio) != 0) return false;
  // Raw line: no translation of bytes in either direction (0x0A must not become 0D 0A), no
  // echo or signals. Flow control bits are left as the device has them.
  tio.c_iflag &= ~tcflag_t(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL);
  tio.c_oflag &= ~tcflag_t(OPOST);
  tio.c_lflag &= ~tcflag_t(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  tio.c_cflag |= CLOCAL | CREAD;

  const speed_t speed = SpeedFor(dcb.BaudRate);
  if (speed != B0) {
    cfsetispeed(&tio, speed);
    cfsetospeed(&tio, speed);
  }
  tio.c_cflag &= ~tcflag_t(CSIZE);
  tio.c_cflag |= dcb.ByteSize == 5 ? CS5 : dcb.ByteSize == 6 ? CS6 : dcb.ByteSize == 7 ? CS7 : CS8;
  tio.c_cflag &= ~tcflag_t(PARENB | PARODD | CMSPAR);
  switch (dcb.Parity) {
    case ODDPARITY: tio.c_cflag |= PARENB | PARODD; break;
    case EVENPARITY: tio.c_cflag |= PARENB; break;
    case MARKPARITY: tio.c_cflag |= PARENB | PARODD | CMSPAR; break;
    case SPACEPARITY: tio.c_cflag |= PARENB | CMSPAR; break;
    default: break;
  }
  if (dcb.StopBits == ONESTOPBIT) tio.c_cflag &= ~tcflag_t(CSTOPB);
  else tio.c_cflag |= CSTOPB;
  return ::tcsetattr(fd_, TCSANOW, &tio) == 0;
}

bool TCommPort::WriteByte(std::uint8_t byte) {
  if (fd_ < 0 || failed_) return false;
  const long long deadline = NowMs() + StallTimeoutMs;
  for (;;) {
    const ssize_t written = ::write(fd_, &byte, 1);
    if (written == 1) return true;
    if (written < 0 && errno != EAGAIN && errno != EINTR) return Fail(QStringLiteral("write"), errno);
    const long long left = deadline - NowMs();
    if (left <= 0) return Fail(QStringLiteral("the device takes no data"), 0);
    pollfd pfd{fd_, POLLOUT, 0};
    const int ready = ::poll(&pfd, 1, int(left));
    if (ready < 0 && errno != EINTR) return Fail(QStringLiteral("write"), errno);
    if (ready > 0 && (pfd.revents & (POLLERR | POLLHUP | POLLNVAL)) && !(pfd.revents & POLLOUT))
      return Fail(QStringLiteral("the device went away"), 0);
  }
}

bool TCommPort::Close() {
  if (fd_ < 0) return !failed_;
  // Let the queued bytes leave, but never wait on a device that takes none of them for longer
  // than the bound: the kernel's own close would wait up to half a minute for them.
  long long deadline = NowMs() + StallTimeoutMs;
  int queued = 0, before = -1;
  while (!failed_ && ::ioctl(fd_, TIOCOUTQ, &queued) == 0 && queued > 0) {
    if (queued != before) deadline = NowMs() + StallTimeoutMs;
    before = queued;
    if (NowMs() >= deadline) {
      Fail(QStringLiteral("the device takes no data"), 0);
      break;
    }
    timespec pause{0, 2 * 1000 * 1000};
    nanosleep(&pause, nullptr);
  }
  if (failed_) ::tcflush(fd_, TCOFLUSH);
  ::ioctl(fd_, TIOCNXCL);  // the exclusive mark outlives us while anyone else holds the device
  ::flock(fd_, LOCK_UN);
  ::close(fd_);
  fd_ = -1;
  return !failed_;
}
