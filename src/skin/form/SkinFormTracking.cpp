// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The engine's side of the objects' mouse: which object is under the pointer (hover tracking),
// which one holds a press (capture), and the three timers that poll the pointer, step the hover
// morphs and play the animations.
#include <QWidget>

#include "platform/GlobalCoordinates.h"
#include "skin/controls/SkinHint.h"
#include "skin/form/SkinForm.h"

// Hover tracking at window point p, in order:
//   1. nothing without objects or while the window is inactive;
//   2. the first enabled, visible object under p is found;
//   3. it becomes the hovered one when `update` is set (while another object holds the press,
//      none does);
//   4. on a change the old object leaves and the new one enters, their hints following.
void TSkinForm::TrackHover(TPoint p, bool update) {
  if (objectList_.empty() || !IsFormActive()) return;
  oldHoverIndex_ = hoverIndex_;
  int found = -1;
  for (std::size_t i = 0; i < objectList_.size(); ++i) {
    const TActiveSkinObject& o = *objectList_[i];
    if (o.Enabled && o.Visible && o.ObjectRect.Contains(p)) {
      found = int(i);
      break;
    }
  }
  if (captureIndex_ != -1 && found != captureIndex_) found = -1;
  hoverIndex_ = update ? found : -1;
  if (hoverIndex_ == oldHoverIndex_) return;
  const bool hints = ShowObjectHint && skinHint_;
  if (oldHoverIndex_ >= 0 && oldHoverIndex_ < int(objectList_.size())) {
    TActiveSkinObject& old = *objectList_[std::size_t(oldHoverIndex_)];
    if (old.Enabled && old.Visible) {
      old.MouseLeave();
      if (hints && !old.Hint.isEmpty()) skinHint_->HideObjectHint();
    }
  }
  if (hoverIndex_ >= 0) {
    TActiveSkinObject& now = *objectList_[std::size_t(hoverIndex_)];
    now.MouseEnter();
    if (hints && !now.Hint.isEmpty()) skinHint_->ActivateObjectHint(now.Hint);
  }
}

void TSkinForm::MouseDownAt(TPoint p, TMouseButton button) {
  if (hoverIndex_ < 0) return;
  TActiveSkinObject& object = *objectList_[std::size_t(hoverIndex_)];
  // A press on a button keeps the pointer until its release; the caption lets the move loop have it.
  if (object.Kind() != TFrameObjectKind::Caption) form_.SetCapture();
  captureIndex_ = hoverIndex_;
  object.MouseDown(p.X, p.Y, button);
}

void TSkinForm::MouseUpAt(TPoint p, TMouseButton button) {
  if (captureIndex_ < 0 || captureIndex_ >= int(objectList_.size())) return;
  TActiveSkinObject& object = *objectList_[std::size_t(captureIndex_)];
  if (object.Kind() != TFrameObjectKind::Caption) form_.ReleaseCapture();
  captureIndex_ = -1;
  object.MouseUp(p.X, p.Y, button);
}

void TSkinForm::MouseMoveAt(TPoint p) {
  const int index = captureIndex_ >= 0 ? captureIndex_ : hoverIndex_;
  if (index >= 0 && index < int(objectList_.size())) objectList_[std::size_t(index)]->MouseMove(p.X, p.Y);
}

void TSkinForm::CapturedMoveAt(TPoint clientPoint) {
  const QPoint origin = form_.Client()->pos();
  const TPoint p{clientPoint.X + origin.x(), clientPoint.Y + origin.y()};
  TrackHover(p, true);
  MouseMoveAt(p);
}

void TSkinForm::DoubleClickAt() {
  if (hoverIndex_ >= 0 && hoverIndex_ < int(objectList_.size())) objectList_[std::size_t(hoverIndex_)]->DblClick();
}

// Every 50 ms while the window is active: the pointer over the frame is tracked, over the client
// area it lets go of the hovered object.
void TSkinForm::HoverTimerTick() {
  if (!IsFormActive()) return;
  if (inSizeMove_ || form_.InMoveSizeLoop()) {
    hoverTimer_.Stop();
    return;
  }
  const TPoint p = ScreenToWindow(GetCursorPos());
  const TRect client = skinned_ ? layout_.NewClientRect
                                : DefaultClientRect(form_.BorderStyle(), Rect(0, 0, form_.Width(), form_.Height()));
  if (!client.Contains(p)) TrackHover(p, true);
  else TrackHover({-1, -1}, true);
}

void TSkinForm::FrameMorphTimerTick() {
  bool stepped = false;
  for (auto& object : objectList_) {
    if (!object->MorphEnabled() || !object->NeedsMorphStep()) continue;
    object->MorphStep();
    stepped = true;
  }
  if (!stepped) frameMorphTimer_.Stop();
}

void TSkinForm::FrameAnimateTimerTick() {
  bool busy = false;
  for (auto& object : objectList_) {
    if (object->Kind() == TFrameObjectKind::Animate)
      busy = static_cast<TSkinAnimateObject&>(*object).AnimateTick() || busy;
    else if (object->Kind() == TFrameObjectKind::Caption)
      busy = static_cast<TSkinCaptionObject&>(*object).AnimateTick() || busy;
  }
  if (!busy) frameAnimateTimer_.Stop();
}
