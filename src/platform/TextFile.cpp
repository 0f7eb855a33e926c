// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>
#include <limits>

#include "platform/InOutError.h"

namespace {

constexpr char kCtrlZ = 0x1A;
constexpr qsizetype kMaxNumberLength = 32;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

}  // namespace

std::optional<QByteArray> ReadFileBytes(const QString& path, int& error) {
  // Not blocking on open: a named pipe chosen by mistake must not hang the console.
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    error = errno;
    return std::nullopt;
  }
  struct stat info {};
  const bool known = ::fstat(fd, &info) == 0;
  if (!known || !S_ISREG(info.st_mode)) {
    // Folders, pipes and devices are no files to read a show from (a device may never end).
    error = !known ? errno : S_ISDIR(info.st_mode) ? EISDIR : EACCES;
    ::close(fd);
    return std::nullopt;
  }
  if (info.st_size > kMaxFileBytes) {
    error = ENOMEM;
    ::close(fd);
    return std::nullopt;
  }
  // Read straight into the result, with a byte to spare so that the end is seen without a grow;
  // a file that grows while it is read is read on to its new end.
  QByteArray bytes;
  bytes.resize(qsizetype(info.st_size) + 1);
  qsizetype size = 0;
  for (;;) {
    if (size == bytes.size()) bytes.resize(size + 65536);
    const ssize_t n = ::read(fd, bytes.data() + size, std::size_t(bytes.size() - size));
    if (n > 0 && size + n > kMaxFileBytes) {  // it grew while being read
      error = ENOMEM;
      ::close(fd);
      return std::nullopt;
    } else if (n > 0) {
      size += n;
    } else if (n == 0) {
      break;
    } else if (errno != EINTR) {
      error = errno;
      ::close(fd);
      return std::nullopt;
    }
  }
  ::close(fd);
  bytes.truncate(size);
  return bytes;
}

TTextReader::TTextReader(QByteArray bytes) : bytes_(std::move(bytes)) {
  const qsizetype ctrlZ = bytes_.indexOf(kCtrlZ);
  end_ = ctrlZ < 0 ? bytes_.size() : ctrlZ;
}

TTextReader TTextReader::FromFile(const QString& path) {
  int error = 0;
  std::optional<QByteArray> bytes = ReadFileBytes(path, error);
  if (!bytes) throw InOutErrorForErrno(error, path);
  return TTextReader(std::move(*bytes));
}

namespace {

// ParseDecimalInt32 with the value in `out`: a show has three numbers a line, and handing an
// optional back through memory costs more than parsing one of them.
bool ParseDecimal(QByteArrayView token, std::int32_t& out) {
  // Up to nine digits without a sign cannot overflow: the common case, without the checks.
  if (!token.isEmpty() && token.size() <= 9) {
    std::uint32_t value = 0;
    bool digits = true;
    for (const char c : token) {
      digits &= c >= '0' && c <= '9';
      value = value * 10 + std::uint32_t(c - '0');
    }
    if (digits) {
      out = std::int32_t(value);
      return true;
    }
  }
  qsizetype i = 0;
  bool negative = false;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) negative = token[i++] == '-';
  if (i == token.size()) return false;
  // Accumulate as a negative magnitude so that the lowest value fits.
  std::int64_t value = 0;
  for (; i < token.size(); ++i) {
    const char c = token[i];
    if (c < '0' || c > '9') return false;
    value = value * 10 - (c - '0');
    if (value < std::int64_t(std::numeric_limits<std::int32_t>::min())) return false;
  }
  if (!negative) {
    value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) return false;
  }
  out = std::int32_t(value);
  return true;
}

}  // namespace

std::optional<std::int32_t> ParseDecimalInt32(QByteArrayView token) {
  std::int32_t value = 0;
  if (!ParseDecimal(token, value)) return std::nullopt;
  return value;
}

std::int32_t TTextReader::ReadInteger() {
  const char* data = bytes_.constData();
  while (pos_ < end_ && IsBlank(data[pos_])) ++pos_;
  if (pos_ >= end_) return 0;
  const qsizetype start = pos_;
  while (pos_ < end_ && pos_ - start < kMaxNumberLength && !IsBlank(data[pos_])) ++pos_;
  std::int32_t value = 0;
  if (!ParseDecimal(QByteArrayView(data + start, pos_ - start), value)) throw InOutError(kInvalidNumericInput);
  SkipLine();
  return value;
}

QByteArray TTextReader::ReadLine() { return ReadLineView().toByteArray(); }

QByteArrayView TTextReader::ReadLineView() {
  const qsizetype start = pos_;
  qsizetype lf = NextLineFeed();
  if (lf > end_) lf = end_;
  qsizetype stop = lf;
  if (lf < end_ && stop > start && bytes_[stop - 1] == '\r') --stop;
  pos_ = lf < end_ ? lf + 1 : end_;
  return QByteArrayView(bytes_.constData() + start, stop - start);
}

void TTextReader::SkipLine() {
  // Most numbers end their line right away: look at the next two bytes before searching.
  const char* data = bytes_.constData();
  for (qsizetype at = pos_; at < pos_ + 2 && at < bytes_.size(); ++at) {
    if (data[at] != '\n') continue;
    pos_ = at >= end_ ? end_ : at + 1;
    return;
  }
  const qsizetype lf = NextLineFeed();
  pos_ = lf >= end_ ? end_ : lf + 1;
}

qsizetype TTextReader::NextLineFeed() const {
  // memchr: a show has several lines per caption, and the library's search costs a call more.
  const char* data = bytes_.constData();
  const void* lf = pos_ < bytes_.size() ? std::memchr(data + pos_, '\n', std::size_t(bytes_.size() - pos_)) : nullptr;
  return lf ? static_cast<const char*>(lf) - data : bytes_.size();
}
