// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Pointer events as the window system delivers them to a top-level window: at a screen point,
// with the screen pointer moved there first (the frame's hover poll reads it).
#include <QEvent>
#include <QPoint>

class QWidget;

// `button` is the one that changed (none for a move); `held` the buttons down after the event;
// `time` the event's time stamp in milliseconds (presses close in time make double clicks).
void SendPointer(QWidget* window, QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons held,
                 quint64 time = 0);
