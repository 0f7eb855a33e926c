// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The desktop's accessibility bridge asks for the session bus when the first label gets its text
// and waits until the bus is reached (where there is none, until a launcher for one has been
// looked for). Reached on a thread of its own as soon as the application object exists, the
// connection is made, or nearly, by the time the first control is built: create the connector
// right after the application object.
#include <thread>

// Where no session bus runs (no address given, no per-user bus socket), the bus library forks the
// program to look for a launcher the first time the bus is asked for; the fork holds up every
// other thread's memory work for milliseconds at start-up, and on finding a launcher it starts a
// bus nobody else uses. Called before any thread starts, this tells the library there is no bus,
// which is what the program then learns at once. A bus that runs is reached as before.
void DisableSessionBusLaunch();

class SessionBusConnector {
 public:
  SessionBusConnector();
  ~SessionBusConnector();
  SessionBusConnector(const SessionBusConnector&) = delete;
  SessionBusConnector& operator=(const SessionBusConnector&) = delete;

 private:
  std::thread thread_;
};
