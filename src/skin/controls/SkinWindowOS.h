#pragma once
// The few window-system services the skinned surfaces ask for.
#include "platform/Types.h"

class QWidget;

// The available area (workArea) or the full area of the screen nearest to the window; the
// primary screen without a window.
TRect WorkAreaForWindow(const QWidget* window, bool workArea);

// Sets the window's opacity to alpha / 255 (alpha clamped to 0..255).
void SetWindowAlphaLevel(QWidget* window, int alpha);

// Per-window transparency and drop shadows are always available here.
bool IsLayeredWindowOS();
bool IsXPOrLaterOS();
