// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Any bytes from the console's MIDI device: the reader never crashes, gives the same messages
// whether the bytes come whole or in two reads, each message begins with its status byte and holds
// no other (but a system exclusive message's F7 at its end), none is longer than 1 KiB, and the
// dispatch asks the console only for lines within its list. The first byte gives the number of
// lines (0..7) and where the stream is cut in two.
#include "CheckingControl.h"
#include "FuzzSupport.h"
#include "remote/MidiDispatch.h"
#include "remote/MidiStreamReader.h"

namespace {

bool IsStatus(char byte) { return std::uint8_t(byte) & 0x80; }

bool WellFormed(const QByteArray& message) {
  if (message.isEmpty() || !IsStatus(message[0]) || message.size() > kSysExBytesAtMost) return false;
  const bool sysEx = std::uint8_t(message[0]) == 0xF0;
  if (sysEx && std::uint8_t(message.back()) != 0xF7) return false;
  for (qsizetype i = 1; i < message.size() - (sysEx ? 1 : 0); ++i)
    if (IsStatus(message[i])) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  CheckingControl control(data[0] % 8);
  MidiDispatcher dispatcher(control, MidiListening{1, {1, 15}, {}, 60});
  const QByteArray stream = FuzzInput(data + 1, size - 1);

  MidiStreamReader whole, inTwo;
  const std::vector<QByteArray> messages = whole.Feed(stream);
  const qsizetype cut = stream.size() * (data[0] >> 3) / 31;
  std::vector<QByteArray> again = inTwo.Feed(QByteArrayView(stream).first(cut));
  for (QByteArray& message : inTwo.Feed(QByteArrayView(stream).sliced(cut))) again.push_back(std::move(message));
  Require(again == messages, "two reads give the messages one read gives");

  for (const QByteArray& message : messages) {
    Require(WellFormed(message), "a message is its status byte, data bytes and no more than 1 KiB");
    dispatcher.Dispatch(message, RemoteClock::now(), QStringLiteral("midi /dev/snd/midiC1D0"));
  }
  Require(control.gos <= int(messages.size()), "a message is one go at most");
  return 0;
}
