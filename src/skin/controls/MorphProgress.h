// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The hover cross-fade between a look's normal and active pictures, as the push button, the menu
// line and the frame's objects run it: five equal steps, counted whole so that the progress lands
// exactly on its ends however often it turns back.
class TMorphProgress {
 public:
  static constexpr int kSteps = 5;

  // 0 at the normal picture, 1 at the active one.
  double Value() const { return steps_ / double(kSteps); }
  // Not yet at the end the state fades to (the active picture when `active`).
  bool Short(bool active) const { return steps_ != End(active); }
  // One step towards that end; false when it is there already.
  bool StepTowards(bool active) {
    if (!Short(active)) return false;
    steps_ += active ? 1 : -1;
    return true;
  }
  void JumpTo(bool active) { steps_ = End(active); }

 private:
  static constexpr int End(bool active) { return active ? kSteps : 0; }
  int steps_ = 0;
};
