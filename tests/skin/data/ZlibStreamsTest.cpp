// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include "platform/Streams.h"
#include "skin/data/ZlibStreams.h"

namespace {

// Compresses, but not to nothing: a repeating text with a scrambled counter in it.
QByteArray SampleData(int size) {
  QByteArray data;
  for (int i = 0; data.size() < size; ++i) data += "line " + QByteArray::number(i * 7919 % 1000) + " of the show\r\n";
  return data.left(size);
}

QByteArray Compressed(const QByteArray& data, CompressionLevel level = CompressionLevel::Max) {
  TMemoryStream destination;
  TCompressionStream compressor(level, destination);
  compressor.WriteBuffer(data.constData(), static_cast<std::int32_t>(data.size()));
  compressor.Finish();
  return destination.Memory();
}

QByteArray Inflated(const QByteArray& compressed) {
  TMemoryStream source(compressed);
  TMemoryStream destination;
  DecompressStream(destination, source);
  return destination.Memory();
}

QByteArray ReadSome(TStream& stream, int count) {
  QByteArray bytes(count, '\0');
  bytes.truncate(stream.Read(bytes.data(), count));
  return bytes;
}

QString MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Exception& e) {
    return e.Message();
  }
  return QStringLiteral("no error");
}

// A destination that takes only so many bytes, like a full disk.
class FullStream : public TMemoryStream {
 public:
  explicit FullStream(qsizetype room) : room_(room) {}
  std::int32_t Write(const void* buffer, std::int32_t count) override {
    return TMemoryStream::Write(buffer, static_cast<std::int32_t>(std::min<qsizetype>(count, room_ - Size())));
  }

 private:
  qsizetype room_;
};

}  // namespace

TEST(ZlibStreams, EveryLevelMakesAZlibStreamThatInflatesBack) {
  const QByteArray data = SampleData(150000);
  for (auto [level, header] : {std::pair{CompressionLevel::None, "\x78\x01"},
                               {CompressionLevel::Fastest, "\x78\x01"},
                               {CompressionLevel::Default, "\x78\x9C"},
                               {CompressionLevel::Max, "\x78\xDA"}}) {
    const QByteArray compressed = Compressed(data, level);
    EXPECT_TRUE(compressed.startsWith(header));
    EXPECT_EQ(Inflated(compressed), data);
  }
  // The whole-stream helpers start from the source's start wherever it stands.
  TMemoryStream source(data);
  source.SetPosition(5000);
  TMemoryStream compressed;
  CompressStream(source, compressed);
  EXPECT_EQ(compressed.Memory(), Compressed(data));
  EXPECT_EQ(Inflated(Compressed(QByteArray())), QByteArray());
}

TEST(ZlibStreams, CompressionTakesOnlyWritesAndReportsErrors) {
  TMemoryStream destination;
  TCompressionStream compressor(CompressionLevel::Default, destination);
  compressor.WriteBuffer("abcdef", 6);
  EXPECT_EQ(compressor.Position(), 6);  // bytes taken in so far
  char buffer[4];
  for (const auto& misuse : std::vector<std::function<void()>>{
           [&] { compressor.Read(buffer, 4); }, [&] { compressor.Seek(1, soFromCurrent); },
           [&] { compressor.Seek(0, soFromBeginning); }, [&] { compressor.Size(); }})
    EXPECT_EQ(MessageOf(misuse), "Invalid stream operation");
  compressor.Finish();
  EXPECT_EQ(Inflated(destination.Memory()), "abcdef");

  // A destination that fills up fails the copy, or the finishing flush; never silently.
  TMemoryStream source(SampleData(50000));
  FullStream full(100);
  EXPECT_EQ(MessageOf([&] { CompressStream(source, full); }), "Stream write error");
  FullStream almost(Compressed(source.Memory()).size() - 1);
  EXPECT_THROW(CompressStream(source, almost), EWriteError);
}

TEST(ZlibStreams, CompressionContinuesWhereItLeftOffAndReportsEachFullBuffer) {
  // The compressed data follows a header already in the destination; moving the destination
  // in between must not make the compressor overwrite the header.
  TMemoryStream destination;
  destination.WriteBuffer("HEAD", 4);
  const QByteArray data = SampleData(200000);
  std::int64_t writtenBeforeFlush = 0;
  int progress = 0;
  {
    TCompressionStream compressor(CompressionLevel::None, destination);
    compressor.OnProgress = [&](TCustomZlibStream& sender) { progress += &sender == &compressor; };
    compressor.WriteBuffer(data.constData(), 100000);
    destination.SetPosition(0);
    compressor.WriteBuffer(data.constData() + 100000, 100000);
    writtenBeforeFlush = destination.Size();
    destination.SetPosition(1);
  }  // the destructor flushes the rest
  EXPECT_EQ(progress, (writtenBeforeFlush - 4) / 4096);
  EXPECT_GT(progress, 10);
  EXPECT_EQ(destination.Memory().left(4), "HEAD");
  EXPECT_EQ(Inflated(destination.Memory().mid(4)), data);
}

TEST(ZlibStreams, DamagedDataRaisesAndDataThatEndsEarlyKeepsWhatItHas) {
  const QByteArray data = SampleData(50000);
  const QByteArray compressed = Compressed(data);
  QByteArray badChecksum = compressed;
  badChecksum[badChecksum.size() - 1] = char(badChecksum.back() ^ 1);
  // The last one asks for a preset dictionary: an error, not a read that spins for ever.
  for (const QByteArray& damaged : {"\x77" + compressed.mid(1), badChecksum, QByteArray(300, 'x'),
                                    QByteArray("\x78\xBB\0\0\0\1", 6) + compressed.mid(2)})
    EXPECT_EQ(MessageOf([&] { Inflated(damaged); }), "compression error");

  const QByteArray shortened = Inflated(compressed.left(compressed.size() / 2));
  EXPECT_GT(shortened.size(), 0);
  EXPECT_LT(shortened.size(), data.size());
  EXPECT_EQ(shortened, data.left(shortened.size()));
  // Bytes after the end of the zlib stream are not part of it.
  EXPECT_EQ(Inflated(compressed + QByteArray(5000, 'z')), data);

  TMemoryStream source(compressed);
  TDecompressionStream decompressor(source);
  EXPECT_EQ(MessageOf([&] { decompressor.Write("x", 1); }), "Invalid stream operation");

  // A bound on what the data may inflate to: reached exactly is fine, one byte more is refused
  // with no more than the bound written.
  TMemoryStream bounded;
  DecompressStream(bounded, source, data.size());
  EXPECT_EQ(bounded.Memory(), data);
  TMemoryStream overflowing;
  EXPECT_EQ(MessageOf([&] { DecompressStream(overflowing, source, data.size() - 1); }),
            "The data inflates to more than 49999 bytes");
  EXPECT_LE(overflowing.Size(), data.size() - 1);
}

TEST(ZlibStreams, DecompressionSeeksForwardByReadingAndRestartsOnlyAtZero) {
  const QByteArray data = SampleData(30000);
  const QByteArray compressed = Compressed(data);
  TMemoryStream source("PREFIX" + compressed);  // the compressed data need not start the source
  source.SetPosition(6);
  TDecompressionStream decompressor(source);
  int progress = 0;
  decompressor.OnProgress = [&](TCustomZlibStream&) { ++progress; };

  EXPECT_EQ(ReadSome(decompressor, 10), data.left(10));
  EXPECT_EQ(decompressor.Seek(10000, soFromCurrent), 10010);  // more than two 4096-byte pieces
  EXPECT_EQ(ReadSome(decompressor, 5), data.mid(10010, 5));
  EXPECT_EQ(decompressor.Seek(20000, soFromBeginning), 20000);
  for (const auto& seek :
       {std::pair{-1, soFromCurrent}, {5, soFromBeginning}, {20000, soFromBeginning}, {0, soFromEnd}})
    EXPECT_EQ(MessageOf([&] { decompressor.Seek(seek.first, seek.second); }), "Invalid stream operation");
  source.SetPosition(0);  // someone else moving the source does not disturb the next read
  EXPECT_EQ(ReadSome(decompressor, 5), data.mid(20000, 5));

  EXPECT_EQ(decompressor.Seek(0, soFromBeginning), 0);
  EXPECT_EQ(ReadSome(decompressor, 40000), data);
  EXPECT_EQ(progress, 2 * ((compressed.size() + 4095) / 4096));
  decompressor.Seek(0, soFromBeginning);
  EXPECT_EQ(MessageOf([&] { decompressor.Seek(30001, soFromCurrent); }), "Stream read error");
}
