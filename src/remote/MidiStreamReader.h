// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Reads a MIDI byte stream into whole messages, as a MIDI receiver does, whatever the stream
// holds: bytes in, messages out (each its status byte, then its data), nothing kept but the
// message being read.
//
// 1. A channel status byte (80-EF) starts a message and becomes the running status: data bytes
//    that follow a whole message without a status byte of their own start another message of
//    that status.
// 2. System exclusive (F0) and system common (F1-F7) bytes end the running status; data bytes
//    with no running status to belong to are dropped and counted as stray.
// 3. Real-time bytes (F8-FF) may stand between any two bytes, also inside a message: they are
//    taken out and the message goes on around them.
// 4. A status byte that comes before an unfinished message is whole ends it: the unfinished one is
//    dropped and counted, the status byte starts what it starts.
// 5. A system exclusive message of more than 1 KiB (F0 and F7 counted) is dropped whole and
//    counted; only its first kilobyte is ever held.
#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>
#include <cstdint>
#include <vector>

constexpr qsizetype kSysExBytesAtMost = 1024;

class MidiStreamReader {
 public:
  // The messages the bytes complete, in order.
  std::vector<QByteArray> Feed(QByteArrayView bytes);
  // The stream starts anew (the device was opened again): a message under way is dropped as
  // unfinished and the running status forgotten.
  void Restart();

  qint64 Unfinished() const { return unfinished_; }
  qint64 Oversized() const { return oversized_; }
  qint64 Stray() const { return stray_; }

 private:
  void Take(char byte, std::vector<QByteArray>& messages);
  void TakeStatus(std::uint8_t status, std::vector<QByteArray>& messages);
  // The message under way, if any, is dropped as rule 4 or 5 says.
  void DropUnderWay();

  QByteArray message_;      // the message under way, status first; empty between messages
  int dataWanted_ = 0;      // data bytes its status still wants (not for system exclusive)
  bool inSysEx_ = false;
  bool sysExTooLong_ = false;
  std::uint8_t running_ = 0;  // the running status, 0 when none
  qint64 unfinished_ = 0;
  qint64 oversized_ = 0;
  qint64 stray_ = 0;
};
