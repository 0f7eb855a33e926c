// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The window system the programs run on, and what it lets a program decide for itself.
//
// The skinned window places itself and its menus and hints at screen points and reads the
// pointer's screen position. An X server allows all of it; a Wayland compositor allows none: it
// places top-level windows itself, runs their moves, and shows popups only relative to a window
// of the program. So in a Wayland session that also offers X (XWayland), the programs start on
// X unless the user chose a platform; without X they run on Wayland, where the compositor
// decides the first position, the moves (no snapping to the screen's edges) and where a
// maximised window goes.
#include <QByteArray>
#include <QString>
#include <QStringList>

// What decides the platform: the session's variables and the program's arguments.
struct TPlatformSession {
  QByteArray WaylandDisplay;  // WAYLAND_DISPLAY
  QByteArray Display;         // DISPLAY
  QByteArray QpaPlatform;     // QT_QPA_PLATFORM
  QStringList Arguments;      // the program's arguments (the first is the program)
};

struct TPlatformChoice {
  QByteArray Platform;  // the platform plugin to start on; empty: leave the choice to the toolkit
  QString Reason;       // one line for standard error; empty with no choice made
  friend bool operator==(const TPlatformChoice&, const TPlatformChoice&) = default;
};

// The user's own choice (QT_QPA_PLATFORM, -platform or --platform) always stands. Otherwise a
// Wayland session with X beside it starts on X ("xcb"), and one without X on "wayland".
TPlatformChoice ChoosePlatform(const TPlatformSession& session);

// Applies ChoosePlatform to this process before its application object exists: sets
// QT_QPA_PLATFORM and prints the reason on standard error, prefixed with `program`.
void ChooseWindowSystem(int argc, char** argv, const char* program);

// The window system places top-level windows and runs their moves itself and keeps the
// pointer's screen position to itself (Wayland); popups are placed relative to their owner.
bool WindowSystemPlacesWindows();
