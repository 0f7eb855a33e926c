#include "support/PointerEvents.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWidget>

void SendPointer(QWidget* window, QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons held) {
  const QPoint local = global - window->geometry().topLeft();
  QCursor::setPos(global);
  QMouseEvent event(type, local, local, global, button, held, Qt::NoModifier);
  QApplication::sendEvent(window, &event);
}
