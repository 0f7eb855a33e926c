// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "support/SignPackets.h"

#include <QImage>
#include <algorithm>

#include "wire/DisplayPacket.h"

namespace {

class PageSink : public ByteSink {
 public:
  bool WriteByte(std::uint8_t byte) override {
    page.packed[next++] = byte;
    return true;
  }
  LedPage page;
  std::size_t next = 0;
};

}  // namespace

std::vector<PacketReport> DecodePackets(const QByteArray& stream) {
  DisplayPacketDecoder decoder;
  std::vector<PacketReport> reports = decoder.Feed(stream);
  for (PacketReport& report : decoder.Flush()) reports.push_back(std::move(report));
  return reports;
}

PacketReport ExpectedPacket(const QString& caption, const TFont& font, int modeIndex) {
  const std::vector<PacketReport> reports = DecodePackets(BuildDisplayPacket(caption, font, modeIndex));
  EXPECT_EQ(reports.size(), 1u);
  return reports.empty() ? PacketReport{} : reports.front();
}

PacketReport ValidPacket(int modeIndex, const std::vector<LedPage>& pages) {
  PacketReport packet;
  packet.bytes = std::int64_t(kPacketHeader.size()) + 1 + std::int64_t(pages.size()) * kPageRecordSize;
  packet.mode = modeIndex;
  packet.valid = true;
  packet.pages = pages;
  return packet;
}

::testing::AssertionResult SamePacket(const PacketReport& actual, const PacketReport& expected) {
  PacketReport moved = actual;
  moved.offset = expected.offset;
  if (moved.bytes == expected.bytes && moved.stray == expected.stray && moved.mode == expected.mode &&
      moved.valid == expected.valid && moved.error == expected.error && moved.pages == expected.pages)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << ::testing::PrintToString(actual) << " is not "
                                       << ::testing::PrintToString(expected);
}

LedPage PageOfFrame(const TBitmap& frame) {
  PageSink sink;
  PackFrame(frame, sink);
  return sink.page;
}

LedPage PageOfImage(const QImage& image) {
  LedPage page;
  for (int y = 0; y < std::min(image.height(), kLedHeight); ++y)
    for (int x = 0; x < std::min(image.width(), kLedWidth); ++x) page.SetLit(x, y, qRed(image.pixel(x, y)) != 0);
  return page;
}

void PrintTo(const PacketReport& report, std::ostream* os) {
  *os << "{offset " << report.offset << ", " << report.bytes << " bytes, " << (report.stray ? "stray, " : "") << "mode "
      << report.mode << ", " << report.pages.size() << " pages, "
      << (report.valid ? "valid" : "invalid: " + report.error.toStdString()) << "}";
}
