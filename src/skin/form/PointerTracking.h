// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The engine's side of the frame objects' pointer: which object is under the pointer (hover
// tracking), which one holds a press (capture), the routing of the frame's mouse messages to
// them, and the three timers that poll the pointer, step the hover morphs and play the
// animations. A part of TSkinForm, which owns the objects.
#include "platform/Messages.h"
#include "platform/Types.h"
#include "platform/WindowTimer.h"
#include "skin/form/ActiveSkinObjects.h"

class TForm;
class TSkinForm;

// The timers' periods: the pointer poll while the pointer is over the frame, and the steps of
// the objects' morphs and animations.
constexpr int kHoverPollInterval = 50;
constexpr int kFrameStepInterval = 25;

class TPointerTracking {
 public:
  explicit TPointerTracking(TSkinForm& engine);

  int HoverIndex() const { return hoverIndex_; }
  int CaptureIndex() const { return captureIndex_; }
  TWindowTimer& HoverTimer() { return hoverTimer_; }
  TWindowTimer& MorphTimer() { return morphTimer_; }
  TWindowTimer& AnimateTimer() { return animateTimer_; }

  // The frame's mouse messages go to the objects (never changing a message's result).
  void Route(const TMessage& message);
  // Hover tracking at window point p (see the file).
  void TrackHover(TPoint p, bool update);
  // A hit on an object starts the pointer poll, which notices when the pointer leaves the frame.
  void HitOnObject(TPoint p);
  // No object is hovered or holds a press.
  void Forget() { hoverIndex_ = captureIndex_ = -1; }
  void StopTimers();

 private:
  // A press on the frame: tracked, given to the object under it; the caption keeps none.
  void PressAt(TPoint p, TMouseButton button, bool onCaption);
  void MouseDownAt(TPoint p, TMouseButton button);
  void MouseUpAt(TPoint p, TMouseButton button);
  void MouseMoveAt(TPoint p);
  // A move while a press holds the pointer (client coordinates).
  void CapturedMoveAt(TPoint clientPoint);
  void DoubleClickAt();
  TActiveSkinObject* ObjectAt(int index) const;
  void HoverTick();
  void MorphTick();
  void AnimateTick();

  TSkinForm& engine_;
  TForm& form_;
  int hoverIndex_ = -1;
  int captureIndex_ = -1;
  TWindowTimer hoverTimer_{kHoverPollInterval};
  TWindowTimer morphTimer_{kFrameStepInterval};
  TWindowTimer animateTimer_{kFrameStepInterval};
};
