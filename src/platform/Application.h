// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The application object: title, main form, the standard exception handler and message pumping.
#include <QString>
#include <exception>
#include <functional>
#include <memory>

#include "platform/Messages.h"

class QObject;
class TForm;

// The application's message hook: sees each key press and wheel turn of the application before
// the window that would get it, as WM_KEYDOWN (WM_SYSKEYDOWN for Alt, F10 and keys pressed with
// Alt, which belong to the window system's menu keys) with the virtual key in WParam, or as
// WM_MOUSEWHEEL; a message it marks handled goes no further.
using TMessageHook = std::function<void(TMessage& message, bool& handled)>;

class TApplication {
 public:
  QString Title;
  TForm* MainForm = nullptr;

  // Shows the exception's message in a message box titled with the application title.
  void HandleException(const std::exception& error);
  void ShowException(const QString& message);
  // Runs a handler; an exception it raises goes to HandleException and the program carries on.
  // Returns false when the handler raised.
  bool Guard(const std::function<void()>& handler);
  void ProcessMessages();
  // Ends the message loop with `exitCode`. Asked before the loop runs (say from a dialog shown
  // while the window is first shown), the loop does not start at all.
  void Terminate(int exitCode = 0);
  bool Terminated = false;
  // Runs the message loop until Terminate; returns the program's exit code.
  int Run();
  ~TApplication();

  // Minimises the application (its visible forms go to the window system's minimised state)
  // and brings it back.
  void Minimize();
  void Restore();

  const TMessageHook& OnMessage() const { return onMessage_; }
  // Setting no hook stops the application's messages from being looked at at all.
  void SetOnMessage(TMessageHook hook);

 private:
  int exitCode_ = 0;
  TMessageHook onMessage_;
  std::unique_ptr<QObject> messageFilter_;
};

TApplication& Application();

// Pixel size of the primary screen (the platform's Screen.Width / Screen.Height).
int ScreenWidth();
int ScreenHeight();
