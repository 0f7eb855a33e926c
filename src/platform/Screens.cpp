#include "platform/Screens.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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
  const QScreen* screen = QGuiApplication::screenAt(widget->frameGeometry().center());
  return AreaOf(screen ? screen : widget->screen(), workArea);
}
