// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/form/WindowStates.h"

#include "platform/Application.h"
#include "platform/Forms.h"
#include "platform/WindowSystem.h"
#include "skin/controls/SkinWindowOS.h"
#include "skin/form/SkinForm.h"
#include "skin/menus/SkinMenuHost.h"

namespace {

TRect BoundsOf(const TForm& form) { return Bounds(form.Left(), form.Top(), form.Width(), form.Height()); }

void SetFormBounds(TForm& form, const TRect& r) { form.SetBounds(r.Left, r.Top, r.Width(), r.Height()); }

// Another visible skinned window, not the main form, that is minimised at the point.
bool MinimisedWindowAt(const TForm& self, TPoint at) {
  for (TForm* form : Forms()) {
    if (form == &self || form == Application().MainForm || !form->Visible()) continue;
    const auto* engine = dynamic_cast<const TSkinForm*>(SkinMenuHostOf(form));
    if (engine && engine->SkinWindowState() == TSkinWindowState::Minimized && form->Left() == at.X &&
        form->Top() == at.Y)
      return true;
  }
  return false;
}

}  // namespace

TWindowStates::TWindowStates(TSkinForm& engine) : engine_(engine), form_(engine.OwnerForm()) {}

// In order: nothing for the state it is in; the new state (the main form minimises the whole
// application, and its own state stays as it was); then the state's work. Back to normal from
// maximised, a roll-up done while maximised is undone first.
void TWindowStates::SetState(TSkinWindowState state) {
  if (state == state_) return;
  const TSkinWindowState previous = state_;
  const bool applicationMinimizes = state == TSkinWindowState::Minimized && Application().MainForm == &form_;
  if (!applicationMinimizes) state_ = state;
  switch (state) {
    case TSkinWindowState::Minimized: Minimize(); break;
    case TSkinWindowState::Maximized:
      rolledUpAtMaximize_ = rolledUp_;
      Maximize();
      break;
    case TSkinWindowState::Normal:
      if (previous == TSkinWindowState::Maximized && rolledUp_ && !rolledUpAtMaximize_) SetRollUp(false);
      rolledUpAtMaximize_ = false;
      Restore();
      break;
  }
}

// The main form minimises the application. Another window shrinks to its collapsed frame in the
// first free slot along the bottom of its work area, rows growing upwards.
void TWindowStates::Minimize() {
  if (Application().MainForm == &form_) {
    Application().Minimize();
  } else {
    if (restoreBounds_.IsEmpty()) restoreBounds_ = BoundsOf(form_);
    const int w = engine_.GetMinWidth(), h = engine_.GetMinHeight();
    const TRect work = WorkAreaForWindow(form_.Window(), true);
    TPoint slot{work.Left, work.Bottom - h};
    while (MinimisedWindowAt(form_, slot)) {
      slot.X += w;
      if (slot.X + w <= work.Right) continue;
      slot = {work.Left, slot.Y - h};
      if (slot.Y < work.Top) {
        slot = {work.Left, work.Bottom - h};
        break;
      }
    }
    form_.SetBounds(slot.X, slot.Y, w, h);
  }
  if (engine_.OnMinimize) engine_.OnMinimize(&engine_);
}

// The work area (the whole monitor with MaximizeOnFullScreen). A window that would cover the
// whole primary screen keeps a one-pixel gap on every side, so that a task bar that hides itself
// can still be reached at the screen's edge. On Wayland the window takes the area's size; where
// it goes is the compositor's decision.
void TWindowStates::Maximize() {
  if (restoreBounds_.IsEmpty()) restoreBounds_ = BoundsOf(form_);
  const TRect monitor = WorkAreaForWindow(form_.Window(), false);
  const TRect work = WorkAreaForWindow(form_.Window(), true);
  TRect target = engine_.MaximizeOnFullScreen ? monitor : work;
  if (work == monitor && monitor == TRect{0, 0, ScreenWidth(), ScreenHeight()})
    target = {target.Left + 1, target.Top + 1, target.Right - 1, target.Bottom - 1};
  SetFormBounds(form_, target);
  ShowStatusBarGrip(false);
  if (engine_.OnMaximize) engine_.OnMaximize(&engine_);
}

// Back to the bounds before minimise or maximise (a window first shown minimised or maximised is
// placed now, as its first showing would have placed it), with a fresh layout when the size did
// not change.
void TWindowStates::Restore() {
  rolledUpWhileMaximized_ = false;
  const TSize before{form_.Width(), form_.Height()};
  if (!restoreBounds_.IsEmpty()) {
    if (firstShow_) {
      firstShow_ = false;
      SetFormBounds(form_, restoreBounds_);
      CentreByPosition();
    } else {
      SetFormBounds(form_, restoreBounds_);
    }
  }
  engine_.HoverTimer().Start();
  if (before == TSize{form_.Width(), form_.Height()}) engine_.NudgeWidth();
  form_.Client()->update();
  form_.RedrawFrame();
  restoreBounds_ = {};
  ShowStatusBarGrip(true);
  if (engine_.OnRestore) engine_.OnRestore(&engine_);
}

void TWindowStates::ShowStatusBarGrip(bool visible) {
  if (auto* grip = dynamic_cast<TStatusBarGrip*>(engine_.StatusBar())) grip->SetSizeGripVisible(visible);
}

// Rolling up keeps the height to come back to and leaves only the frame's top and bottom bands;
// unrolling brings that height (or the client height the component asks for) back. Asking for
// the state the window is already in changes nothing, so the height to come back to is never
// lost.
void TWindowStates::SetRollUp(bool rolledUp) {
  if (!(engine_.BorderIcons() & biRollUp) || state_ == TSkinWindowState::Minimized) return;
  const bool maximised = state_ == TSkinWindowState::Maximized;
  if (rolledUp_ && maximised && !rolledUpWhileMaximized_) return;
  if (rolledUp == rolledUp_) return;
  if (maximised) rolledUpWhileMaximized_ = rolledUp;
  rolledUp_ = rolledUp;
  if (rolledUp) {
    heightBeforeRollUp_ = form_.Height();
    form_.SetHeight(engine_.GetMinHeight());
  } else if (engine_.ClientHeight > 0) {
    form_.SetClientSize(form_.ClientWidth(), engine_.ClientHeight);
  } else {
    form_.SetHeight(heightBeforeRollUp_);
  }
  if (engine_.OnChangeRollUpState) engine_.OnChangeRollUpState(&engine_);
}

void TWindowStates::RestoreItem() {
  const bool rolledUpHere = rolledUp_ && (rolledUpWhileMaximized_ || state_ == TSkinWindowState::Normal);
  if (rolledUpHere) SetRollUp(false);
  else SetState(TSkinWindowState::Normal);
}

// First match: a sizeable window comes back from minimised, is maximised (when it may be), or
// comes back from maximised; any other window rolls up or down.
void TWindowStates::CaptionDoubleClick() {
  const bool sizeable = IsSizeable(form_.BorderStyle());
  const TSkinWindowState state = state_;
  if (sizeable && state == TSkinWindowState::Minimized)
    SetState(TSkinWindowState::Normal);
  else if (sizeable && state != TSkinWindowState::Maximized && !rolledUp_ && (engine_.BorderIcons() & biMaximize))
    SetState(TSkinWindowState::Maximized);
  else if (sizeable && state == TSkinWindowState::Maximized && !rolledUpWhileMaximized_)
    SetState(TSkinWindowState::Normal);
  else
    SetRollUp(!rolledUp_);
}

// The first showing: the default keeps the window where it is; centring waits for a window
// first shown minimised or maximised until it is restored. A Wayland compositor places a new
// window itself (the window cannot place itself there), so the first showing leaves it alone.
void TWindowStates::FirstShowPlacement() {
  if (!firstShow_) return;
  if (engine_.PositionInMonitor == TPositionInMonitor::spDefault || WindowSystemPlacesWindows()) {
    firstShow_ = false;
  } else if (state_ == TSkinWindowState::Normal) {
    firstShow_ = false;
    CentreByPosition();
  }
}

// Centred in the monitor's whole area (spScreenCenter) or its work area (spDesktopCenter); left
// to the compositor on Wayland, as above.
void TWindowStates::CentreByPosition() {
  if (engine_.PositionInMonitor == TPositionInMonitor::spDefault || WindowSystemPlacesWindows()) return;
  const TRect area = WorkAreaForWindow(form_.Window(), engine_.PositionInMonitor == TPositionInMonitor::spDesktopCenter);
  form_.SetBounds(area.Left + area.Width() / 2 - form_.Width() / 2,
                  area.Top + area.Height() / 2 - form_.Height() / 2, form_.Width(), form_.Height());
}
