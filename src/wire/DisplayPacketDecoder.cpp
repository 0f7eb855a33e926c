// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "wire/DisplayPacketDecoder.h"

#include <QStringList>
#include <algorithm>
#include <utility>

namespace {

constexpr int kHeaderSize = int(kPacketHeader.size());

template <typename Bytes>
QString Hex(const Bytes& bytes) {
  QStringList parts;
  for (std::uint8_t b : bytes) parts << QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
  return parts.join(QLatin1Char(' '));
}

QString AtOffset(const QString& what, std::int64_t offset) {
  return DisplayPacketDecoder::tr("%1 at offset %2").arg(what).arg(offset);
}

// Where a new packet begins among `bytes`: a whole header, or at their end the beginning of one
// (two bytes at least: a lone 01 is how every record ends). -1 when none does.
int NewPacketStart(const std::vector<std::uint8_t>& bytes) {
  const int size = int(bytes.size());
  for (int p = 0; p < size; ++p) {
    const int n = std::min(kHeaderSize, size - p);
    if (n >= 2 && std::equal(bytes.begin() + p, bytes.begin() + p + n, kPacketHeader.begin())) return p;
  }
  return -1;
}

}  // namespace

void LedPage::SetLit(int x, int y, bool lit) {
  const auto bit = std::uint8_t(1u << (x % 8));
  if (lit)
    packed[Index(x, y)] &= std::uint8_t(~bit);
  else
    packed[Index(x, y)] |= bit;
}

std::vector<PacketReport> DisplayPacketDecoder::Feed(std::span<const std::uint8_t> bytes) {
  for (std::uint8_t byte : bytes) {
    Take(byte);
    TakeReplay();
  }
  return std::exchange(reports_, {});
}

std::vector<PacketReport> DisplayPacketDecoder::Flush() {
  while (state_ == State::Records && EndAtNewPacket()) TakeReplay();
  switch (state_) {
    case State::Hunting:
      if (headerMatched_ > 0 && strayBytes_ == 0) strayStart_ = position_ - headerMatched_;
      strayBytes_ += std::exchange(headerMatched_, 0);
      ReportStray();
      break;
    case State::PageCount:
      ReportPacket(position_, AtOffset(tr("the packet ends after its header"), position_));
      break;
    case State::Records:
      ReportPacket(position_, AtOffset(tr("the packet ends after %1 of its %2 bytes")
                                           .arg(position_ - packet_.offset)
                                           .arg(kHeaderSize + 1 + declaredPages_ * kPageRecordSize),
                                       position_));
      break;
  }
  return std::exchange(reports_, {});
}

void DisplayPacketDecoder::Take(std::uint8_t byte) {
  const std::int64_t at = position_++;
  switch (state_) {
    case State::Hunting: Hunt(byte, at); break;
    case State::PageCount: TakePageCount(byte, at); break;
    case State::Records:
      record_.push_back(byte);
      if (int(record_.size()) == 1 + kPageRecordSize) FinishRecord(at + 1 - kPageRecordSize);
      break;
  }
}

// Bytes handed back by EndAtNewPacket are taken again before the next new byte; taking them may
// hand back bytes once more, but always from a later header, so this ends.
void DisplayPacketDecoder::TakeReplay() {
  while (!replay_.empty()) {
    const std::vector<std::uint8_t> bytes = std::exchange(replay_, {});
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      Take(bytes[i]);
      if (!replay_.empty()) {
        replay_.insert(replay_.end(), bytes.begin() + std::ptrdiff_t(i) + 1, bytes.end());
        break;
      }
    }
  }
}

void DisplayPacketDecoder::Hunt(std::uint8_t byte, std::int64_t at) {
  if (byte == kPacketHeader[headerMatched_]) {
    if (++headerMatched_ < kHeaderSize) return;
    ReportStray();
    packet_ = PacketReport{};
    packet_.offset = at + 1 - kHeaderSize;
    headerMatched_ = 0;
    state_ = State::PageCount;
    return;
  }
  // No part of the header repeats its beginning, so a mismatch can only start it afresh at 01.
  const int restart = byte == kPacketHeader[0] ? 1 : 0;
  if (strayBytes_ == 0) strayStart_ = at - headerMatched_;
  strayBytes_ += headerMatched_ + 1 - restart;
  headerMatched_ = restart;
}

void DisplayPacketDecoder::TakePageCount(std::uint8_t byte, std::int64_t at) {
  declaredPages_ = byte;
  if (declaredPages_ == 0) {
    ReportPacket(at + 1, AtOffset(tr("the packet declares no pages"), at));
    return;
  }
  record_.assign(1, byte);
  state_ = State::Records;
}

void DisplayPacketDecoder::FinishRecord(std::int64_t recordStart) {
  const int page = int(packet_.pages.size());
  const std::uint8_t* record = record_.data() + 1;
  const std::uint8_t* trailer = record + 2 * kPackedFrameSize;
  if (page == 0) packet_.mode = trailer[0];

  QString fault;
  const auto copies = std::mismatch(record, record + kPackedFrameSize, record + kPackedFrameSize);
  const auto expected = PageTrailer(packet_.mode, page == declaredPages_ - 1);
  const auto marks = std::mismatch(expected.begin(), expected.end(), trailer);
  if (copies.first != record + kPackedFrameSize) {
    fault = AtOffset(tr("page %1: the two copies of the picture differ").arg(page),
                     recordStart + kPackedFrameSize + (copies.first - record));
  } else if (marks.first != expected.end()) {
    fault = AtOffset(tr("page %1: trailer %2, expected %3")
                         .arg(page)
                         .arg(Hex(std::span(trailer, kPageTrailerSize)), Hex(expected)),
                     recordStart + 2 * kPackedFrameSize + (marks.first - expected.begin()));
  }
  if (!fault.isEmpty()) {
    if (EndAtNewPacket()) return;
    if (packet_.error.isEmpty()) packet_.error = fault;
  }

  LedPage picture;
  std::copy(record, record + kPackedFrameSize, picture.packed.begin());
  packet_.pages.push_back(picture);
  record_.assign(1, record_.back());
  if (page + 1 == declaredPages_) ReportPacket(recordStart + kPageRecordSize, QString());
}

// A record that fails its checks, or one left unfinished, may have been cut short by the next
// packet: the packet then ends where that one begins, and its bytes are taken again from there.
bool DisplayPacketDecoder::EndAtNewPacket() {
  const int start = NewPacketStart(record_);
  if (start < 0) return false;
  const std::int64_t newPacket = position_ - std::int64_t(record_.size()) + start;
  int page = int(packet_.pages.size());
  int pageBytes = start - 1;
  if (pageBytes < 0 && page > 0) {  // the record before lacked its last byte
    packet_.pages.pop_back();
    --page;
    pageBytes += kPageRecordSize;
  }
  const QString cut =
      pageBytes < 0
          ? tr("the packet ends after its header")
          : tr("page %1 ends after %2 of its %3 bytes").arg(page).arg(pageBytes).arg(kPageRecordSize);
  replay_.assign(record_.begin() + start, record_.end());
  position_ = newPacket;
  ReportPacket(newPacket, AtOffset(tr("%1: a new packet starts").arg(cut), newPacket));
  return true;
}

// The first fault found in the packet is the one reported.
void DisplayPacketDecoder::ReportPacket(std::int64_t end, const QString& fault) {
  packet_.bytes = end - packet_.offset;
  if (packet_.error.isEmpty()) packet_.error = fault;
  packet_.valid = packet_.error.isEmpty();
  reports_.push_back(std::move(packet_));
  packet_ = PacketReport{};
  record_.clear();
  headerMatched_ = 0;
  state_ = State::Hunting;
}

void DisplayPacketDecoder::ReportStray() {
  if (strayBytes_ == 0) return;
  PacketReport stray;
  stray.offset = strayStart_;
  stray.bytes = std::exchange(strayBytes_, 0);
  stray.stray = true;
  stray.error = AtOffset(tr("%1 bytes outside any packet").arg(stray.bytes), stray.offset);
  reports_.push_back(std::move(stray));
}
