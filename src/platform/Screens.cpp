// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/Screens.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/WindowSystem.h"

namespace {

constexpr QRect kFallbackScreen(0, 0, 1024, 768);

QRect AreaOf(const QScreen* screen, bool workArea) {
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return kFallbackScreen;
  return workArea ? screen->availableGeometry() : screen->geometry();
}

}  // namespace

QRect ScreenRectAt(QPoint point, bool workArea) { return AreaOf(QGuiApplication::screenAt(point), workArea); }

QRect ScreenRectOf(const QWidget* widget, bool workArea) {
  if (!widget) return AreaOf(nullptr, workArea);
  // A Wayland compositor does not say where it put the window: the area is taken as starting at
  // the window's own top-left corner, so that what is placed by it (menus, hints) stays beside
  // the window in the window's coordinates.
  if (WindowSystemPlacesWindows()) return QRect(widget->window()->pos(), AreaOf(widget->screen(), workArea).size());
  const QScreen* screen = QGuiApplication::screenAt(widget->frameGeometry().center());
  return AreaOf(screen ? screen : widget->screen(), workArea);
}
