// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The double-trigger guard of the remote GO: a GO within 250 ms of another is refused. One guard
// serves every remote input (OSC cues, the web pages, a lighting desk), so that a GO pressed on a
// page right after a cue from the desk does not send the line after next.
// 1. GOs are stamped when their bytes arrive, on the one steady clock: a send that holds the
//    window delays their handling, never their stamps.
// 2. Any GO counts, also a refused one: a trigger that keeps repeating fast stays refused.
// 3. Inputs hand their GOs over in their own order: a GO is measured against the recent GOs
//    before and after it by stamp.
#include <QtGlobal>
#include <array>
#include <optional>

#include "console/RemoteControl.h"

constexpr qint64 kDoubleTriggerMs = 250;

class GoGuard {
 public:
  // nullopt when a GO arriving at `arrival` may run, else how many milliseconds lie between it
  // and the nearest recent GO.
  std::optional<qint64> DoubleTrigger(RemoteClock::time_point arrival);

 private:
  // The latest GOs handed over: enough to cover the inputs' differing order.
  std::array<std::optional<RemoteClock::time_point>, 8> recent_{};
  std::size_t next_ = 0;
};

// The console as every remote input drives it: its GO behind the one guard.
class GuardedRemoteControl : public RemoteControl {
 public:
  explicit GuardedRemoteControl(RemoteControl& console) : console_(console) {}

  RemoteState State() const override { return console_.State(); }
  RemoteResult Go(RemoteClock::time_point arrival, const QString& source) override;
  RemoteResult GoTo(int line) override { return console_.GoTo(line); }
  RemoteResult Next() override { return console_.Next(); }
  RemoteResult Previous() override { return console_.Previous(); }
  RemoteResult SendLine(int line, const QString& source) override { return console_.SendLine(line, source); }
  RemoteResult Blank(const QString& source) override { return console_.Blank(source); }
  RemoteResult SendText(const QString& text, int mode, const QString& source) override {
    return console_.SendText(text, mode, source);
  }
  void InputOn() override { console_.InputOn(); }

 private:
  RemoteControl& console_;
  GoGuard guard_;
};
