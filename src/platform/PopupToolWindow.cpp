// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/PopupToolWindow.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

#include "platform/WindowSystem.h"

namespace {

// On X a tool window kept on top that the window manager leaves alone. A Wayland compositor
// shows a window of the tooltip kind with a transient parent as a popup of that parent, without
// taking the keyboard from it (the menu's keys come through the owner).
Qt::WindowFlags PopupFlags() {
  if (WindowSystemPlacesWindows()) return Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
  return Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus |
         Qt::X11BypassWindowManagerHint;
}

}  // namespace

void AttachPopupToOwner(QWidget* popup, const QWidget* owner) {
  if (!WindowSystemPlacesWindows()) return;
  const QWidget* parent = owner ? owner->window() : QApplication::activeWindow();
  QWindow* parentWindow = parent ? parent->windowHandle() : nullptr;
  popup->winId();
  if (popup->windowHandle()->transientParent() != parentWindow) popup->windowHandle()->setTransientParent(parentWindow);
}

TPopupToolWindow::TPopupToolWindow(QWidget* owner) : QWidget(nullptr, PopupFlags()), owner_(owner) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_X11NetWmWindowTypePopupMenu);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
}

void TPopupToolWindow::SetSize(int width, int height) {
  surface_.SetSize(width, height);
  resize(width, height);
}

void TPopupToolWindow::ShowAt(int x, int y) {
  // A window that appears is put above the others; stays-on-top keeps it there.
  move(x, y);
  AttachPopupToOwner(this, owner_);
  show();
}

void TPopupToolWindow::SetRegion(const std::optional<QRegion>& region) {
  if (region) setMask(*region);
  else clearMask();
}

void TPopupToolWindow::SurfaceChanged(const TRect& rect) {
  if (!rect.IsEmpty()) update(rect.ToQRect());
}

void TPopupToolWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  const QRect area = event->rect();
  painter.drawImage(area.topLeft(), surface_.Image(), area);
}
