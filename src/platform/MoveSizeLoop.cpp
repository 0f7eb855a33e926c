// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/MoveSizeLoop.h"

#include <QWidget>
#include <algorithm>

#include "platform/Form.h"
#include "platform/NonClientMessages.h"

int SizingEdgeOf(int hitCode) {
  switch (hitCode) {
    case HTLEFT: return WMSZ_LEFT;
    case HTRIGHT: return WMSZ_RIGHT;
    case HTTOP: return WMSZ_TOP;
    case HTTOPLEFT: return WMSZ_TOPLEFT;
    case HTTOPRIGHT: return WMSZ_TOPRIGHT;
    case HTBOTTOM: return WMSZ_BOTTOM;
    case HTBOTTOMLEFT: return WMSZ_BOTTOMLEFT;
    case HTBOTTOMRIGHT: return WMSZ_BOTTOMRIGHT;
    default: return 0;
  }
}

TRect MoveSizeTarget(int hitCode, const TRect& start, QPoint delta, TPoint minTrack, TPoint maxTrack) {
  if (hitCode == HTCAPTION)
    return {start.Left + delta.x(), start.Top + delta.y(), start.Right + delta.x(), start.Bottom + delta.y()};
  const bool left = hitCode == HTLEFT || hitCode == HTTOPLEFT || hitCode == HTBOTTOMLEFT;
  const bool right = hitCode == HTRIGHT || hitCode == HTTOPRIGHT || hitCode == HTBOTTOMRIGHT;
  const bool top = hitCode == HTTOP || hitCode == HTTOPLEFT || hitCode == HTTOPRIGHT;
  const bool bottom = hitCode == HTBOTTOM || hitCode == HTBOTTOMLEFT || hitCode == HTBOTTOMRIGHT;
  const auto limit = [](int size, int low, int high) { return std::max(low, high > 0 ? std::min(size, high) : size); };
  TRect r = start;
  if (left) r.Left = r.Right - limit(start.Width() - delta.x(), minTrack.X, maxTrack.X);
  if (right) r.Right = r.Left + limit(start.Width() + delta.x(), minTrack.X, maxTrack.X);
  if (top) r.Top = r.Bottom - limit(start.Height() - delta.y(), minTrack.Y, maxTrack.Y);
  if (bottom) r.Bottom = r.Top + limit(start.Height() + delta.y(), minTrack.Y, maxTrack.Y);
  return r;
}

void TMoveSizeLoop::Start(int hitCode, QPoint cursor) {
  hitCode_ = hitCode;
  startCursor_ = cursor;
  startRect_ = Bounds(form_.Left(), form_.Top(), form_.Width(), form_.Height());
  TMinMaxInfo info{};
  info.ptMinTrackSize = {1, 1};
  form_.Perform(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  minTrack_ = info.ptMinTrackSize;
  maxTrack_ = info.ptMaxTrackSize;
  active_ = true;
  form_.Window()->grabMouse();
}

void TMoveSizeLoop::Follow(QPoint cursor) {
  if (!active_) return;
  TRect proposed = MoveSizeTarget(hitCode_, startRect_, cursor - startCursor_, minTrack_, maxTrack_);
  if (hitCode_ == HTCAPTION)
    form_.Perform(WM_MOVING, 0, reinterpret_cast<LPARAM>(&proposed));
  else
    form_.Perform(WM_SIZING, WPARAM(SizingEdgeOf(hitCode_)), reinterpret_cast<LPARAM>(&proposed));
  form_.SetBounds(proposed.Left, proposed.Top, proposed.Width(), proposed.Height());
}

void TMoveSizeLoop::Finish() {
  if (!active_) return;
  active_ = false;
  form_.Window()->releaseMouse();
  form_.Perform(WM_EXITSIZEMOVE);
}

void TMoveSizeLoop::Cancel() {
  if (!active_) return;
  form_.SetBounds(startRect_.Left, startRect_.Top, startRect_.Width(), startRect_.Height());
  Finish();
}
