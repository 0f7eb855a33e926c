// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The console as its own process, copied with its web pages' module into a program folder of the
// test's own so that it writes its working state there, started offscreen in the test's folder
// where it finds the state to restore.
#include <QProcess>
#include <csignal>

class ConsoleProcess {
 public:
  ConsoleProcess();
  // Starts the console and waits until its quit-signal handlers are in place (it is up).
  bool StartAndWaitForHandlers();
  // Sends `signal` (a quit signal by default) and waits, bounded, for the console to end; kills it
  // when it will not. False when it had to be killed.
  bool Stop(int signal = SIGTERM);

  QProcess process;
};
