// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The bytes of one send: header, page count, and per page the packed frame twice and a trailer
// that carries the mode index.
#include <QByteArray>
#include <array>

#include "wire/LedFrame.h"

// After the header comes the page count N (1..255), then N page records: the packed frame
// twice and a five-byte trailer.
constexpr std::array<std::uint8_t, 5> kPacketHeader = {0x01, 0x55, 0xAA, 0x55, 0xAA};
constexpr int kPageTrailerSize = 5;
constexpr int kPageRecordSize = 2 * kPackedFrameSize + kPageTrailerSize;  // 773
constexpr std::uint8_t kLastPageMark = 0xC8;

// Page records of the packet for a caption `textWidth` pixels wide: its page count in the
// scrolling mode, else 1. The count byte keeps only the low 8 bits of it.
int PageRecordCount(int textWidth, int modeIndex);
// Length in bytes of the packet for such a caption.
qint64 DisplayPacketSize(int textWidth, int modeIndex);

// Mode index (low 8 bits), 00, 01, C8 on the last page (00 before it), 01.
std::array<std::uint8_t, kPageTrailerSize> PageTrailer(int modeIndex, bool lastPage);

// The number of page records of the packet: the caption's page count in the scrolling mode, else 1.
int DisplayPacketPages(const TBitmap& frame, const QString& caption, int modeIndex);

// Writes the packet for a caption whose centred picture is already in `frame` (RenderCentred).
// In the scrolling mode the pages are drawn into `frame` one after the other. Stops early and
// returns false when the sink fails.
bool WriteDisplayPacket(TBitmap& frame, const QString& caption, int modeIndex, ByteSink& sink);

// The whole packet of WriteDisplayPacket, drawing the pages into `frame` as it does.
QByteArray DisplayPacketBytes(TBitmap& frame, const QString& caption, int modeIndex);

// The packed frame of page `page` (from 0) of the packet WriteDisplayPacket writes for a caption
// whose centred picture is in `frame`, drawing that page into `frame` as it does.
QByteArray PackedPacketPage(TBitmap& frame, const QString& caption, int modeIndex, int page);

// The complete packet for a caption, mode and font, as a send would write it.
QByteArray BuildDisplayPacket(const QString& caption, const TFont& captionFont, int modeIndex);

// The most page records a packet can say it carries: its count is one byte.
constexpr int kMostPacketPages = 255;
