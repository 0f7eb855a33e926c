#pragma once
// The application object: title, main form, the standard exception handler and message pumping.
#include <QString>
#include <exception>
#include <functional>

class TForm;

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

 private:
  int exitCode_ = 0;
};

TApplication& Application();

// Pixel size of the primary screen (the platform's Screen.Width / Screen.Height).
int ScreenWidth();
int ScreenHeight();
