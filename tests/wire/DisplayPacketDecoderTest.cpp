// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>
#include <QRandomGenerator>

#include "show/CaptionFont.h"
#include "support/QtPrinters.h"
#include "support/SignPackets.h"
#include "support/WideCaption.h"
#include "wire/DisplayModes.h"
#include "wire/DisplayPacketDecoder.h"

namespace {


QByteArray Packet(const QString& caption, int mode) { return BuildDisplayPacket(caption, InitialCaptionFont(), mode); }

QString ThreePageCaption() { return CaptionWiderThan(InitialCaptionFont(), 2 * kLedWidth); }

std::vector<PacketReport> DecodeInChunks(const QByteArray& stream, QRandomGenerator& random, int largest) {
  DisplayPacketDecoder decoder;
  std::vector<PacketReport> reports;
  for (qsizetype at = 0; at < stream.size();) {
    const qsizetype size = std::min<qsizetype>(1 + random.bounded(largest), stream.size() - at);
    for (PacketReport& report : decoder.Feed(stream.mid(at, size))) reports.push_back(std::move(report));
    at += size;
  }
  for (PacketReport& report : decoder.Flush()) reports.push_back(std::move(report));
  return reports;
}

// Reports follow one another without a gap and cover every byte fed.
void ExpectEveryByteAccountedFor(const std::vector<PacketReport>& reports, qsizetype streamSize) {
  std::int64_t next = 0;
  for (const PacketReport& report : reports) {
    EXPECT_EQ(report.offset, next) << ::testing::PrintToString(report);
    EXPECT_GT(report.bytes, 0);
    next = report.offset + report.bytes;
  }
  EXPECT_EQ(next, streamSize);
}

QByteArray WithByte(QByteArray bytes, int at, char value) {
  bytes[at] = value;
  return bytes;
}

}  // namespace

TEST(DisplayPacketDecoder, EveryPacketTheConsoleSendsRoundTrips) {
  const QString wide = ThreePageCaption();
  for (const QString& caption : {QString(), QStringLiteral("字幕 Act 1"), wide}) {
    for (int mode : {0, 1, 2, 19, -1}) {
      const QByteArray packet = Packet(caption, mode);
      const std::vector<PacketReport> reports = DecodePackets(packet);
      ASSERT_EQ(reports.size(), 1u);
      const PacketReport& report = reports[0];
      EXPECT_TRUE(report.valid) << report.error.toStdString();
      EXPECT_TRUE(report.error.isEmpty());
      EXPECT_EQ(report.bytes, packet.size());
      EXPECT_EQ(report.mode, mode & 0xFF);
      ASSERT_EQ(int(report.pages.size()), quint8(packet.at(5)));
      EXPECT_EQ(report.pages.size(), mode == 1 && caption == wide ? 3u : 1u);
      for (std::size_t i = 0; i < report.pages.size(); ++i) {
        const QByteArray picture = packet.mid(6 + 773 * qsizetype(i), kPackedFrameSize);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(report.pages[i].packed.data()), kPackedFrameSize), picture);
      }
    }
  }
  EXPECT_EQ(DecodePackets(Packet(QString(), 0))[0].pages[0], LedPage()) << "an empty caption lights nothing";
  EXPECT_EQ(DisplayModeName(19), QStringLiteral("从下至上逐行展开"));
  EXPECT_EQ(DisplayModeName(255), QString());
}

TEST(DisplayPacketDecoder, PagesAreTheFramesPackFramePacked) {
  TBitmap frame = CreateLedFrame();
  ClearFrame(frame);
  QRandomGenerator random(7);
  LedPage expected;
  for (int i = 0; i < 500; ++i) {
    const int x = random.bounded(kLedWidth), y = random.bounded(kLedHeight);
    frame.Canvas.SetPixel(x, y, RGBColor(255, 0, 0));
    expected.SetLit(x, y, true);
  }
  const LedPage page = PageOfFrame(frame);
  EXPECT_EQ(page, expected);
  for (int y = 0; y < kLedHeight; ++y)
    for (int x = 0; x < kLedWidth; ++x) ASSERT_EQ(page.IsLit(x, y), GetRValue(frame.Canvas.Pixel(x, y)) != 0);

  LedPage corner;
  corner.SetLit(7, 0, true);
  corner.SetLit(8, 1, true);
  EXPECT_EQ(corner.packed[0], 0x7F);
  EXPECT_EQ(corner.packed[25], 0xFE);
  corner.SetLit(7, 0, false);
  EXPECT_EQ(corner.packed[0], 0xFF);
}

TEST(DisplayPacketDecoder, AnyChunkingGivesTheSameReports) {
  const QByteArray stream = QByteArray("noise") + Packet(QStringLiteral("一"), 3) + Packet(ThreePageCaption(), 1) +
                            Packet(QStringLiteral("二"), 1).left(500) + Packet(QString(), 19);
  const std::vector<PacketReport> whole = DecodePackets(stream);
  ASSERT_EQ(whole.size(), 5u);
  QRandomGenerator random(11);
  for (int largest : {1, 7, 800, 5000}) {
    const std::vector<PacketReport> chunked = DecodeInChunks(stream, random, largest);
    ASSERT_EQ(chunked.size(), whole.size()) << largest;
    for (std::size_t i = 0; i < whole.size(); ++i) {
      EXPECT_EQ(chunked[i].offset, whole[i].offset);
      EXPECT_TRUE(SamePacket(chunked[i], whole[i])) << "byte chunks up to " << largest;
    }
  }
}

TEST(DisplayPacketDecoder, ReportsEachMalformedPacketAndDecodesTheNext) {
  const QByteArray one = Packet(QStringLiteral("字"), 5);
  const QByteArray three = Packet(ThreePageCaption(), 1);
  const QByteArray good = Packet(QStringLiteral("下一句"), 2);
  struct Case {
    QByteArray bad;
    QString error;
    bool stray = false;
  };
  const Case cases[] = {
      {WithByte(one, 6 + 771, 0x00), "page 0: trailer 05 00 01 00 01, expected 05 00 01 C8 01 at offset 777"},
      {WithByte(one, 6 + 770, 0x02), "page 0: trailer 05 00 02 C8 01, expected 05 00 01 C8 01 at offset 776"},
      {WithByte(three, 6 + 771, char(0xC8)), "page 0: trailer 01 00 01 C8 01, expected 01 00 01 00 01 at offset 777"},
      {WithByte(three, 6 + 773 * 2 + 768, 0x02),
       "page 2: trailer 02 00 01 C8 01, expected 01 00 01 C8 01 at offset 2320"},
      {WithByte(one, 6 + 384 + 100, 0x5A), "page 0: the two copies of the picture differ at offset 490"},
      {WithByte(three, 6 + 773 + 3, 0x00), "page 1: the two copies of the picture differ at offset 1166"},
      {one.left(400), "page 0 ends after 394 of its 773 bytes: a new packet starts at offset 400"},
      {one.left(776), "page 0 ends after 770 of its 773 bytes: a new packet starts at offset 776"},
      {three.left(6 + 773 * 2), "page 2 ends after 0 of its 773 bytes: a new packet starts at offset 1552"},
      {one.left(5), "the packet ends after its header: a new packet starts at offset 5"},
      {one.left(6), "page 0 ends after 0 of its 773 bytes: a new packet starts at offset 6"},
      {QByteArray::fromHex("0155aa55aa00"), "the packet declares no pages at offset 5"},
      {QByteArray("\r\nAT+RESET\r\n"), "12 bytes outside any packet at offset 0", true},
      {QByteArray::fromHex("0155aa5501"), "5 bytes outside any packet at offset 0", true},
  };
  for (const Case& c : cases) {
    const QByteArray stream = c.bad + good;
    const std::vector<PacketReport> reports = DecodePackets(stream);
    ASSERT_EQ(reports.size(), 2u) << c.error.toStdString();
    EXPECT_FALSE(reports[0].valid);
    EXPECT_EQ(reports[0].stray, c.stray);
    EXPECT_EQ(reports[0].error, c.error);
    EXPECT_TRUE(SamePacket(reports[1], ExpectedPacket(QStringLiteral("下一句"), InitialCaptionFont(), 2)));
    ExpectEveryByteAccountedFor(reports, stream.size());
  }
}

// Wherever a packet breaks off, the next one is found; only a packet that lacks just its final
// byte cannot be told from a whole one (that byte, 01, is where the next header begins).
TEST(DisplayPacketDecoder, FindsTheNextPacketWhereverOneBreaksOff) {
  const QByteArray good = Packet(QStringLiteral("好"), 0);
  for (const QByteArray& broken : {Packet(QStringLiteral("断"), 4), Packet(ThreePageCaption(), 1)}) {
    for (qsizetype cut = 1; cut < broken.size() - 1; ++cut) {
      const QByteArray stream = broken.left(cut) + good;
      const std::vector<PacketReport> reports = DecodePackets(stream);
      ASSERT_EQ(reports.size(), 2u) << "cut after " << cut;
      EXPECT_EQ(reports[0].stray, cut < 5);
      EXPECT_FALSE(reports[0].valid);
      EXPECT_EQ(reports[0].bytes, cut);
      EXPECT_EQ(reports[0].pages.size(), std::size_t(std::max<qsizetype>(0, (cut - 6) / 773)));
      EXPECT_EQ(reports[1].offset, cut);
      EXPECT_TRUE(reports[1].valid) << "cut after " << cut;
    }
  }
}

TEST(DisplayPacketDecoder, FlushReportsWhatThePausedLineLeftUnfinished) {
  DisplayPacketDecoder decoder;
  const QByteArray packet = Packet(QStringLiteral("停"), 0);
  EXPECT_TRUE(decoder.Feed(packet.left(300)).empty());
  std::vector<PacketReport> reports = decoder.Flush();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].error, QStringLiteral("the packet ends after 300 of its %1 bytes at offset 300").arg(kSinglePagePacket));

  // The rest arrives later: it belongs to no packet. A partial header is stray too.
  reports = decoder.Feed(packet.mid(300) + QByteArray::fromHex("0155"));
  EXPECT_TRUE(reports.empty()) << "stray bytes wait for a header or a pause";
  reports = decoder.Flush();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].error, QStringLiteral("481 bytes outside any packet at offset 300"));

  // A header just before the pause.
  decoder.Feed(QByteArray::fromHex("0155aa55aa"));
  EXPECT_EQ(decoder.Flush()[0].error, QStringLiteral("the packet ends after its header at offset 786"));
  EXPECT_TRUE(decoder.Flush().empty());
  EXPECT_TRUE(decoder.Feed(packet)[0].valid);
}

TEST(DisplayPacketDecoder, SurvivesAnyStreamAndFindsEveryPacketInIt) {
  QRandomGenerator random(2024);
  const QByteArray good = Packet(QStringLiteral("句"), 7);
  QByteArray stream;
  std::vector<std::int64_t> goodOffsets;
  for (int i = 0; i < 200; ++i) {
    switch (random.bounded(4)) {
      case 0: {
        QByteArray noise(random.bounded(1, 3000), Qt::Uninitialized);
        for (char& c : noise) c = char(random.bounded(256));
        stream += noise;
        break;
      }
      case 1: stream += good.left(random.bounded(1, good.size() - 1)); break;
      case 2: stream += QByteArray::fromHex("0155aa55aa") + char(random.bounded(256)); break;
      default: goodOffsets.push_back(stream.size()); stream += good;
    }
  }
  const std::vector<PacketReport> reports = DecodeInChunks(stream, random, 4096);
  ExpectEveryByteAccountedFor(reports, stream.size());
  std::vector<std::int64_t> validOffsets;
  for (const PacketReport& report : reports) {
    EXPECT_LE(report.pages.size(), 255u);
    if (report.valid) validOffsets.push_back(report.offset);
  }
  EXPECT_EQ(validOffsets, goodOffsets);
}
