#include "skin/controls/SkinWindowOS.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

TRect WorkAreaForWindow(const QWidget* window, bool workArea) {
  const QScreen* screen = nullptr;
  if (window) {
    // The screen that holds the window's centre, else the one nearest to it.
    const QPoint centre = window->frameGeometry().center();
    screen = QGuiApplication::screenAt(centre);
    if (!screen) screen = window->screen();
  }
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return {0, 0, 0, 0};
  return TRect::FromQRect(workArea ? screen->availableGeometry() : screen->geometry());
}

void SetWindowAlphaLevel(QWidget* window, int alpha) {
  if (window) window->setWindowOpacity(std::clamp(alpha, 0, 255) / 255.0);
}

bool IsLayeredWindowOS() { return true; }
bool IsXPOrLaterOS() { return true; }
