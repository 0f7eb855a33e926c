// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The double-trigger guard of the remote GO: a go within 250 ms of the previous go is refused.
// One guard serves every remote input (OSC cues, the web pages), so that a go pressed on a page
// right after a cue from the desk does not send the line after next.
#include <QtGlobal>
#include <optional>

constexpr qint64 kDoubleTriggerMs = 250;

class GoGuard {
 public:
  // A go arriving at `arrivalMs` (milliseconds since the epoch): nullopt when it may run, else
  // how long after the previous go it came. Any go counts as the previous one, also one refused;
  // a go stamped before the previous one is no double trigger.
  std::optional<qint64> DoubleTrigger(qint64 arrivalMs) {
    const std::optional<qint64> previous = lastGoMs_;
    lastGoMs_ = arrivalMs;
    if (previous && arrivalMs >= *previous && arrivalMs - *previous < kDoubleTriggerMs) return arrivalMs - *previous;
    return std::nullopt;
  }
  bool Admit(qint64 arrivalMs) { return !DoubleTrigger(arrivalMs); }

 private:
  std::optional<qint64> lastGoMs_;
};
