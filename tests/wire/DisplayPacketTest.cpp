// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include "show/CaptionFont.h"
#include "support/SignPackets.h"
#include "support/WideCaption.h"
#include "wire/DisplayPacket.h"

namespace {

QByteArray Repeat(char byte, int count) { return QByteArray(count, byte); }

QByteArray Trailer(int mode, bool last) {
  const char bytes[] = {char(mode), 0x00, 0x01, char(last ? 0xC8 : 0x00), 0x01};
  return QByteArray(bytes, 5);
}

// A caption whose width lies in (384, 576]: three pages in the scrolling mode.
QString ThreePageCaption() {
  const QString caption = CaptionWiderThan(InitialCaptionFont(), 2 * kLedWidth);
  TBitmap frame = CreateLedFrame();
  PrepareFrame(frame, InitialCaptionFont());
  EXPECT_LE(MeasureCaption(frame, caption).cx, 3 * kLedWidth);
  return caption;
}

}  // namespace

TEST(DisplayPacket, EmptyCaptionIsOneBlackPage) {
  const QByteArray packet = BuildDisplayPacket(QString(), InitialCaptionFont(), 0);
  const QByteArray expected = QByteArray::fromHex("0155aa55aa01") + Repeat(char(0xFF), 768) +
                              QByteArray::fromHex("000001c801");
  EXPECT_EQ(packet.size(), kSinglePagePacket);
  EXPECT_EQ(packet, expected);
}

TEST(DisplayPacket, ScrollingModeSendsEveryPage) {
  const QByteArray packet = BuildDisplayPacket(ThreePageCaption(), InitialCaptionFont(), 1);
  ASSERT_EQ(packet.size(), 2325);
  EXPECT_EQ(packet.left(6), QByteArray::fromHex("0155aa55aa03"));
  for (int page = 0; page < 3; ++page) {
    const QByteArray record = packet.mid(6 + 773 * page, 773);
    EXPECT_EQ(record.mid(0, 384), record.mid(384, 384)) << "the picture goes twice";
    EXPECT_EQ(record.mid(768), Trailer(1, page == 2)) << page;
    EXPECT_NE(record.left(384), Repeat(char(0xFF), 384)) << "every page holds text";
  }
}

TEST(DisplayPacket, OtherModesSendOneCentredPageCarryingTheMode) {
  const QString caption = ThreePageCaption();
  for (int mode : {0, 2, 19}) {
    const QByteArray packet = BuildDisplayPacket(caption, InitialCaptionFont(), mode);
    ASSERT_EQ(packet.size(), kSinglePagePacket) << mode;
    EXPECT_EQ(packet.at(5), 1);
    EXPECT_EQ(packet.mid(774), Trailer(mode, true)) << mode;
  }
  // No mode selected: the low 8 bits of -1.
  EXPECT_EQ(quint8(BuildDisplayPacket(caption, InitialCaptionFont(), -1).at(774)), 0xFF);
}

TEST(DisplayPacket, ScrollingModeWithAShortCaptionIsOneLeftAlignedPage) {
  const QString caption = QStringLiteral("字");
  const QByteArray scrolled = BuildDisplayPacket(caption, InitialCaptionFont(), 1);
  const QByteArray centred = BuildDisplayPacket(caption, InitialCaptionFont(), 0);
  ASSERT_EQ(scrolled.size(), kSinglePagePacket);
  EXPECT_EQ(scrolled.mid(774), Trailer(1, true));
  EXPECT_NE(scrolled.mid(6, 384), centred.mid(6, 384));
  // Left-aligned: the leftmost column carries text bits (a 0 bit), the centred one does not.
  bool leftColumnLit = false;
  for (int row = 0; row < 16; ++row) leftColumnLit |= quint8(scrolled.at(6 + row * 24)) != 0xFF;
  EXPECT_TRUE(leftColumnLit);
  for (int row = 0; row < 16; ++row) EXPECT_EQ(quint8(centred.at(6 + row * 24)), 0xFF);
}
