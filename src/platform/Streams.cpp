// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/Streams.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>

namespace {

QString StreamFileName(const QString& fileName) { return QFileInfo(fileName).absoluteFilePath(); }

// Copies go through a bounded buffer so that a huge count never means a huge allocation.
constexpr std::int32_t CopyBufferSize = 0xF000;

}  // namespace

EReadError::EReadError() : EStreamError(QStringLiteral("Stream read error")) {}
EWriteError::EWriteError() : EStreamError(QStringLiteral("Stream write error")) {}
EFOpenError::EFOpenError(const QString& fileName, const QString& reason)
    : EStreamError(QStringLiteral("Cannot open file \"%1\". %2").arg(StreamFileName(fileName), reason)) {}
EFCreateError::EFCreateError(const QString& fileName, const QString& reason)
    : EStreamError(QStringLiteral("Cannot create file \"%1\". %2").arg(StreamFileName(fileName), reason)) {}

// ---- TStream ----

std::int64_t TStream::Size() {
  const std::int64_t position = Seek(0, soFromCurrent);
  const std::int64_t size = Seek(0, soFromEnd);
  Seek(position, soFromBeginning);
  return size;
}

void TStream::SetSize(std::int64_t) {}

void TStream::ReadBuffer(void* buffer, std::int32_t count) {
  if (count != 0 && Read(buffer, count) != count) throw EReadError();
}

void TStream::WriteBuffer(const void* buffer, std::int32_t count) {
  if (count != 0 && Write(buffer, count) != count) throw EWriteError();
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  const std::int64_t total = count;
  QByteArray buffer(static_cast<qsizetype>(std::min<std::int64_t>(std::max<std::int64_t>(count, 0), CopyBufferSize)),
                    Qt::Uninitialized);
  while (count > 0) {
    const auto piece = static_cast<std::int32_t>(std::min<std::int64_t>(count, CopyBufferSize));
    source.ReadBuffer(buffer.data(), piece);
    WriteBuffer(buffer.constData(), piece);
    count -= piece;
  }
  return std::max<std::int64_t>(total, 0);
}

std::int32_t TStream::ReadInt32() {
  unsigned char bytes[4];
  ReadBuffer(bytes, 4);
  return static_cast<std::int32_t>(std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 |
                                   std::uint32_t(bytes[2]) << 16 | std::uint32_t(bytes[3]) << 24);
}

void TStream::WriteInt32(std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  const unsigned char bytes[4] = {static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
                                  static_cast<unsigned char>(bits >> 16), static_cast<unsigned char>(bits >> 24)};
  WriteBuffer(bytes, 4);
}

// ---- TMemoryStream ----

std::int32_t TMemoryStream::Read(void* buffer, std::int32_t count) {
  if (count <= 0 || position_ >= data_.size()) return 0;
  const auto moved = static_cast<std::int32_t>(std::min<std::int64_t>(count, data_.size() - position_));
  std::copy_n(data_.constData() + position_, moved, static_cast<char*>(buffer));
  position_ += moved;
  return moved;
}

std::int32_t TMemoryStream::Write(const void* buffer, std::int32_t count) {
  if (count <= 0) return 0;
  // Writing past the end (after a seek beyond it) fills the gap with zeros.
  if (position_ + count > data_.size()) data_.resize(static_cast<qsizetype>(position_ + count), '\0');
  std::copy_n(static_cast<const char*>(buffer), count, data_.data() + position_);
  position_ += count;
  return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  switch (origin) {
    case soFromBeginning: position_ = offset; break;
    case soFromCurrent: position_ += offset; break;
    case soFromEnd: position_ = data_.size() + offset; break;
  }
  position_ = std::max<std::int64_t>(position_, 0);
  return position_;
}

void TMemoryStream::SetSize(std::int64_t size) {
  data_.resize(static_cast<qsizetype>(std::max<std::int64_t>(size, 0)), '\0');
  position_ = std::min<std::int64_t>(position_, data_.size());
}

void TMemoryStream::Clear() {
  data_.clear();
  position_ = 0;
}

void TMemoryStream::Assign(const QByteArray& bytes) {
  data_ = bytes;
  position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& source) {
  Clear();
  CopyFrom(source, 0);
  position_ = 0;
}

void TMemoryStream::SaveToStream(TStream& destination) const {
  std::int64_t done = 0;
  while (done < data_.size()) {
    const auto piece = static_cast<std::int32_t>(
        std::min<std::int64_t>(data_.size() - done, std::numeric_limits<std::int32_t>::max()));
    destination.WriteBuffer(data_.constData() + done, piece);
    done += piece;
  }
}

void TMemoryStream::LoadFromFile(const QString& fileName) {
  TFileStream file(fileName, fmOpenRead);
  LoadFromStream(file);
}

void TMemoryStream::SaveToFile(const QString& fileName) const {
  TFileStream file(fileName, fmCreate);
  SaveToStream(file);
}

// ---- TFileStream ----

TFileStream::TFileStream(const QString& fileName, unsigned mode)
    : fileName_(fileName), file_(std::make_unique<QFile>(fileName)) {
  if (mode == fmCreate) {
    if (!file_->open(QIODevice::ReadWrite | QIODevice::Truncate | QIODevice::Unbuffered))
      throw EFCreateError(fileName, file_->errorString());
    return;
  }
  QIODevice::OpenMode openMode = QIODevice::ReadOnly;
  if ((mode & 3) == fmOpenWrite) openMode = QIODevice::WriteOnly | QIODevice::ExistingOnly;
  if ((mode & 3) == fmOpenReadWrite) openMode = QIODevice::ReadWrite | QIODevice::ExistingOnly;
  // A directory opens as a file on some systems; it is never a stream.
  if (QFileInfo(fileName).isDir()) throw EFOpenError(fileName, QStringLiteral("Is a directory"));
  // Unbuffered, so that a failing write shows at once and not when the file closes.
  if (!file_->open(openMode | QIODevice::Unbuffered)) throw EFOpenError(fileName, file_->errorString());
}

TFileStream::~TFileStream() = default;

std::int32_t TFileStream::Read(void* buffer, std::int32_t count) {
  if (count <= 0) return 0;
  const qint64 moved = file_->read(static_cast<char*>(buffer), count);
  return moved < 0 ? 0 : static_cast<std::int32_t>(moved);
}

std::int32_t TFileStream::Write(const void* buffer, std::int32_t count) {
  if (count <= 0) return 0;
  const qint64 moved = file_->write(static_cast<const char*>(buffer), count);
  return moved < 0 ? 0 : static_cast<std::int32_t>(moved);
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  std::int64_t target = offset;
  if (origin == soFromCurrent) target += file_->pos();
  if (origin == soFromEnd) target += file_->size();
  if (target >= 0) file_->seek(target);
  return file_->pos();
}

std::int64_t TFileStream::Size() { return file_->size(); }

void TFileStream::SetSize(std::int64_t size) {
  if (!file_->resize(std::max<std::int64_t>(size, 0))) throw EWriteError();
}
