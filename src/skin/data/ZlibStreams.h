// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Streams that deflate what is written to them into another stream, or inflate what is read
// from them out of another stream. Both move data through one 4096-byte exchange buffer and
// produce or take a plain zlib stream (two header bytes, deflate data, Adler-32 trailer).
#include <zlib.h>

#include <functional>
#include <limits>

#include "platform/Exceptions.h"
#include "platform/Streams.h"

class EZlibError : public Exception {
 public:
  using Exception::Exception;
};
class ECompressionError : public EZlibError {
 public:
  using EZlibError::EZlibError;
};
class EDecompressionError : public EZlibError {
 public:
  using EZlibError::EZlibError;
};

enum class CompressionLevel { None, Fastest, Default, Max };

// The zlib level a compression level stands for (zlib's own default is -1).
int ZlibLevel(CompressionLevel level);

class TCustomZlibStream : public TStream {
 public:
  static constexpr std::int32_t BufferSize = 4096;

  // Fired after each buffer exchange with the compressed side.
  std::function<void(TCustomZlibStream& sender)> OnProgress;

 protected:
  explicit TCustomZlibStream(TStream& stream);
  void Progress();
  // Puts the compressed side back where this stream last left it, in case someone moved it.
  void RestoreStreamPosition();

  TStream& stream_;  // the compressed side, not owned
  std::int64_t streamPosition_;
  z_stream zrec_{};
  char buffer_[BufferSize];
};

class TCompressionStream : public TCustomZlibStream {
 public:
  TCompressionStream(CompressionLevel level, TStream& destination);
  // Flushes what is left unless Finish already did; errors here are swallowed, so callers
  // that need to know call Finish first.
  ~TCompressionStream() override;

  std::int32_t Read(void* buffer, std::int32_t count) override;
  std::int32_t Write(const void* buffer, std::int32_t count) override;
  // Only Seek(0, soFromCurrent) is allowed: the number of bytes taken in so far.
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;

  // Writes the rest of the zlib stream to the destination and ends compression. Further
  // writes are not possible afterwards.
  void Finish();

 private:
  bool finished_ = false;
};

class TDecompressionStream : public TCustomZlibStream {
 public:
  explicit TDecompressionStream(TStream& source);
  ~TDecompressionStream() override;

  // Returns fewer bytes than asked for when the compressed data ends (or the zlib stream is
  // complete); bytes after the end of the zlib stream are never read.
  std::int32_t Read(void* buffer, std::int32_t count) override;
  std::int32_t Write(const void* buffer, std::int32_t count) override;
  // Seek(0, soFromBeginning) restarts; forward seeks skip by reading; others raise.
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;

 private:
  std::int64_t startPosition_;
  bool streamEnded_ = false;
};

// Compresses the whole source (from its start) at the highest level onto the destination.
void CompressStream(TStream& source, TStream& destination);
// Inflates the whole source (from its start) onto the destination, 4096 bytes at a time; data
// that ends early gives what could be inflated. A few kilobytes may inflate to gigabytes, so
// more than `maxBytes` raises EDecompressionError once that much is written.
void DecompressStream(TStream& destination, TStream& source,
                      std::int64_t maxBytes = std::numeric_limits<std::int64_t>::max());
