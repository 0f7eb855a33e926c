// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The animate object: a caption button whose looks are frames side by side in the active
// picture. The pointer plays them forward on entering and back on leaving, on the engine's
// animation timer; a press shows the pressed look, and the command runs on the release (the
// system-menu command on the press, since its menu opens then).
#include <algorithm>

#include "platform/MenuItem.h"
#include "skin/data/SkinObjects.h"
#include "skin/form/ActiveSkinObjects.h"
#include "skin/form/SkinForm.h"

TSkinAnimateObject::TSkinAnimateObject(TSkinForm& skinForm, const TDataSkinObject* data)
    : TActiveSkinObject(skinForm, data) {
  Morphing = false;
  if (const auto* animate = dynamic_cast<const TDataSkinAnimate*>(data)) {
    TimerInterval = std::max(animate->TimerInterval, 25);
    CountFrames = animate->CountFrames;
    Cycle = animate->Cycle;
    ButtonStyle = animate->ButtonStyle;
    command_ = animate->Command;
    DownSkinRect = animate->DownSkinRect;
    RestoreRect = animate->RestoreRect;
    RestoreActiveRect = animate->RestoreActiveRect;
    RestoreInActiveRect = animate->RestoreInActiveRect;
    RestoreDownRect = animate->RestoreDownRect;
  }
}

TRect TSkinAnimateObject::FrameRect(const TRect& first, int k) const {
  const int w = SkinRect.Width(), h = SkinRect.Height();
  return {first.Left + w * (k - 1), first.Top, first.Left + w * k, first.Top + h};
}

void TSkinAnimateObject::Draw(TCanvas& canvas, bool) {
  // In the restore state the restore looks stand for the normal ones.
  const bool restore = SkinForm.InRestoreState(command_) && !RestoreRect.IsEmpty();
  const TRect active = restore ? RestoreActiveRect : ActiveSkinRect;
  const TRect down = restore ? RestoreDownRect : DownSkinRect;
  const TRect inactive = restore ? RestoreInActiveRect : InActiveSkinRect;
  if (MenuOpen) {
    if (!down.IsEmpty()) {
      DrawLook(canvas, ActivePicture, down);
    } else {
      AnimateFrame = CountFrames;
      DrawLook(canvas, ActivePicture, FrameRect(active, CountFrames));
    }
    return;
  }
  if (!SkinForm.IsFormActive() && !inactive.IsEmpty()) DrawLook(canvas, ActivePicture, inactive);
  else if (Down && MouseIn && !down.IsEmpty()) DrawLook(canvas, ActivePicture, down);
  else DrawLook(canvas, ActivePicture, FrameRect(active, AnimateFrame));
}


void TSkinAnimateObject::Animate(bool forward) {
  Active = true;
  Forward = forward;
  if (!Down || DownSkinRect.IsEmpty()) SkinForm.FrameAnimateTimer().Start();
  else RepaintAlone();
}

void TSkinAnimateObject::MouseEnter() {
  MouseIn = true;
  if (MenuOpen) return;
  if (ButtonStyle) Animate(true);
  if (SkinForm.OnMouseEnterEvent) SkinForm.OnMouseEnterEvent(IDName);
}

void TSkinAnimateObject::MouseLeave() {
  if (!MouseIn) return;
  MouseIn = false;
  if (MenuOpen) return;
  if (ButtonStyle) Animate(false);
  if (SkinForm.OnMouseLeaveEvent) SkinForm.OnMouseLeaveEvent(IDName);
}

void TSkinAnimateObject::MouseDown(int x, int y, TMouseButton button) {
  TActiveSkinObject::MouseDown(x, y, button);
  if (button != TMouseButton::mbLeft) return;
  if (!DownSkinRect.IsEmpty()) {
    AnimateFrame = CountFrames;
    Down = true;
    RepaintAlone();
  }
  if (command_ == SkinCommand::cmSysMenu && MouseIn && ButtonStyle) RunCommand();
}

void TSkinAnimateObject::MouseUp(int x, int y, TMouseButton button) {
  TActiveSkinObject::MouseUp(x, y, button);
  if (MenuOpen || button != TMouseButton::mbLeft) return;
  if (!DownSkinRect.IsEmpty()) {
    Down = false;
    RepaintAlone();
    SkinForm.FrameAnimateTimer().Start();
  }
  if (command_ != SkinCommand::cmSysMenu && MouseIn && ButtonStyle) RunCommand();
}

void TSkinAnimateObject::DblClick() {
  if (command_ == SkinCommand::cmSysMenu) SkinForm.CloseForm();
}

void TSkinAnimateObject::RunCommand() {
  if (command_ == SkinCommand::cmSysMenu) {
    MenuItem = SkinForm.GetSystemMenuItems();
  } else if (command_ != SkinCommand::cmDefault) {
    RunFrameCommand(SkinForm, command_);
    return;
  }
  // The default command shows the object's menu, when it has one.
  if (!MenuItem || MenuItem->Count() == 0) return;
  MenuOpen = true;
  SkinForm.PopupObjectMenu(*MenuItem, ObjectRect, PopupUp);
}

bool TSkinAnimateObject::ReleaseFromMenu() {
  if (!MenuItem || !MenuOpen) return false;
  AnimateFrame = CountFrames;
  Down = MenuOpen = false;
  Animate(false);
  return true;
}

void TSkinAnimateObject::ResetState() {
  MouseIn = Active = false;
  AnimateFrame = 1;
}

// Every 25 ms while playing: the counter runs up to the object's interval, then one frame is
// stepped, forward (wrapping; a one-way run ends on the last frame) or backward (ending on the
// first).
bool TSkinAnimateObject::AnimateTick() {
  if (!Active || (Down && !DownSkinRect.IsEmpty())) return false;
  if (AnimateCounter < TimerInterval) {
    AnimateCounter += 25;
    return true;
  }
  AnimateCounter = 25;
  if (Forward) {
    AnimateFrame = AnimateFrame + 1 > CountFrames ? 1 : AnimateFrame + 1;
    if (AnimateFrame == CountFrames && !Cycle) Active = false;
  } else {
    AnimateFrame = AnimateFrame - 1 < 1 ? CountFrames : AnimateFrame - 1;
    if (AnimateFrame == 1) Active = false;
  }
  RepaintAlone();
  return true;
}
