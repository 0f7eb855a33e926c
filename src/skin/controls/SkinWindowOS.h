// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The few window-system services the skinned surfaces ask for.
#include "platform/Types.h"

class QWidget;

// The available area (workArea) or the full area of the screen nearest to the window; the
// primary screen without a window.
TRect WorkAreaForWindow(const QWidget* window, bool workArea);

// Sets the window's opacity to alpha / 255 (alpha clamped to 0..255).
void SetWindowAlphaLevel(QWidget* window, int alpha);

// Raises the window's alpha from 0 to `alpha` in steps of 10, one step whenever more than 5 ms
// have passed, the last one capped at `alpha`; the user interface waits meanwhile (it takes
// about 5 ms a step, so at most some 130 ms). The window is repainted after each step.
void FadeWindowIn(QWidget* window, int alpha);
