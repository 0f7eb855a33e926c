// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// MIDI Show Control as the console reads it: a system exclusive message
//   F0 7F <device> 02 <format> <command> <data> F7
// (7F: universal real time, 02: show control). <device> is a device ID (00-6F), a group (70-7E,
// groups 1 to 15) or 7F, every device. <format> says what kind of equipment the command is for
// (01 lighting, 10 sound, 30 video, ...; 7F every kind). The data of GO and LOAD begin with the cue
// number, ASCII digits and points, which a 00 and the cue list may follow, then a 00 and the path.
#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <optional>

enum class MscCommand : std::uint8_t { Go = 0x01, Load = 0x05, AllOff = 0x08, Reset = 0x0A };

constexpr std::uint8_t kMscEveryDevice = 0x7F;
constexpr std::uint8_t kMscFirstGroup = 0x70;  // group 1; group 15 is 7E
constexpr int kMscGroupCount = 15;
constexpr int kMscLastDeviceId = 0x6F;
constexpr std::uint8_t kMscEveryFormat = 0x7F;

struct MscMessage {
  std::uint8_t device = 0;
  std::uint8_t format = 0;
  std::uint8_t command = 0;
  QByteArray data;
};

// The show control message a whole system exclusive message (F0 ... F7) carries; nullopt when it
// carries none.
std::optional<MscMessage> DecodeMsc(QByteArrayView sysEx);

// The cue number at the head of a command's data, up to its first 00.
struct MscCueNumber {
  QByteArray text;  // as it came; empty when the command names no cue
  // Its value when it is digits only; values past any list's length are held at 100,000,001.
  std::optional<int> whole;
};
MscCueNumber CueNumberOf(const QByteArray& data);
