// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The screens as the platform's Screen object sees them. Without any screen (a display going
// away, a process without one) every answer is one 1024 x 768 screen at the origin, so that
// placing and centring windows always works on a real size.
#include <QPoint>
#include <QRect>

class QWidget;

// The screen that holds `point`, else the primary one; its work area or its whole area.
QRect ScreenRectAt(QPoint point, bool workArea = false);
// The screen that holds the widget's centre, else the widget's own screen, else the primary one.
// Where the window system keeps the windows' places to itself (Wayland): that screen's size at
// the widget's window's top-left corner.
QRect ScreenRectOf(const QWidget* widget, bool workArea = false);
