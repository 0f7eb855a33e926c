#include "platform/PopupToolWindow.h"

#include <QPaintEvent>
#include <QPainter>

TPopupToolWindow::TPopupToolWindow()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus |
                           Qt::X11BypassWindowManagerHint) {
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
