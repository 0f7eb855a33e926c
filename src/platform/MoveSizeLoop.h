// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The form's move and size loop, from the press on the caption or a border to the release. The
// loop is entered at the press (WM_ENTERSIZEMOVE); once the pointer is dragged the window system
// is asked to move or size the window, and only where it refuses does the loop of its own follow
// the pointer. Before each of its own steps the window procedure sees the proposed rectangle
// (WM_MOVING, or WM_SIZING with the edge) and may change it; sizes stay within WM_GETMINMAXINFO's
// track sizes. Escape puts the window back. Every way out ends with WM_EXITSIZEMOVE.
#include <QPoint>
#include <Qt>

#include "platform/Types.h"

class QEvent;
class QMouseEvent;
class TForm;

// What a hit code on the frame means for the loop: the edges the window system drags, the
// pointer's shape over it and the WMSZ_* edge of WM_SIZING (0 for the caption).
struct TFrameHitCode {
  int code;
  Qt::Edges edges;
  Qt::CursorShape cursor;
  int sizingEdge;
};

// The caption's or a sizing border's entry; none for any other code.
const TFrameHitCode* FrameHitCodeOf(int hitCode);
// The WMSZ_* edge a sizing hit code drags, 0 for any other code.
int SizingEdgeOf(int hitCode);
// The pointer's shape over a hit code: the arrow away from the sizing borders.
Qt::CursorShape CursorOf(int hitCode);

// The window rectangle after the pointer moved by `delta` from where the loop began: moved for
// HTCAPTION, else the dragged edges moved, each size kept within [minTrack, maxTrack] by holding
// the edge opposite to the dragged one.
TRect MoveSizeTarget(int hitCode, const TRect& start, QPoint delta, TPoint minTrack, TPoint maxTrack);

class TMoveSizeLoop {
 public:
  explicit TMoveSizeLoop(TForm& form) : form_(form) {}

  // The press on the caption or a sizing border enters the loop; any other code, or a loop
  // already running, does nothing.
  void Enter(int hitCode, QPoint cursor);
  // Between WM_ENTERSIZEMOVE and WM_EXITSIZEMOVE.
  bool Running() const { return stage_ != Stage::None; }
  // A pointer event over the window while the loop waits for a drag or runs its own steps; true
  // when the loop took it.
  bool TakePointer(const QMouseEvent& event);
  // Any event of the window: the end of the window system's loop, Escape. True when the loop
  // took it.
  bool TakeWindowEvent(const QEvent& event);

 private:
  enum class Stage {
    None,
    Pending,  // pressed, not yet dragged far enough
    System,   // the window system moves or sizes the window
    Own,      // the loop follows the pointer itself
  };
  void StartDragged(QPoint cursor);
  void StartOwn();
  void Follow(QPoint cursor);
  // WM_EXITSIZEMOVE, whatever the stage.
  void Finish();
  // Back to the rectangle the loop began with, then Finish.
  void Cancel();

  TForm& form_;
  Stage stage_ = Stage::None;
  int hitCode_ = 0;
  QPoint startCursor_;
  TRect startRect_{};
  TPoint minTrack_{};
  TPoint maxTrack_{};
};
