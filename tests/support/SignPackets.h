// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Display packets as the sign decodes them, for tests that check what reached it.
#include <gtest/gtest.h>
#include <QByteArray>
#include <QImage>
#include <ostream>
#include <vector>

#include "platform/Font.h"
#include "wire/DisplayPacket.h"
#include "wire/DisplayPacketDecoder.h"

// The bytes of a display packet of `pages` pages: the header, the page count and one record (two
// copies of the picture and the trailer) per page.
constexpr int PacketBytes(int pages) { return int(kPacketHeader.size()) + 1 + pages * kPageRecordSize; }
constexpr int kSinglePagePacket = PacketBytes(1);

// Every report of a whole stream, flushed at its end.
std::vector<PacketReport> DecodePackets(const QByteArray& stream);
// The packet the console sends for a caption, decoded.
PacketReport ExpectedPacket(const QString& caption, const TFont& font, int modeIndex);
// A whole, valid packet of these pages, as the decoder reports one.
PacketReport ValidPacket(int modeIndex, const std::vector<LedPage>& pages);
// The same packet, wherever each stood in its stream.
::testing::AssertionResult SamePacket(const PacketReport& actual, const PacketReport& expected);
// The frame's picture as a packet carries it.
LedPage PageOfFrame(const TBitmap& frame);
// A picture of the LED frame read back: lit where it has any red.
LedPage PageOfImage(const QImage& image);

void PrintTo(const PacketReport& report, std::ostream* os);
