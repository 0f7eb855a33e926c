// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The window's answer to remote cues: each runs the handler the operator's own action runs (a
// click on a line, Enter, a double-click), through the application's standard exception handler,
// so that the window shows it exactly as if the operator had done it.
//
// A cue that moves the selection ends an edit of the mode the operator has under way (an open
// mode list closes unchosen): the edit was begun for the line selected before, and its choice
// must not land on the line the cue selected.
#include <functional>

#include "console/RemoteControl.h"

class TForm1;

class FormRemoteControl : public RemoteControl {
 public:
  explicit FormRemoteControl(TForm1& form) : form_(form) {}

  RemoteState State() const override;
  void Go(const QString& source) override;
  void Select(int line) override;
  void Next() override;
  void Previous() override;
  void SendLine(int line, const QString& source) override;
  void Blank(const QString& source) override;
  void SendText(const QString& text, const QString& source) override;
  void SendText(const QString& text, int mode, const QString& source) override;
  int PacketPages(const QString& text, int mode) const override;
  std::vector<RemoteSend> TakeSends() override;

 private:
  // Runs a handler's action through the standard exception handler, then what follows every
  // operator action; notes the send it made.
  void Run(const std::function<void()>& action);
  // Selects the line (0-based) and shows its settings, as the operator's click does.
  void SelectAsClicked(int index);

  TForm1& form_;
  std::vector<RemoteSend> sends_;
};
