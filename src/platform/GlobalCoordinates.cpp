#include "platform/GlobalCoordinates.h"

#include <QCursor>

TPoint GetCursorPos() {
  const QPoint p = QCursor::pos();
  return {p.x(), p.y()};
}
