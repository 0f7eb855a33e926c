// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The custom-frame half of the form: the non-client protocol it runs through the window
// procedure once a component has taken the frame over.
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>

#include "platform/Canvas.h"
#include "platform/Form.h"
#include "platform/MoveSizeLoop.h"
#include "platform/NonClientMessages.h"

namespace {

// The right button's message stands three after the left one's, the middle one's six, client and
// non-client alike; further buttons count as the middle one, which no frame object takes.
unsigned ForButton(unsigned leftMessage, const QMouseEvent* event) {
  if (event->button() == Qt::LeftButton || event->button() == Qt::NoButton) return leftMessage;
  return leftMessage + (event->button() == Qt::RightButton ? 3 : 6);
}

}  // namespace

void TFormWindow::paintEvent(QPaintEvent* event) {
  if (!form_.HasCustomFrame()) {
    QWidget::paintEvent(event);
    return;
  }
  form_.PaintFrameImageIfDirty();
  QPainter painter(this);
  painter.drawImage(0, 0, form_.frameImage_);
}

void TFormWindow::mouseMoveEvent(QMouseEvent* event) {
  if (!form_.NonClientMouse(event, WM_MOUSEMOVE, WM_NCMOUSEMOVE)) QWidget::mouseMoveEvent(event);
}

void TFormWindow::mousePressEvent(QMouseEvent* event) {
  if (!form_.NonClientMouse(event, ForButton(WM_LBUTTONDOWN, event), ForButton(WM_NCLBUTTONDOWN, event)))
    QWidget::mousePressEvent(event);
}

void TFormWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (!form_.NonClientMouse(event, ForButton(WM_LBUTTONUP, event), ForButton(WM_NCLBUTTONUP, event)))
    QWidget::mouseReleaseEvent(event);
}

// Over the frame the toolkit's double click is a press like any other: the form tells double
// clicks there itself (some toolkits send a press before it, some do not).
void TFormWindow::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!form_.NonClientMouse(event, ForButton(WM_LBUTTONDBLCLK, event), ForButton(WM_NCLBUTTONDOWN, event)))
    QWidget::mouseDoubleClickEvent(event);
}

bool TFormWindow::event(QEvent* event) {
  if (form_.loop_->TakeWindowEvent(*event)) return true;
  return QWidget::event(event);
}

void TFormClient::paintEvent(QPaintEvent* event) {
  if (!form_.HasCustomFrame()) {
    QWidget::paintEvent(event);
    return;
  }
  form_.PaintClientBackground(form_.clientImage_);
  QPainter painter(this);
  painter.drawImage(0, 0, form_.clientImage_);
}

void TForm::SyncFrame() {
  const QSize size = window_->size();
  if (size == syncedSize_) return;
  syncedSize_ = size;
  if (customFrame_) {
    TNCCalcSizeParams params;
    params.rgrc[0] = Bounds(Left(), Top(), size.width(), size.height());
    params.rgrc[1] = params.rgrc[0];
    params.rgrc[2] = params.rgrc[0];
    Perform(WM_NCCALCSIZE, 1, reinterpret_cast<LPARAM>(&params));
    TRect client = params.rgrc[0];
    client = {client.Left - Left(), client.Top - Top(), client.Right - Left(), client.Bottom - Top()};
    client.Right = std::max(client.Right, client.Left);
    client.Bottom = std::max(client.Bottom, client.Top);
    client_->setGeometry(client.ToQRect());
    frameDirty_ = true;
    window_->update();
  } else {
    client_->setGeometry(window_->rect());
  }
  Perform(WM_SIZE, 0, MAKELPARAM(client_->width(), client_->height()));
}

QImage& TForm::FrameImage() {
  const QSize size = window_->size();
  if (frameImage_.size() != size) {
    frameImage_ = QImage(size, QImage::Format_RGB32);
    frameImage_.fill(ToQColor(color_));
    frameDirty_ = true;
  }
  return frameImage_;
}

void TForm::FramePainted() {
  if (!inFramePaint_) window_->update();
}

void TForm::PaintFrameImageIfDirty() {
  FrameImage();
  if (!frameDirty_) return;
  frameDirty_ = false;
  inFramePaint_ = true;
  Perform(WM_NCPAINT, 1, 0);
  inFramePaint_ = false;
}

void TForm::RedrawFrame() {
  if (!customFrame_) return;
  frameDirty_ = true;
  // Until the window first shows, nothing of the frame is seen: it is painted at that show.
  if (!framePaintHeld_ && shownOnce_) PaintFrameImageIfDirty();
  window_->update();
}

void TForm::SetWindowRgn(const std::optional<QRegion>& region, bool redraw) {
  region_ = region;
  if (region) window_->setMask(*region);
  else window_->clearMask();
  if (redraw) RedrawFrame();
}

void TForm::PaintClientBackground(QImage& image) {
  if (image.size() != client_->size()) image = QImage(client_->size(), QImage::Format_RGB32);
  TCanvas canvas(&image);
  Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&canvas), 0);
}

bool TForm::InMoveSizeLoop() const { return loop_->Running(); }

bool TForm::NonClientMouse(QMouseEvent* event, unsigned clientMessage, unsigned nonClientMessage) {
  if (!customFrame_) return false;
  if (loop_->TakePointer(*event)) return true;
  const QPoint global = event->globalPosition().toPoint();
  if (captured_) {
    const QPoint local = client_->mapFromGlobal(global);
    Perform(clientMessage, 0, MAKELPARAM(local.x(), local.y()));
    return true;
  }
  // The pointer knows where the window really is; a window manager that placed it without a
  // word to the toolkit would otherwise shift every hit test.
  const QPoint origin = global - event->position().toPoint();
  if (origin != window_->geometry().topLeft()) window_->move(origin - (window_->geometry().topLeft() - window_->pos()));
  const LPARAM screen = PointToLParam({global.x(), global.y()});
  const int code = int(Perform(WM_NCHITTEST, 0, screen));
  const unsigned mouseMessage = clientMessage;
  Perform(WM_SETCURSOR, reinterpret_cast<WPARAM>(window_.get()), MAKELPARAM(code, int(mouseMessage)));
  if (code == HTCLIENT) return true;
  // The double-click message stands two after the press's.
  const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
  if (press && NonClientDoubleClick(event, code)) nonClientMessage += 2;
  Perform(nonClientMessage, WPARAM(code), screen);
  return true;
}

// The platform makes non-client double clicks from the presses themselves, by their time and
// place: the second press soon after the first on the same spot and hit code. A third press
// starts a new one.
bool TForm::NonClientDoubleClick(const QMouseEvent* event, int hitCode) {
  const QPoint at = event->globalPosition().toPoint();
  const NonClientPress& last = lastNonClientPress_;
  const QStyleHints* hints = QGuiApplication::styleHints();
  const bool second = last.valid && last.button == event->button() && last.hitCode == hitCode &&
                      event->timestamp() - last.time <= quint64(hints->mouseDoubleClickInterval()) &&
                      (at - last.at).manhattanLength() <= hints->mouseDoubleClickDistance();
  if (second) lastNonClientPress_ = {};
  else lastNonClientPress_ = {true, event->button(), hitCode, at, event->timestamp()};
  return second;
}

void TForm::DefaultSetCursor(int hitCode) {
  if (!customFrame_) return;
  if (hitCode == HTCLIENT) window_->setCursor(client_->cursor());
  else window_->setCursor(CursorOf(hitCode));
}

// The loop is entered at the press, as the platform enters it. The window system is asked to
// move or size the window only once the pointer is dragged: asked at a mere click, a window
// manager may start moving after the button is already up and then take the next press (the
// second half of a double click) as the end of its move.
void TForm::DefaultNonClientButtonDown(int hitCode, TPoint screen) {
  if (customFrame_) loop_->Enter(hitCode, QPoint(screen.X, screen.Y));
}
