#include "skin/controls/SkinWindowOS.h"

#include <QWidget>
#include <algorithm>

#include "platform/Screens.h"

TRect WorkAreaForWindow(const QWidget* window, bool workArea) {
  return TRect::FromQRect(ScreenRectOf(window, workArea));
}

void SetWindowAlphaLevel(QWidget* window, int alpha) {
  if (window) window->setWindowOpacity(std::clamp(alpha, 0, 255) / 255.0);
}

bool IsLayeredWindowOS() { return true; }
bool IsXPOrLaterOS() { return true; }
