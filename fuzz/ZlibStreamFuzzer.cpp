// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Any bytes through the zlib streams. As compressed data: inflating either fails with the
// decompression error or delivers bytes, and a decompression stream sought back to its start
// delivers the same bytes again. As plain data: compressing at any level and inflating gives the
// bytes back.
#include "FuzzSupport.h"
#include "platform/Streams.h"
#include "skin/data/ZlibStreams.h"

namespace {

QByteArray ReadUpTo(TStream& stream, std::int32_t count) {
  QByteArray bytes(count, Qt::Uninitialized);
  bytes.resize(stream.Read(bytes.data(), count));
  return bytes;
}

void InflateTwice(const QByteArray& compressed) {
  TMemoryStream source(compressed);
  TDecompressionStream inflater(source);
  const QByteArray first = ReadUpTo(inflater, 3 * TCustomZlibStream::BufferSize + 17);
  inflater.Seek(0, soFromBeginning);
  Require(ReadUpTo(inflater, std::int32_t(first.size())) == first, "a restarted stream delivers the same bytes");
  inflater.Seek(5, soFromCurrent);  // forward seeks skip, or run into the end
}

void RoundTrip(const QByteArray& plain, CompressionLevel level) {
  TMemoryStream compressed;
  {
    TCompressionStream deflater(level, compressed);
    deflater.WriteBuffer(plain.constData(), std::int32_t(plain.size()));
    deflater.Finish();
  }
  TMemoryStream inflated;
  DecompressStream(inflated, compressed);
  Require(inflated.Memory() == plain, "compressed data inflates to what was compressed");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes = FuzzInput(data, size);
  TMemoryStream source(bytes);
  TMemoryStream inflated;
  try {
    DecompressStream(inflated, source);
  } catch (const EDecompressionError&) {
  }
  try {
    InflateTwice(bytes);
  } catch (const EDecompressionError&) {
  } catch (const EReadError&) {
  }
  const CompressionLevel levels[] = {CompressionLevel::None, CompressionLevel::Fastest, CompressionLevel::Default,
                                     CompressionLevel::Max};
  RoundTrip(bytes, levels[size % 4]);
  return 0;
}
