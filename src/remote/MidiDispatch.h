// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The cues that come over MIDI and what each does to the console, as a function from one MIDI
// message to calls on a RemoteControl, so that it runs the same without a device (tests, fuzzing).
//
// 1. A show control message is the console's when it is for its device ID, one of its groups or
//    every device, in one of its formats (any, unless it was given some; 7F, every kind of
//    equipment, always). Of those it takes:
//      GO          the selected line goes out, as /lumetra/go
//      GO n        line n (from 1) goes out: selected as /lumetra/goto n, then as /lumetra/go
//      LOAD n      select line n, as /lumetra/goto n; nothing is sent (stand by)
//      RESET       select line 1; nothing is sent
//      ALL_OFF     an empty caption in mode 0, as /lumetra/blank
//    A cue list and a path after the number are taken and not looked at: the console has one list.
// 2. With a go note, a Note On of that note (velocity above 0, any channel) is a GO.
// 3. A GO is refused when it comes within 250 ms of the previous go of any remote input, and when
//    no line is selected; a cue number with a point, of other bytes than digits, or outside the
//    list is refused. A refused cue does nothing.
// 4. Everything else is ignored: other commands, other devices and formats, other messages.
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

#include "console/RemoteControl.h"
#include "remote/GoGuard.h"

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

// The clock the double-trigger guard compares, as every remote input stamps its arrivals.
inline qint64 MidiArrivalNowMs() { return QDateTime::currentMSecsSinceEpoch(); }

class MidiDispatcher {
 public:
  // `goGuard` is shared with the other remote inputs; without one the dispatcher keeps its own.
  MidiDispatcher(RemoteControl& target, MidiListening listening, GoGuard* goGuard = nullptr)
      : target_(target), listening_(std::move(listening)), goGuard_(goGuard != nullptr ? *goGuard : ownGuard_) {}
  // One whole message (its status byte first) read at `arrivalMs` from `source` (for the send log).
  MidiAnswer Dispatch(QByteArrayView message, qint64 arrivalMs, const QString& source);
  const MidiListening& Listening() const { return listening_; }

 private:
  RemoteControl& target_;
  MidiListening listening_;
  GoGuard ownGuard_;
  GoGuard& goGuard_;
};
