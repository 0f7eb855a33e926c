// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/MidiStreamReader.h"

#include <utility>

namespace {

constexpr std::uint8_t kSysExStart = 0xF0;
constexpr std::uint8_t kSysExEnd = 0xF7;
constexpr std::uint8_t kFirstRealTime = 0xF8;

bool IsStatus(std::uint8_t byte) { return byte & 0x80; }

// The data bytes a channel or system common status takes.
int DataBytesOf(std::uint8_t status) {
  if (status < 0xF0) {
    const std::uint8_t kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;  // program change and channel pressure take one
  }
  switch (status) {
    case 0xF1: return 1;  // time code quarter frame
    case 0xF2: return 2;  // song position
    case 0xF3: return 1;  // song select
    default: return 0;    // tune request and the undefined F4, F5
  }
}

}  // namespace

std::vector<QByteArray> MidiStreamReader::Feed(QByteArrayView bytes) {
  std::vector<QByteArray> messages;
  for (const char byte : bytes) Take(byte, messages);
  return messages;
}

void MidiStreamReader::Restart() {
  DropUnderWay();
  running_ = 0;
}

void MidiStreamReader::Take(char byte, std::vector<QByteArray>& messages) {
  const auto value = std::uint8_t(byte);
  if (value >= kFirstRealTime) return;  // rule 3: timing, never part of a message
  if (IsStatus(value)) return TakeStatus(value, messages);
  if (inSysEx_) {
    // Rule 5: room is kept for the F7 that must still come.
    if (message_.size() + 1 >= kSysExBytesAtMost) {
      sysExTooLong_ = true;
      message_.truncate(1);
    } else if (!sysExTooLong_) {
      message_.append(byte);
    }
    return;
  }
  if (message_.isEmpty()) {
    if (running_ == 0) {
      ++stray_;
      return;
    }
    message_.append(char(running_));  // rule 1
    dataWanted_ = DataBytesOf(running_);
  }
  message_.append(byte);
  if (--dataWanted_ == 0) messages.push_back(std::exchange(message_, {}));
}

void MidiStreamReader::TakeStatus(std::uint8_t status, std::vector<QByteArray>& messages) {
  if (inSysEx_ && status == kSysExEnd) {
    if (sysExTooLong_) {
      ++oversized_;
    } else {
      message_.append(char(kSysExEnd));
      messages.push_back(message_);
    }
    message_.clear();
    inSysEx_ = sysExTooLong_ = false;
    return;
  }
  DropUnderWay();
  if (status < 0xF0) {
    running_ = status;
    message_.append(char(status));
    dataWanted_ = DataBytesOf(status);
    return;
  }
  running_ = 0;  // rule 2
  if (status == kSysExStart) {
    inSysEx_ = true;
    message_.append(char(status));
  } else if (status == kSysExEnd) {
    ++stray_;  // an end with no system exclusive message to end
  } else if ((dataWanted_ = DataBytesOf(status)) == 0) {
    messages.push_back(QByteArray(1, char(status)));
  } else {
    message_.append(char(status));
  }
}

void MidiStreamReader::DropUnderWay() {
  if (inSysEx_ && sysExTooLong_) {
    ++oversized_;
  } else if (!message_.isEmpty()) {
    ++unfinished_;
  }
  message_.clear();
  inSysEx_ = sysExTooLong_ = false;
}
