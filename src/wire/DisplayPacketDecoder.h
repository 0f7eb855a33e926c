// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Reads display packets back out of the byte stream the sign receives: finds each header, checks
// every page record as it completes and reports each packet, or a run of bytes that belongs to
// none, with the pages it carried. Fed in any chunking; it holds at most one page record and the
// pages of one packet (N is at most 255), whatever it is fed.
#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "wire/DisplayPacket.h"

// One page as a packet carries it: the packed frame, in which a 0 bit is a lit pixel.
struct LedPage {
  LedPage() { packed.fill(0xFF); }
  bool IsLit(int x, int y) const { return !(packed[Index(x, y)] >> (x % 8) & 1); }
  void SetLit(int x, int y, bool lit);
  bool operator==(const LedPage&) const = default;

  std::array<std::uint8_t, kPackedFrameSize> packed;

 private:
  static int Index(int x, int y) { return y * (kLedWidth / 8) + x / 8; }
};

struct PacketReport {
  std::int64_t offset = 0;  // of the first byte in the stream
  std::int64_t bytes = 0;
  bool stray = false;  // bytes outside any packet: no header came before them
  int mode = -1;       // mode byte of page 0; -1 when no page record arrived whole
  bool valid = false;
  QString error;               // one line that ends with the stream offset of the fault
  std::vector<LedPage> pages;  // the page records that arrived whole, page 0 first
};

class DisplayPacketDecoder {
 public:
  // Takes the next bytes of the stream; returns the reports they completed, in stream order.
  std::vector<PacketReport> Feed(std::span<const std::uint8_t> bytes);
  std::vector<PacketReport> Feed(const QByteArray& bytes) {
    return Feed({reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())});
  }
  // The line went quiet or ended: reports what is pending (an unfinished packet, stray bytes)
  // and starts afresh.
  std::vector<PacketReport> Flush();

  // The fault texts are translatable: the sign's window shows them in the operator's language.
  Q_DECLARE_TR_FUNCTIONS(DisplayPacketDecoder)

 private:
  enum class State { Hunting, PageCount, Records };

  void Take(std::uint8_t byte);
  void TakeReplay();
  void Hunt(std::uint8_t byte, std::int64_t at);
  void TakePageCount(std::uint8_t byte, std::int64_t at);
  void FinishRecord(std::int64_t recordStart);
  bool EndAtNewPacket();
  void ReportPacket(std::int64_t end, const QString& fault);
  void ReportStray();

  State state_ = State::Hunting;
  std::int64_t position_ = 0;  // stream offset of the next byte taken
  int headerMatched_ = 0;
  std::int64_t strayStart_ = 0;
  std::int64_t strayBytes_ = 0;
  PacketReport packet_;
  int declaredPages_ = 0;
  // The byte before the record being read (the page count, or the last byte of the record
  // before), then what arrived of the record: a new header may begin at that byte too.
  std::vector<std::uint8_t> record_;
  std::vector<std::uint8_t> replay_;  // bytes to take again: a new packet began inside a record
  std::vector<PacketReport> reports_;
};
