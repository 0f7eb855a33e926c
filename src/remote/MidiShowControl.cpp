// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/MidiShowControl.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kUniversalRealTime = 0x7F;
constexpr std::uint8_t kShowControl = 0x02;
// F0 7F <device> 02 <format> <command> F7: a command with no data.
constexpr qsizetype kShortestMessage = 7;
constexpr int kBeyondAnyList = 100000001;

}  // namespace

std::optional<MscMessage> DecodeMsc(QByteArrayView sysEx) {
  if (sysEx.size() < kShortestMessage || std::uint8_t(sysEx[0]) != 0xF0 || std::uint8_t(sysEx.back()) != 0xF7 ||
      std::uint8_t(sysEx[1]) != kUniversalRealTime || std::uint8_t(sysEx[3]) != kShowControl)
    return std::nullopt;
  MscMessage message;
  message.device = std::uint8_t(sysEx[2]);
  message.format = std::uint8_t(sysEx[4]);
  message.command = std::uint8_t(sysEx[5]);
  message.data = sysEx.sliced(6, sysEx.size() - kShortestMessage).toByteArray();
  return message;
}

MscCueNumber CueNumberOf(const QByteArray& data) {
  MscCueNumber number;
  const qsizetype end = data.indexOf('\0');
  number.text = data.left(end < 0 ? data.size() : end);
  if (number.text.isEmpty()) return number;
  int value = 0;
  for (const char digit : number.text) {
    if (digit < '0' || digit > '9') return number;
    value = std::min(value * 10 + (digit - '0'), kBeyondAnyList);
  }
  number.whole = value;
  return number;
}
