// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/MoveSizeLoop.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <array>

#include "platform/Form.h"
#include "platform/NonClientMessages.h"
#include "platform/WindowSystem.h"

namespace {

constexpr std::array<TFrameHitCode, 9> kFrameHitCodes{{
    {HTCAPTION, {}, Qt::ArrowCursor, 0},
    {HTLEFT, Qt::LeftEdge, Qt::SizeHorCursor, WMSZ_LEFT},
    {HTRIGHT, Qt::RightEdge, Qt::SizeHorCursor, WMSZ_RIGHT},
    {HTTOP, Qt::TopEdge, Qt::SizeVerCursor, WMSZ_TOP},
    {HTTOPLEFT, Qt::TopEdge | Qt::LeftEdge, Qt::SizeFDiagCursor, WMSZ_TOPLEFT},
    {HTTOPRIGHT, Qt::TopEdge | Qt::RightEdge, Qt::SizeBDiagCursor, WMSZ_TOPRIGHT},
    {HTBOTTOM, Qt::BottomEdge, Qt::SizeVerCursor, WMSZ_BOTTOM},
    {HTBOTTOMLEFT, Qt::BottomEdge | Qt::LeftEdge, Qt::SizeBDiagCursor, WMSZ_BOTTOMLEFT},
    {HTBOTTOMRIGHT, Qt::BottomEdge | Qt::RightEdge, Qt::SizeFDiagCursor, WMSZ_BOTTOMRIGHT},
}};

bool LeftButtonDrag(const QEvent& event) {
  return event.type() == QEvent::MouseMove &&
         (static_cast<const QMouseEvent&>(event).buttons() & Qt::LeftButton);
}

}  // namespace

const TFrameHitCode* FrameHitCodeOf(int hitCode) {
  const auto found = std::find_if(kFrameHitCodes.begin(), kFrameHitCodes.end(),
                                  [hitCode](const TFrameHitCode& entry) { return entry.code == hitCode; });
  return found == kFrameHitCodes.end() ? nullptr : &*found;
}

int SizingEdgeOf(int hitCode) {
  const TFrameHitCode* entry = FrameHitCodeOf(hitCode);
  return entry ? entry->sizingEdge : 0;
}

Qt::CursorShape CursorOf(int hitCode) {
  const TFrameHitCode* entry = FrameHitCodeOf(hitCode);
  return entry ? entry->cursor : Qt::ArrowCursor;
}

TRect MoveSizeTarget(int hitCode, const TRect& start, QPoint delta, TPoint minTrack, TPoint maxTrack) {
  if (hitCode == HTCAPTION)
    return {start.Left + delta.x(), start.Top + delta.y(), start.Right + delta.x(), start.Bottom + delta.y()};
  const TFrameHitCode* entry = FrameHitCodeOf(hitCode);
  const Qt::Edges edges = entry ? entry->edges : Qt::Edges{};
  const auto limit = [](int size, int low, int high) { return std::max(low, high > 0 ? std::min(size, high) : size); };
  TRect r = start;
  if (edges & Qt::LeftEdge) r.Left = r.Right - limit(start.Width() - delta.x(), minTrack.X, maxTrack.X);
  if (edges & Qt::RightEdge) r.Right = r.Left + limit(start.Width() + delta.x(), minTrack.X, maxTrack.X);
  if (edges & Qt::TopEdge) r.Top = r.Bottom - limit(start.Height() - delta.y(), minTrack.Y, maxTrack.Y);
  if (edges & Qt::BottomEdge) r.Bottom = r.Top + limit(start.Height() + delta.y(), minTrack.Y, maxTrack.Y);
  return r;
}

void TMoveSizeLoop::Enter(int hitCode, QPoint cursor) {
  if (Running() || !FrameHitCodeOf(hitCode)) return;
  form_.Perform(WM_ENTERSIZEMOVE);
  stage_ = Stage::Pending;
  hitCode_ = hitCode;
  startCursor_ = cursor;
}

bool TMoveSizeLoop::TakePointer(const QMouseEvent& event) {
  const QPoint global = event.globalPosition().toPoint();
  if (stage_ == Stage::Pending) {
    // A drag starts the moving, the release (or any press) ends the loop.
    const bool dragging = LeftButtonDrag(event);
    if (dragging && (global - startCursor_).manhattanLength() >= QGuiApplication::styleHints()->startDragDistance())
      StartDragged(global);
    else if (!dragging) Finish();
    if (dragging || event.type() == QEvent::MouseButtonRelease) return true;
  }
  if (stage_ != Stage::Own) return false;
  if (event.type() == QEvent::MouseButtonRelease) Finish();
  else Follow(global);
  return true;
}

bool TMoveSizeLoop::TakeWindowEvent(const QEvent& event) {
  // The window system's own loop holds the pointer until it ends; the first pointer event the
  // window sees again marks that end. A move with the button still held means the window system
  // took the request but not the pointer: the loop follows it itself, except under a compositor,
  // whose move holds the pointer itself and cannot be followed.
  if (stage_ == Stage::System) {
    const QEvent::Type type = event.type();
    if (LeftButtonDrag(event) && !WindowSystemPlacesWindows())
      StartOwn();
    else if (type == QEvent::Enter || type == QEvent::MouseMove || type == QEvent::MouseButtonPress ||
             type == QEvent::MouseButtonRelease)
      Finish();
  }
  const bool escape = event.type() == QEvent::KeyPress && static_cast<const QKeyEvent&>(event).key() == Qt::Key_Escape;
  if (!escape || (stage_ != Stage::Pending && stage_ != Stage::Own)) return false;
  Cancel();
  return true;
}

void TMoveSizeLoop::StartDragged(QPoint cursor) {
  QWindow* handle = form_.Window()->windowHandle();
  const TFrameHitCode& entry = *FrameHitCodeOf(hitCode_);
  stage_ = Stage::System;
  if (handle && (hitCode_ == HTCAPTION ? handle->startSystemMove() : handle->startSystemResize(entry.edges))) return;
  // A Wayland compositor moves and sizes windows only itself (a window cannot place itself
  // there): when it refuses, the window stays as it is.
  if (WindowSystemPlacesWindows()) {
    Finish();
    return;
  }
  StartOwn();
  Follow(cursor);
}

void TMoveSizeLoop::StartOwn() {
  startRect_ = Bounds(form_.Left(), form_.Top(), form_.Width(), form_.Height());
  TMinMaxInfo info{};
  info.ptMinTrackSize = {1, 1};
  form_.Perform(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  minTrack_ = info.ptMinTrackSize;
  maxTrack_ = info.ptMaxTrackSize;
  stage_ = Stage::Own;
  form_.Window()->grabMouse();
}

void TMoveSizeLoop::Follow(QPoint cursor) {
  TRect proposed = MoveSizeTarget(hitCode_, startRect_, cursor - startCursor_, minTrack_, maxTrack_);
  if (hitCode_ == HTCAPTION)
    form_.Perform(WM_MOVING, 0, reinterpret_cast<LPARAM>(&proposed));
  else
    form_.Perform(WM_SIZING, WPARAM(SizingEdgeOf(hitCode_)), reinterpret_cast<LPARAM>(&proposed));
  form_.SetBounds(proposed.Left, proposed.Top, proposed.Width(), proposed.Height());
}

void TMoveSizeLoop::Finish() {
  if (stage_ == Stage::None) return;
  const bool own = stage_ == Stage::Own;
  stage_ = Stage::None;
  if (own) form_.Window()->releaseMouse();
  form_.Perform(WM_EXITSIZEMOVE);
}

void TMoveSizeLoop::Cancel() {
  if (stage_ == Stage::Own) form_.SetBounds(startRect_.Left, startRect_.Top, startRect_.Width(), startRect_.Height());
  Finish();
}
