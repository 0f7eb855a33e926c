// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The platform's byte streams: an abstract stream with read, write and seek, an in-memory
// stream and a file stream, with the platform's stream errors.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>

#include "platform/Exceptions.h"

class EStreamError : public Exception {
 public:
  using Exception::Exception;
};
// Raised by ReadBuffer when fewer bytes arrive than asked for: "Stream read error".
class EReadError : public EStreamError {
 public:
  EReadError();
};
// Raised by WriteBuffer when fewer bytes are taken than given: "Stream write error".
class EWriteError : public EStreamError {
 public:
  EWriteError();
};
// A file that cannot be opened: "Cannot open file "<name>". <reason>".
class EFOpenError : public EStreamError {
 public:
  EFOpenError(const QString& fileName, const QString& reason);
};
// A file that cannot be created: "Cannot create file "<name>". <reason>".
class EFCreateError : public EStreamError {
 public:
  EFCreateError(const QString& fileName, const QString& reason);
};

enum TSeekOrigin { soFromBeginning = 0, soFromCurrent = 1, soFromEnd = 2 };

class TStream {
 public:
  TStream() = default;
  TStream(const TStream&) = delete;
  TStream& operator=(const TStream&) = delete;
  virtual ~TStream() = default;

  // Moves up to count bytes; returns how many were moved (0 at the end).
  virtual std::int32_t Read(void* buffer, std::int32_t count) = 0;
  virtual std::int32_t Write(const void* buffer, std::int32_t count) = 0;
  // Returns the new position.
  virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;

  std::int64_t Position() { return Seek(0, soFromCurrent); }
  void SetPosition(std::int64_t position) { Seek(position, soFromBeginning); }
  // The size found by seeking to the end and back.
  virtual std::int64_t Size();
  virtual void SetSize(std::int64_t size);

  // Read or write exactly count bytes, or raise EReadError / EWriteError.
  void ReadBuffer(void* buffer, std::int32_t count);
  void WriteBuffer(const void* buffer, std::int32_t count);
  // Copies count bytes from the source's current position; a count of 0 copies the whole
  // source from its start. Returns the number of bytes copied.
  std::int64_t CopyFrom(TStream& source, std::int64_t count);

  // Little-endian 32-bit integers, as the platform writes them.
  std::int32_t ReadInt32();
  void WriteInt32(std::int32_t value);
};

class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  // A stream over a copy of the bytes, positioned at the start.
  explicit TMemoryStream(QByteArray bytes) : data_(std::move(bytes)) {}

  std::int32_t Read(void* buffer, std::int32_t count) override;
  std::int32_t Write(const void* buffer, std::int32_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t Size() override { return data_.size(); }
  void SetSize(std::int64_t size) override;

  void Clear();
  const QByteArray& Memory() const { return data_; }
  // Replaces the content with the bytes and goes to the start.
  void Assign(const QByteArray& bytes);
  // Replaces the content with the whole source (from its start).
  void LoadFromStream(TStream& source);
  void SaveToStream(TStream& destination) const;
  void LoadFromFile(const QString& fileName);
  void SaveToFile(const QString& fileName) const;

 private:
  QByteArray data_;
  std::int64_t position_ = 0;
};

enum TFileMode : unsigned {
  fmOpenRead = 0x0000,
  fmOpenWrite = 0x0001,
  fmOpenReadWrite = 0x0002,
  fmCreate = 0xFFFF,
};

class QFile;

class TFileStream : public TStream {
 public:
  // Raises EFOpenError when the file cannot be opened, EFCreateError when fmCreate fails.
  TFileStream(const QString& fileName, unsigned mode);
  ~TFileStream() override;

  std::int32_t Read(void* buffer, std::int32_t count) override;
  std::int32_t Write(const void* buffer, std::int32_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t Size() override;
  void SetSize(std::int64_t size) override;

  const QString& FileName() const { return fileName_; }

 private:
  QString fileName_;
  std::unique_ptr<QFile> file_;
};
