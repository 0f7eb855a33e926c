// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The window's answer to remote cues: each runs the handler the operator's own action runs (a
// click on a line, a double-click), or the send GO makes of the playhead's line, through the
// application's standard exception handler, so that the window shows it exactly as if the
// operator had done it.
// 1. A cue that moves the selection ends an edit of the mode the operator has under way (an open
//    mode list closes unchosen): the edit was begun for the line selected before, and its choice
//    must not land on the line the cue selected.
// 2. A cue that reads the mode selector (a line past the settings table, a double-click's send)
//    first ends an edit under way and takes the mode last chosen, never half-typed or erased
//    text. A GO of a line with its own entry reads nothing of the selector and leaves the
//    operator's edit alone.
// 3. Once a cue moved the show, its position is on disk before the cue returns.
#include <functional>

#include "console/RemoteControl.h"

class TForm1;

class FormRemoteControl : public RemoteControl {
 public:
  explicit FormRemoteControl(TForm1& form) : form_(form) {}

  RemoteState State() const override;
  RemoteResult Go(RemoteClock::time_point arrival, const QString& source) override;
  RemoteResult GoTo(int line) override;
  RemoteResult Next() override;
  RemoteResult Previous() override;
  RemoteResult SendLine(int line, const QString& source) override;
  RemoteResult Blank(const QString& source) override;
  RemoteResult SendText(const QString& text, int mode, const QString& source) override;
  void InputOn() override;

 private:
  // Runs a handler's action through the standard exception handler, then what follows every
  // operator action; returns the sends it made.
  RemoteResult Run(const std::function<void()>& action);
  // Moves the playhead to the line (0-based) and selects it as the operator's click does.
  RemoteResult Cue(int index);
  // Why a send of `text` in `mode` (for line `line`, 0 for none) may not go out; none when it may.
  RemoteResult Limits(const QString& text, int mode, int line) const;

  TForm1& form_;
};
