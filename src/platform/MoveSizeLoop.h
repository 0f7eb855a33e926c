// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The form's own move and size loop, for window systems that refuse to run one: from the press
// on the caption or a border to the release, the window follows the pointer. Before every step
// the window procedure sees the proposed rectangle (WM_MOVING, or WM_SIZING with the edge) and
// may change it; sizes stay within WM_GETMINMAXINFO's track sizes. Escape puts the window back.
#include <QPoint>

#include "platform/Types.h"

class TForm;

// The WMSZ_* edge a sizing hit code drags, 0 for any other code.
int SizingEdgeOf(int hitCode);

// The window rectangle after the pointer moved by `delta` from where the loop began: moved for
// HTCAPTION, else the dragged edges moved, each size kept within [minTrack, maxTrack] by holding
// the edge opposite to the dragged one.
TRect MoveSizeTarget(int hitCode, const TRect& start, QPoint delta, TPoint minTrack, TPoint maxTrack);

class TMoveSizeLoop {
 public:
  explicit TMoveSizeLoop(TForm& form) : form_(form) {}

  void Start(int hitCode, QPoint cursor);
  bool Active() const { return active_; }
  void Follow(QPoint cursor);
  // The release: WM_EXITSIZEMOVE.
  void Finish();
  // Back to the rectangle the loop began with, then Finish.
  void Cancel();

 private:
  TForm& form_;
  bool active_ = false;
  int hitCode_ = 0;
  QPoint startCursor_;
  TRect startRect_{};
  TPoint minTrack_{};
  TPoint maxTrack_{};
};
