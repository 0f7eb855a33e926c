// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/GlobalCoordinates.h"

#include <QCoreApplication>
#include <QCursor>
#include <QPointer>
#include <QSinglePointEvent>

#include "platform/WindowSystem.h"

namespace {

// Follows the pointer events the application's windows receive. Each event is taken once, at
// the window (not again at each widget it is passed on to), in the toolkit's global coordinates.
class PointerSightings : public QObject {
 public:
  TPoint Last() const { return over_ ? last_ : PointerNowhere; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!watched->isWindowType()) return false;
    switch (event->type()) {
      case QEvent::Enter:
      case QEvent::MouseMove:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick: {
        const QPoint p = static_cast<QSinglePointEvent*>(event)->globalPosition().toPoint();
        last_ = {p.x(), p.y()};
        over_ = true;
        break;
      }
      // Leaving one window for another brings the other's Enter right after.
      case QEvent::Leave: over_ = false; break;
      default: break;
    }
    return false;
  }

 private:
  TPoint last_{};
  bool over_ = false;
};

PointerSightings* Sightings() {
  // Belongs to the application object: a later application (the tests make several) watches anew.
  static QPointer<PointerSightings> sightings;
  if (!sightings && QCoreApplication::instance()) {
    sightings = new PointerSightings;
    sightings->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(sightings);
  }
  return sightings;
}

// Watching starts with the application, before any window can see the pointer.
void WatchPointerFromTheStart() { Sightings(); }
Q_COREAPP_STARTUP_FUNCTION(WatchPointerFromTheStart)

}  // namespace

TPoint GetCursorPos() {
  if (WindowSystemPlacesWindows()) {
    const PointerSightings* sightings = Sightings();
    return sightings ? sightings->Last() : PointerNowhere;
  }
  const QPoint p = QCursor::pos();
  return {p.x(), p.y()};
}
