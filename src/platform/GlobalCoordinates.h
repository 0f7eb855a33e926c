// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The places that read global (screen) coordinates from the window system, kept together so
// that a window system without them can be served by changing these alone. Window placement
// goes through TForm's bounds; popups are placed by the menus at screen points (see
// PopupToolWindow.h for a window system that places them relative to their owner).
#include <QPoint>

#include "platform/Types.h"

// GetCursorPos: the pointer's position on the screen. Where the window system keeps that to
// itself (Wayland), it is where the application's own windows last saw the pointer, in the same
// coordinates as their pointer events; once the pointer has left them all, a point far outside
// every window (PointerNowhere).
TPoint GetCursorPos();
// The same as a toolkit point.
inline QPoint GetCursorPoint() {
  const TPoint p = GetCursorPos();
  return {p.X, p.Y};
}

// The answer of GetCursorPos while the pointer is over none of the application's windows on a
// window system that hides it elsewhere.
constexpr TPoint PointerNowhere{-(1 << 24), -(1 << 24)};
