// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/form/PointerTracking.h"

#include <QWidget>

#include "platform/GlobalCoordinates.h"
#include "platform/NonClientMessages.h"
#include "skin/controls/SkinHint.h"
#include "skin/form/SkinForm.h"

TPointerTracking::TPointerTracking(TSkinForm& engine) : engine_(engine), form_(engine.OwnerForm()) {
  hoverTimer_.OnTimer = [this] { HoverTick(); };
  morphTimer_.OnTimer = [this] { MorphTick(); };
  animateTimer_.OnTimer = [this] { AnimateTick(); };
}

void TPointerTracking::StopTimers() {
  hoverTimer_.Stop();
  morphTimer_.Stop();
  animateTimer_.Stop();
}

TActiveSkinObject* TPointerTracking::ObjectAt(int index) const {
  const auto& objects = engine_.ObjectList();
  return index >= 0 && index < int(objects.size()) ? objects[std::size_t(index)].get() : nullptr;
}

void TPointerTracking::Route(const TMessage& message) {
  const TPoint p = engine_.ScreenToWindow(PointFromLParam(message.LParam));
  const bool onCaption = int(message.WParam) == HTCAPTION;
  switch (message.Msg) {
    case WM_NCMOUSEMOVE: MouseMoveAt(p); break;
    case WM_MOUSEMOVE:
      // A press holds the pointer: whether it is still over the pressed object is known at once,
      // not only at the next poll, so a release just outside never runs the object's command.
      if (captureIndex_ >= 0) CapturedMoveAt(PointFromLParam(message.LParam));
      break;
    case WM_NCLBUTTONDOWN: PressAt(p, TMouseButton::mbLeft, onCaption); break;
    case WM_NCLBUTTONUP: MouseUpAt(p, TMouseButton::mbLeft); break;
    case WM_NCLBUTTONDBLCLK:
      TrackHover(p, true);
      MouseDownAt(p, TMouseButton::mbLeft);
      DoubleClickAt();
      if (onCaption) {
        engine_.WindowStates().CaptionDoubleClick();
        captureIndex_ = -1;
      }
      break;
    case WM_NCRBUTTONDOWN:
      PressAt(p, TMouseButton::mbRight, onCaption);
      if (onCaption) engine_.PopupSystemMenuAt(PointFromLParam(message.LParam));
      break;
    case WM_NCRBUTTONDBLCLK: PressAt(p, TMouseButton::mbRight, onCaption); break;
    case WM_NCRBUTTONUP: MouseUpAt(p, TMouseButton::mbRight); break;
    case WM_LBUTTONUP: MouseUpAt({-1, -1}, TMouseButton::mbLeft); break;
    case WM_RBUTTONUP: MouseUpAt({-1, -1}, TMouseButton::mbRight); break;
    default: break;
  }
}

void TPointerTracking::PressAt(TPoint p, TMouseButton button, bool onCaption) {
  TrackHover(p, true);
  MouseDownAt(p, button);
  if (onCaption) captureIndex_ = -1;
}

// Hover tracking at window point p, in order:
//   1. nothing without objects or while the window is inactive;
//   2. the first enabled, visible object under p is found;
//   3. it becomes the hovered one when `update` is set (while another object holds the press,
//      none does);
//   4. on a change the old object leaves and the new one enters, their hints following.
void TPointerTracking::TrackHover(TPoint p, bool update) {
  const auto& objects = engine_.ObjectList();
  if (objects.empty() || !engine_.IsFormActive()) return;
  const int oldHoverIndex = hoverIndex_;
  int found = -1;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    const TActiveSkinObject& o = *objects[i];
    if (o.Enabled && o.Visible && o.ObjectRect.Contains(p)) {
      found = int(i);
      break;
    }
  }
  if (captureIndex_ != -1 && found != captureIndex_) found = -1;
  hoverIndex_ = update ? found : -1;
  if (hoverIndex_ == oldHoverIndex) return;
  TSkinHint* hint = engine_.ShowObjectHint ? engine_.SkinHint() : nullptr;
  if (TActiveSkinObject* old = ObjectAt(oldHoverIndex); old && old->Enabled && old->Visible) {
    old->MouseLeave();
    if (hint && !old->Hint.isEmpty()) hint->HideObjectHint();
  }
  if (TActiveSkinObject* now = ObjectAt(hoverIndex_)) {
    now->MouseEnter();
    if (hint && !now->Hint.isEmpty()) hint->ActivateObjectHint(now->Hint);
  }
}

void TPointerTracking::HitOnObject(TPoint p) {
  if (hoverTimer_.Active()) return;
  TrackHover(p, true);
  hoverTimer_.Start();
}

void TPointerTracking::MouseDownAt(TPoint p, TMouseButton button) {
  TActiveSkinObject* object = ObjectAt(hoverIndex_);
  if (!object) return;
  // A press on a button keeps the pointer until its release; the caption lets the move loop have it.
  if (object->CapturesPointer()) form_.SetCapture();
  captureIndex_ = hoverIndex_;
  object->MouseDown(p.X, p.Y, button);
}

void TPointerTracking::MouseUpAt(TPoint p, TMouseButton button) {
  TActiveSkinObject* object = ObjectAt(captureIndex_);
  if (!object) return;
  if (object->CapturesPointer()) form_.ReleaseCapture();
  captureIndex_ = -1;
  object->MouseUp(p.X, p.Y, button);
}

void TPointerTracking::MouseMoveAt(TPoint p) {
  if (TActiveSkinObject* object = ObjectAt(captureIndex_ >= 0 ? captureIndex_ : hoverIndex_))
    object->MouseMove(p.X, p.Y);
}

void TPointerTracking::CapturedMoveAt(TPoint clientPoint) {
  const QPoint origin = form_.Client()->pos();
  const TPoint p{clientPoint.X + origin.x(), clientPoint.Y + origin.y()};
  TrackHover(p, true);
  MouseMoveAt(p);
}

void TPointerTracking::DoubleClickAt() {
  if (TActiveSkinObject* object = ObjectAt(hoverIndex_)) object->DblClick();
}

// Every 50 ms while the window is active: the pointer over the frame is tracked, over the client
// area it lets go of the hovered object.
void TPointerTracking::HoverTick() {
  if (!engine_.IsFormActive()) return;
  if (engine_.InSizeMove() || form_.InMoveSizeLoop()) {
    hoverTimer_.Stop();
    return;
  }
  const TPoint p = engine_.ScreenToWindow(GetCursorPos());
  if (!engine_.ClientRectOnWindow().Contains(p)) TrackHover(p, true);
  else TrackHover({-1, -1}, true);
}

void TPointerTracking::MorphTick() {
  bool stepped = false;
  for (const auto& object : engine_.ObjectList()) {
    if (!object->MorphEnabled() || !object->NeedsMorphStep()) continue;
    object->MorphStep();
    stepped = true;
  }
  if (!stepped) morphTimer_.Stop();
}

void TPointerTracking::AnimateTick() {
  bool busy = false;
  for (const auto& object : engine_.ObjectList()) busy = object->AnimateTick() || busy;
  if (!busy) animateTimer_.Stop();
}
