// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The window's menu state: from a skinned menu's opening to its closing. Meanwhile the engine's
// application message hook gives the menu the keys. The state ends when the menu reports that it
// closed (message 1228), when Esc closed its last popup, or when one of the messages that close
// menus reaches the window. A part of TSkinForm, which owns the menu engine and the objects.
#include "platform/Application.h"
#include "platform/Messages.h"

class TSkinForm;

class TMenuState {
 public:
  explicit TMenuState(TSkinForm& engine) : engine_(engine) {}

  bool Open() const { return open_; }
  // The state begins (or goes on with another menu).
  void Opening();
  // The state ends: the object whose menu it was comes up, the application gets its own message
  // hook back.
  void Closed();
  // Closes the open menu, or ends a state whose popups have gone.
  void Close();
  // Closes an open menu for the messages that end it (press, move, size, activation, ...).
  void ClosingFilter(const TMessage& message);
  // Gives the application its own message hook back, the state or not.
  void ReleaseHook();

 private:
  void MessageHook(TMessage& message, bool& handled);
  void KeyDown(int key);

  TSkinForm& engine_;
  bool open_ = false;
  bool hookSaved_ = false;
  TMessageHook savedHook_;
};
