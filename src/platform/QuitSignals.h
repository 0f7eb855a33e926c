// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Ends the program on SIGTERM, SIGINT and SIGHUP the way the window's close does, so the main
// form's close handler still saves what it saves. The signal handler only wakes the event loop;
// the close runs there, on the GUI thread. Nothing may hold it up: open dialogs are dismissed and
// any message goes to standard error instead of a message box. A second signal ends the program
// at once.
void CloseMainFormOnQuitSignals();

// What a quit signal does once the event loop has it; exposed for the process's own tests.
void CloseMainFormForSignal(int signal);
