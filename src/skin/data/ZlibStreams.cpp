// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/data/ZlibStreams.h"

namespace {

const QString InvalidStreamOperation = QStringLiteral("Invalid stream operation");

int CompressionCheck(int result) {
  if (result < 0) throw ECompressionError(QStringLiteral("error"));
  return result;
}

// A stream that asks for a preset dictionary can never be inflated here; without this check
// inflate would report the need without progress and the read loop would spin for ever.
int DecompressionCheck(int result) {
  if (result < 0 || result == Z_NEED_DICT) throw EDecompressionError(QStringLiteral("compression error"));
  return result;
}

}  // namespace

int ZlibLevel(CompressionLevel level) {
  switch (level) {
    case CompressionLevel::None: return Z_NO_COMPRESSION;
    case CompressionLevel::Fastest: return Z_BEST_SPEED;
    case CompressionLevel::Default: return Z_DEFAULT_COMPRESSION;
    case CompressionLevel::Max: return Z_BEST_COMPRESSION;
  }
  return Z_DEFAULT_COMPRESSION;
}

// ---- TCustomZlibStream ----

TCustomZlibStream::TCustomZlibStream(TStream& stream) : stream_(stream), streamPosition_(stream.Position()) {}

void TCustomZlibStream::Progress() {
  if (OnProgress) OnProgress(*this);
}

void TCustomZlibStream::RestoreStreamPosition() {
  if (stream_.Position() != streamPosition_) stream_.SetPosition(streamPosition_);
}

// ---- TCompressionStream ----

TCompressionStream::TCompressionStream(CompressionLevel level, TStream& destination) : TCustomZlibStream(destination) {
  zrec_.next_out = reinterpret_cast<Bytef*>(buffer_);
  zrec_.avail_out = BufferSize;
  CompressionCheck(deflateInit(&zrec_, ZlibLevel(level)));
}

TCompressionStream::~TCompressionStream() {
  try {
    Finish();
  } catch (...) {
    // A destructor cannot report; Finish has ended zlib in any case.
  }
}

std::int32_t TCompressionStream::Read(void*, std::int32_t) { throw ECompressionError(InvalidStreamOperation); }

std::int32_t TCompressionStream::Write(const void* buffer, std::int32_t count) {
  if (finished_) throw ECompressionError(InvalidStreamOperation);
  if (count <= 0) return 0;
  zrec_.next_in = static_cast<Bytef*>(const_cast<void*>(buffer));
  zrec_.avail_in = static_cast<uInt>(count);
  RestoreStreamPosition();
  while (zrec_.avail_in > 0) {
    CompressionCheck(deflate(&zrec_, Z_NO_FLUSH));
    if (zrec_.avail_out == 0) {
      stream_.WriteBuffer(buffer_, BufferSize);
      zrec_.next_out = reinterpret_cast<Bytef*>(buffer_);
      zrec_.avail_out = BufferSize;
      streamPosition_ = stream_.Position();
      Progress();
    }
  }
  return count;
}

std::int64_t TCompressionStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  if (offset == 0 && origin == soFromCurrent) return static_cast<std::int64_t>(zrec_.total_in);
  throw ECompressionError(InvalidStreamOperation);
}

void TCompressionStream::Finish() {
  if (finished_) return;
  finished_ = true;
  struct EndDeflate {
    z_stream& zrec;
    ~EndDeflate() { deflateEnd(&zrec); }
  } endDeflate{zrec_};

  zrec_.next_in = nullptr;
  zrec_.avail_in = 0;
  RestoreStreamPosition();
  while (CompressionCheck(deflate(&zrec_, Z_FINISH)) != Z_STREAM_END && zrec_.avail_out == 0) {
    stream_.WriteBuffer(buffer_, BufferSize);
    zrec_.next_out = reinterpret_cast<Bytef*>(buffer_);
    zrec_.avail_out = BufferSize;
  }
  if (zrec_.avail_out < static_cast<uInt>(BufferSize))
    stream_.WriteBuffer(buffer_, BufferSize - static_cast<std::int32_t>(zrec_.avail_out));
}

// ---- TDecompressionStream ----

TDecompressionStream::TDecompressionStream(TStream& source)
    : TCustomZlibStream(source), startPosition_(streamPosition_) {
  zrec_.next_in = reinterpret_cast<Bytef*>(buffer_);
  zrec_.avail_in = 0;
  DecompressionCheck(inflateInit(&zrec_));
}

TDecompressionStream::~TDecompressionStream() { inflateEnd(&zrec_); }

std::int32_t TDecompressionStream::Read(void* buffer, std::int32_t count) {
  if (count <= 0) return 0;
  zrec_.next_out = static_cast<Bytef*>(buffer);
  zrec_.avail_out = static_cast<uInt>(count);
  RestoreStreamPosition();
  // Once the zlib stream is complete nothing more can come; whatever follows it in the
  // source is not part of it and is left alone.
  while (zrec_.avail_out > 0 && !streamEnded_) {
    if (zrec_.avail_in == 0) {
      const std::int32_t got = stream_.Read(buffer_, BufferSize);
      if (got <= 0) break;
      zrec_.next_in = reinterpret_cast<Bytef*>(buffer_);
      zrec_.avail_in = static_cast<uInt>(got);
      streamPosition_ = stream_.Position();
      Progress();
    }
    if (DecompressionCheck(inflate(&zrec_, Z_NO_FLUSH)) == Z_STREAM_END) streamEnded_ = true;
  }
  return count - static_cast<std::int32_t>(zrec_.avail_out);
}

std::int32_t TDecompressionStream::Write(const void*, std::int32_t) {
  throw EDecompressionError(InvalidStreamOperation);
}

std::int64_t TDecompressionStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  const auto delivered = static_cast<std::int64_t>(zrec_.total_out);
  if (offset == 0 && origin == soFromBeginning) {
    // Restart where the compressed data began, which is not always the source's start.
    DecompressionCheck(inflateReset(&zrec_));
    zrec_.next_in = reinterpret_cast<Bytef*>(buffer_);
    zrec_.avail_in = 0;
    streamEnded_ = false;
    stream_.SetPosition(startPosition_);
    streamPosition_ = startPosition_;
  } else if ((offset >= 0 && origin == soFromCurrent) || (offset > delivered && origin == soFromBeginning)) {
    std::int64_t distance = origin == soFromBeginning ? offset - delivered : offset;
    char discard[BufferSize];
    while (distance > 0) {
      const auto piece = static_cast<std::int32_t>(std::min<std::int64_t>(distance, BufferSize));
      ReadBuffer(discard, piece);
      distance -= piece;
    }
  } else {
    throw EDecompressionError(InvalidStreamOperation);
  }
  return static_cast<std::int64_t>(zrec_.total_out);
}

// ---- whole-stream helpers ----

void CompressStream(TStream& source, TStream& destination) {
  source.SetPosition(0);
  TCompressionStream compressor(CompressionLevel::Max, destination);
  compressor.CopyFrom(source, 0);
  compressor.Finish();
}

void DecompressStream(TStream& destination, TStream& source, std::int64_t maxBytes) {
  source.SetPosition(0);
  TDecompressionStream decompressor(source);
  char chunk[TCustomZlibStream::BufferSize];
  for (std::int64_t written = 0;;) {
    const std::int32_t got = decompressor.Read(chunk, TCustomZlibStream::BufferSize);
    if (got == 0) break;
    written += got;
    if (written > maxBytes)
      throw EDecompressionError(QStringLiteral("The data inflates to more than %1 bytes").arg(maxBytes));
    destination.WriteBuffer(chunk, got);
  }
}
