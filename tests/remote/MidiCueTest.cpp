// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// MIDI byte streams as desks send them, through the stream reader, the show control decoder and
// the dispatcher: what each stream asks of the console, what is done, refused or ignored, and
// what the reader drops. The console listens as device 1 in group 3, for formats 01 and 10, with
// note 60 as a GO.
#include <gtest/gtest.h>

#include "remote/GoGuard.h"
#include "remote/MidiDispatch.h"
#include "remote/MidiStart.h"
#include "remote/MidiStreamReader.h"
#include "support/QtPrinters.h"
#include "support/RecordingControl.h"

namespace {

QByteArray Bytes(const QByteArray& hex) { return QByteArray::fromHex(hex); }
// A show control message: F0 7F, then `body` (device, 02, format, command, data), then F7.
QByteArray Msc(const QByteArray& body) { return Bytes("F07F" + body + "F7"); }
// A GO to device 1 whose cue number is `digits` long: a message of `digits` + 7 bytes.
QByteArray LongGo(int digits) { return Msc("01 02 01 01" + QByteArray(digits - 1, '0').toHex() + "31"); }

}  // namespace

TEST(MidiCues, EachStreamAsksForItsCuesOnly) {
  const struct {
    const char* what;
    QByteArray stream;
    QStringList calls;
    QString outcomes;  // one letter a message: Done, Refused, Ignored
    int unfinished = 0, oversized = 0, stray = 0;
  } rows[] = {
      {"GO n moves the playhead, then sends; a clock byte inside, the cue list and path change nothing",
       Bytes("F0 7F 01 02 01 F8 01 33 00 31 00 35 F7"), {"goto 3", "go midi x"}, "D"},
      {"GO sends the playhead's line; a second GO at once is a double trigger, its line the playhead's",
       Msc("01 02 01 01") + Msc("01 02 10 01 32"), {"go midi x", "goto 2"}, "DR"},
      {"LOAD, RESET, ALL_OFF to every device, to group 3, in every format",
       Msc("7F 02 10 05 33") + Msc("72 02 01 0A") + Msc("01 02 7F 08"), {"goto 3", "goto 1", "blank midi x"}, "DDD"},
      {"other devices, groups and formats, other commands, other system exclusive messages",
       Msc("02 02 01 01") + Msc("73 02 01 01") + Msc("01 02 02 01") + Msc("01 02 01 02") + Msc("01 02 01 04 31") +
           Msc("01 01 01 01") + Bytes("F0 7E 01 06 01 F7"),
       {}, "IIIIIII"},
      {"a number with a point, past the list, 0, not digits; LOAD without one; none counts as a go",
       Msc("01 02 01 01 33 2E 35") + Msc("01 02 01 01 34") + Msc("01 02 01 01 30") + Msc("01 02 01 01 33 61") +
           Msc("01 02 01 05") + Msc("01 02 01 05 30 30 32") + Msc("01 02 01 01 31"),
       {"goto 2", "goto 1", "go midi x"}, "RRRRRDD"},
      {"the go note: velocity 0 is no GO, running status carries the next", Bytes("90 3C 00 3C 7F"), {"go midi x"}, "ID"},
      {"the go note on any channel, real-time bytes inside; note off and other notes are none",
       Bytes("80 3C 7F 9F F8 3C FE 40 3D 7F"), {"go midi x"}, "IDI"},
      {"a status byte ends an unfinished message", Bytes("F0 7F 01 02 01 01 33 90 3C 7F"), {"go midi x"}, "D", 1},
      {"system common ends the running status", Bytes("90 3D 7F F3 01 3C 7F F7"), {}, "II", 0, 0, 3},
      {"a system exclusive message of 1 KiB is read", LongGo(1017), {"goto 1", "go midi x"}, "D"},
      {"one byte more is dropped whole, and the next read", LongGo(1018) + Msc("01 02 01 08"), {"blank midi x"}, "D", 0, 1},
      {"one cut short after 1 KiB is dropped as too long", LongGo(1100).chopped(1) + Bytes("F0 F7"), {}, "I", 0, 1},
  };
  MidiListening listening{1, {3}, {0x01, 0x10}, 60};
  for (const auto& row : rows) {
    RecordingControl control;
    GuardedRemoteControl guarded(control);
    MidiDispatcher dispatcher(guarded, listening);
    MidiStreamReader reader;
    QString outcomes;
    for (const QByteArray& message : reader.Feed(row.stream))
      outcomes += QStringLiteral("DRI")[int(dispatcher.Dispatch(message, RemoteClock::time_point(), QStringLiteral("midi x")).outcome)];
    EXPECT_EQ(control.calls, row.calls) << row.what;
    EXPECT_EQ(outcomes, row.outcomes) << row.what;
    EXPECT_EQ(reader.Unfinished(), row.unfinished) << row.what;
    EXPECT_EQ(reader.Oversized(), row.oversized) << row.what;
    EXPECT_EQ(reader.Stray(), row.stray) << row.what;
  }
}

TEST(MidiCues, TheOptionsSayWhoseMessagesAreTheConsoles) {
  const auto options = [](QString id, QString groups, QString formats, QString note) {
    ConsoleOptions o;
    o.midiId = id, o.midiGroups = groups, o.midiFormats = formats, o.midiGoNote = note;
    return o;
  };
  QString error;
  const std::optional<MidiListening> given = ReadMidiListening(options("0", "1, 15", "0x01,10,7f", "127"), error);
  ASSERT_TRUE(given) << error.toStdString();
  EXPECT_EQ(given->deviceId, 0);
  EXPECT_EQ(given->groups, (std::vector<int>{1, 15}));
  EXPECT_EQ(given->formats, (std::vector<int>{0x01, 0x10, 0x7F}));
  EXPECT_EQ(given->goNote, 127);
  const std::optional<MidiListening> plain = ReadMidiListening(options({}, {}, {}, {}), error);
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->deviceId, 1);
  EXPECT_FALSE(plain->goNote);
  const std::pair<ConsoleOptions, QString> bad[] = {
      {options("112", {}, {}, {}), "--midi-id 112: not a device ID 0..111"},
      {options("1,2", {}, {}, {}), "--midi-id 1,2: not"},
      {options("+1", {}, {}, {}), "--midi-id +1: not"},
      {options({}, "0", {}, {}), "--midi-group 0: not groups 1..15"},
      {options({}, "3,,4", {}, {}), "--midi-group 3,,4: not"},
      {options({}, {}, "80", {}), "--midi-format 80: not command formats 01..7F in hex"},
      {options({}, {}, {}, "128"), "--midi-go-note 128: not a note 0..127"},
  };
  for (const auto& [o, line] : bad) {
    EXPECT_FALSE(ReadMidiListening(o, error)) << line.toStdString();
    EXPECT_TRUE(error.startsWith(line)) << error.toStdString();
  }
}
