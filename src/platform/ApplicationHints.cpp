// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/ApplicationHints.h"

#include <QApplication>
#include <QBitmap>
#include <QCursor>
#include <QHelpEvent>
#include <QScreen>
#include <QTimer>

#include "platform/GlobalCoordinates.h"
#include "platform/Screens.h"

class TApplicationHints::Filter : public QObject {
 public:
  explicit Filter(TApplicationHints& hints) : hints_(hints) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::ToolTip: {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->toolTip().isEmpty()) return false;
        if (hints_.ShowHint()) {
          const QPoint pos = static_cast<QHelpEvent*>(event)->globalPos();
          hints_.ActivateHint(widget, QPoint(pos.x(), pos.y() + CursorHeightMargin()), widget->toolTip());
        }
        return true;  // the toolkit's own tooltip never shows
      }
      case QEvent::Leave:
      case QEvent::MouseButtonPress:
      case QEvent::KeyPress:
      case QEvent::Wheel:
      case QEvent::ApplicationDeactivate:
        if (hints_.HintWindow() && hints_.HintWindow()->isVisible() && watched != hints_.HintWindow())
          hints_.CancelHint();
        return false;
      default:
        return false;
    }
  }

 private:
  TApplicationHints& hints_;
};

TApplicationHints& ApplicationHints() {
  static TApplicationHints hints;
  return hints;
}

TApplicationHints::TApplicationHints() {
  ResetHintWindowClass();
  if (qApp) {
    filter_ = std::make_unique<Filter>(*this);
    qApp->installEventFilter(filter_.get());
  }
  hideTimer_ = std::make_unique<QTimer>();
  hideTimer_->setSingleShot(true);
  QObject::connect(hideTimer_.get(), &QTimer::timeout, [this] { CancelHint(); });
}

void TApplicationHints::ResetHintWindowClass() {
  windowClass_ = [] { return std::make_unique<THintWindow>(); };
}

void TApplicationHints::SetShowHint(bool show) {
  if (show == showHint_ && (window_ || !show)) return;
  showHint_ = show;
  hideTimer_->stop();
  window_.reset();
  if (show) window_ = windowClass_();
}

void TApplicationHints::ActivateHint(QWidget* control, const QPoint& pos, const QString& text) {
  if (!showHint_) return;
  if (!window_) window_ = windowClass_();
  QString hint = text;
  bool canShow = true;
  THintInfo info{control, pos, 0};
  const QRect screen = ScreenRectOf(control);
  info.HintMaxWidth = screen.width();
  if (OnShowHint) OnShowHint(hint, canShow, info);
  if (!canShow || hint.isEmpty()) {
    CancelHint();
    return;
  }
  const TRect size = window_->CalcHintRect(info.HintMaxWidth, hint);
  window_->SetOwner(control);
  window_->ActivateHint(Bounds(info.HintPos.x(), info.HintPos.y(), size.Width(), size.Height()), hint);
  hideTimer_->start(HintHidePause);
}

void TApplicationHints::CancelHint() {
  hideTimer_->stop();
  if (window_) window_->ReleaseHandle();
}

int CursorHeightMargin() {
  constexpr int kSystemCursorHeight = 32;
  const QCursor* over = QApplication::overrideCursor();
  QCursor cursor = over ? *over : QCursor();
  if (!over) {
    if (const QWidget* under = QApplication::widgetAt(GetCursorPoint())) cursor = under->cursor();
  }
  if (cursor.shape() != Qt::BitmapCursor) return kSystemCursorHeight;
  // The lowest visible row: from the picture's alpha, or from the mask bits (set = black).
  const bool fromPixmap = !cursor.pixmap().isNull();
  const QImage shape = (fromPixmap ? cursor.pixmap().toImage() : cursor.mask().toImage())
                           .convertToFormat(QImage::Format_ARGB32);
  for (int y = shape.height() - 1; y >= 0; --y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(shape.constScanLine(y));
    for (int x = 0; x < shape.width(); ++x) {
      const bool visible = fromPixmap ? qAlpha(row[x]) != 0 : qGray(row[x]) < 128;
      if (visible) return y + 1 - cursor.hotSpot().y();
    }
  }
  return kSystemCursorHeight;
}
