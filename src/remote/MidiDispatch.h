// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The cues that come over MIDI and what each does to the console, as a function from one MIDI
// message to calls on a RemoteControl, so that it runs the same without a device (tests, fuzzing).
//
// 1. A show control message is the console's when it is for its device ID, one of its groups or
//    every device, in one of its formats (any, unless it was given some; 7F, every kind of
//    equipment, always). Of those it takes:
//      GO          the playhead's line goes out, as /lumetra/go
//      GO n        line n (from 1) goes out: the playhead moved to it as /lumetra/goto n does,
//                  then as /lumetra/go
//      LOAD n      the playhead to line n and that line selected, as /lumetra/goto n; nothing is
//                  sent (stand by)
//      RESET       the playhead to line 1, as /lumetra/goto 1; nothing is sent
//      ALL_OFF     an empty caption in mode 0, as /lumetra/blank
//    A cue list and a path after the number are taken and not looked at: the console has one list.
// 2. With a go note, a Note On of that note (velocity above 0, any channel) is a GO.
// 3. A cue number with a point, of other bytes than digits, or outside the list is refused, and
//    nothing is done. The console refuses what it refuses of any remote input (a GO within 250 ms
//    of another, a line with no mode, a packet of more than 255 pages); of GO n the playhead has
//    then moved to line n, as after /lumetra/goto n and a refused /lumetra/go.
// 4. Everything else is ignored: other commands, other devices and formats, other messages.
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

#include "console/RemoteControl.h"

// Whose messages the console takes.
struct MidiListening {
  int deviceId = 1;          // 0..111
  std::vector<int> groups;   // 1..15
  std::vector<int> formats;  // 1..127; empty: every format
  std::optional<int> goNote;  // 0..127
};

enum class MidiOutcome { Done, Refused, Ignored };

struct MidiAnswer {
  MidiOutcome outcome = MidiOutcome::Ignored;
  QString cue;      // the cue as the desk named it ("GO 12", "LOAD 3", "note 60"); empty when ignored
  QString refusal;  // why it was refused
  int sends = 0;    // sends the cue made
};

class MidiDispatcher {
 public:
  // `target`: the console behind the remote inputs' one GO guard.
  MidiDispatcher(RemoteControl& target, MidiListening listening) : target_(target), listening_(std::move(listening)) {}
  // One whole message (its status byte first) read at `arrival` from `source` (for the send log).
  MidiAnswer Dispatch(QByteArrayView message, RemoteClock::time_point arrival, const QString& source);
  const MidiListening& Listening() const { return listening_; }

 private:
  RemoteControl& target_;
  MidiListening listening_;
};
