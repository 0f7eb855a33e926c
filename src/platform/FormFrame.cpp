// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The custom-frame half of the form: the non-client protocol it runs through the window
// procedure once a component has taken the frame over.
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>
#include <QWindow>

#include "platform/Canvas.h"
#include "platform/Form.h"
#include "platform/MoveSizeLoop.h"
#include "platform/NonClientMessages.h"
#include "platform/WindowSystem.h"

namespace {

Qt::Edges EdgesOf(int hitCode) {
  switch (hitCode) {
    case HTLEFT: return Qt::LeftEdge;
    case HTRIGHT: return Qt::RightEdge;
    case HTTOP: return Qt::TopEdge;
    case HTBOTTOM: return Qt::BottomEdge;
    case HTTOPLEFT: return Qt::TopEdge | Qt::LeftEdge;
    case HTTOPRIGHT: return Qt::TopEdge | Qt::RightEdge;
    case HTBOTTOMLEFT: return Qt::BottomEdge | Qt::LeftEdge;
    case HTBOTTOMRIGHT: return Qt::BottomEdge | Qt::RightEdge;
    default: return {};
  }
}

Qt::CursorShape CursorOf(int hitCode) {
  switch (hitCode) {
    case HTLEFT:
    case HTRIGHT: return Qt::SizeHorCursor;
    case HTTOP:
    case HTBOTTOM: return Qt::SizeVerCursor;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: return Qt::SizeFDiagCursor;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: return Qt::SizeBDiagCursor;
    default: return Qt::ArrowCursor;
  }
}

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
  // The window system's own move or size loop holds the pointer until it ends; the first
  // pointer event the window sees again marks that end. A move with the button still held means
  // the window system took the request but not the pointer: the form's own loop follows it.
  if (form_.systemLoop_ && event->type() == QEvent::MouseMove &&
      (static_cast<QMouseEvent*>(event)->buttons() & Qt::LeftButton))
    form_.FallBackToOwnLoop();
  else if (form_.systemLoop_ && (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove ||
                                 event->type() == QEvent::MouseButtonPress ||
                                 event->type() == QEvent::MouseButtonRelease))
    form_.EndSystemLoop();
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
      (form_.loop_->Active() || form_.loopPending_)) {
    form_.EndPendingLoop();
    form_.loop_->Cancel();
    return true;
  }
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

bool TForm::InMoveSizeLoop() const { return loopPending_ || systemLoop_ || loop_->Active(); }

bool TForm::NonClientMouse(QMouseEvent* event, unsigned clientMessage, unsigned nonClientMessage) {
  if (!customFrame_) return false;
  const QPoint global = event->globalPosition().toPoint();
  if (loopPending_) {
    // The loop holds the pointer: a drag starts the moving, the release ends the loop.
    const bool dragging = event->type() == QEvent::MouseMove && (event->buttons() & Qt::LeftButton);
    if (dragging && (global - systemLoopStart_).manhattanLength() >= QGuiApplication::styleHints()->startDragDistance())
      StartDraggedLoop(global);
    else if (!dragging) EndPendingLoop();
    if (dragging || event->type() == QEvent::MouseButtonRelease) return true;
  }
  if (loop_->Active()) {
    if (event->type() == QEvent::MouseButtonRelease) loop_->Finish();
    else loop_->Follow(global);
    return true;
  }
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
  if (!customFrame_ || InMoveSizeLoop()) return;
  if (hitCode != HTCAPTION && SizingEdgeOf(hitCode) == 0) return;
  Perform(WM_ENTERSIZEMOVE);
  loopPending_ = true;
  systemLoopCode_ = hitCode;
  systemLoopStart_ = QPoint(screen.X, screen.Y);
}

void TForm::StartDraggedLoop(QPoint cursor) {
  loopPending_ = false;
  const int hitCode = systemLoopCode_;
  QWindow* handle = window_->windowHandle();
  const bool system = handle && (hitCode == HTCAPTION ? handle->startSystemMove()
                                                      : handle->startSystemResize(EdgesOf(hitCode)));
  if (system) {
    systemLoop_ = true;
    return;
  }
  // A Wayland compositor moves and sizes windows only itself (a window cannot place itself
  // there): when it refuses, the window stays as it is.
  if (WindowSystemPlacesWindows()) {
    Perform(WM_EXITSIZEMOVE);
    return;
  }
  loop_->Start(hitCode, systemLoopStart_);
  loop_->Follow(cursor);
}

void TForm::EndPendingLoop() {
  if (!loopPending_) return;
  loopPending_ = false;
  Perform(WM_EXITSIZEMOVE);
}

void TForm::FallBackToOwnLoop() {
  // The compositor's move holds the pointer itself; what the window still sees of it ends the
  // move here, as the window cannot follow it with a loop of its own.
  if (WindowSystemPlacesWindows()) {
    EndSystemLoop();
    return;
  }
  systemLoop_ = false;
  loop_->Start(systemLoopCode_, systemLoopStart_);
}

void TForm::EndSystemLoop() {
  if (!systemLoop_) return;
  systemLoop_ = false;
  Perform(WM_EXITSIZEMOVE);
}
