// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The caption buttons: a button's pressed look and its menu, and the std buttons' commands
// (close, maximise, minimise, system menu, roll-up, tray), which run when the left button is
// released over the button.
#include <QPainter>

#include "platform/Canvas.h"
#include "platform/MenuItem.h"
#include "skin/data/SkinObjects.h"
#include "skin/form/ActiveSkinObjects.h"
#include "skin/form/SkinForm.h"

TSkinButtonObject::TSkinButtonObject(TSkinForm& skinForm, const TDataSkinObject* data)
    : TActiveSkinObject(skinForm, data) {
  if (const auto* button = dynamic_cast<const TDataSkinButton*>(data)) {
    DownRect = button->DownRect;
    DisableSkinRect = button->DisableSkinRect;
  }
}

bool TSkinButtonObject::ReleaseFromMenu() {
  if (!Down || !MenuItem) return false;
  SetDown(false);
  return true;
}

bool TSkinButtonObject::NeedsMorphStep() const {
  // A button whose menu is open stays as it is.
  if (MenuItem && Down) return false;
  return TActiveSkinObject::NeedsMorphStep();
}

void TSkinButtonObject::Draw(TCanvas& canvas, bool singleRepaint) {
  if (!Enabled && !DisableSkinRect.IsEmpty()) {
    DrawLook(canvas, ActivePicture, DisableSkinRect);
    return;
  }
  if (Down && !DownRect.IsEmpty() && MouseIn) {
    DrawLook(canvas, ActivePicture, DownRect);
    return;
  }
  TActiveSkinObject::Draw(canvas, singleRepaint);
}

void TSkinButtonObject::SetDown(bool down) {
  Down = down;
  if (MorphEnabled() && Active) Morph.JumpTo(true);
  RepaintAlone();
  if (MorphEnabled() && !Down) StartMorph();
}

void TSkinButtonObject::ShowMenu() {
  if (MenuItem && MenuItem->Count() > 0) SkinForm.PopupObjectMenu(*MenuItem, ObjectRect, PopupUp);
}

void TSkinButtonObject::MouseDown(int x, int y, TMouseButton button) {
  if (!Enabled) return;
  if (button == TMouseButton::mbLeft && !Down) {
    SetDown(true);
    ShowMenu();
  }
  TActiveSkinObject::MouseDown(x, y, button);
}

void TSkinButtonObject::MouseUp(int x, int y, TMouseButton button) {
  if (!Enabled) return;
  // A button with a menu stays pressed until the menu closes.
  if (button == TMouseButton::mbLeft && !MenuItem && Down) SetDown(false);
  TActiveSkinObject::MouseUp(x, y, button);
}

void TSkinButtonObject::MouseEnter() {
  MouseIn = Active = true;
  if (!DownRect.IsEmpty() && Down) {
    // Back onto a pressed button: the pressed look at once.
    if (MorphEnabled()) Morph.JumpTo(true);
    RepaintAlone();
  } else if (!ActiveSkinRect.IsEmpty()) {
    StartMorph();
  }
  if (SkinForm.OnMouseEnterEvent) SkinForm.OnMouseEnterEvent(IDName);
}

void TSkinButtonObject::MouseLeave() {
  MouseIn = Active = false;
  // A button whose menu is open keeps its look.
  if (!(Down && MenuItem)) {
    RepaintAlone();
    StartMorph();
  }
  if (SkinForm.OnMouseLeaveEvent) SkinForm.OnMouseLeaveEvent(IDName);
}


TSkinStdButtonObject::TSkinStdButtonObject(TSkinForm& skinForm, const TDataSkinObject* data)
    : TSkinButtonObject(skinForm, data), SkinSupport(true) {
  if (const auto* button = dynamic_cast<const TDataSkinStdButton*>(data)) {
    command_ = button->Command;
    RestoreRect = button->RestoreRect;
    RestoreActiveRect = button->RestoreActiveRect;
    RestoreInActiveRect = button->RestoreInActiveRect;
    RestoreDownRect = button->RestoreDownRect;
  }
}

TSkinStdButtonObject::TSkinStdButtonObject(TSkinForm& skinForm, const QString& idName, SkinCommand command)
    : TSkinButtonObject(skinForm, nullptr), command_(command) {
  IDName = idName;
  SkinRectInAPicture = true;
  SkinRect = ActiveSkinRect = InActiveSkinRect = ObjectRect = DownRect = {0, 0, 1, 1};
}

bool TSkinStdButtonObject::NeedsMorphStep() const {
  if (command_ == SkinCommand::cmSysMenu && SkinForm.ShowIcon() && SkinRectInAPicture) return false;
  return TSkinButtonObject::NeedsMorphStep();
}

void TSkinStdButtonObject::Draw(TCanvas& canvas, bool singleRepaint) {
  if (!SkinSupport) {
    DrawDefaultLook(canvas);
    return;
  }
  if (command_ == SkinCommand::cmSysMenu && SkinForm.ShowIcon() && SkinRectInAPicture) {
    QPainter painter(canvas.Target());
    painter.drawPixmap(ObjectRect.Left, ObjectRect.Top, SkinForm.SmallIcon());
    Morph.JumpTo(false);
    return;
  }
  if (Enabled && SkinForm.InRestoreState(command_) && !RestoreRect.IsEmpty()) {
    if (!SkinForm.LastNcActive() && !RestoreInActiveRect.IsEmpty()) {
      DrawLook(canvas, ActivePicture, RestoreInActiveRect);
    } else if (Down && !RestoreDownRect.IsEmpty() && MouseIn) {
      DrawLook(canvas, ActivePicture, RestoreDownRect);
    } else if (MorphEnabled() && Morph.Short(Active)) {
      DrawMorph(canvas, ActivePicture, RestoreRect, RestoreActiveRect);
    } else {
      DrawLook(canvas, ActivePicture, !Active || RestoreActiveRect.IsEmpty() ? RestoreRect : RestoreActiveRect);
    }
    return;
  }
  TSkinButtonObject::Draw(canvas, singleRepaint);
}


void TSkinStdButtonObject::MouseDown(int, int, TMouseButton button) {
  if (!Enabled || button != TMouseButton::mbLeft || Down) return;
  SetDown(true);
  if (command_ == SkinCommand::cmSysMenu) {
    MenuItem = SkinForm.GetSystemMenuItems();
    ShowMenu();
  }
}

// The command runs only when the release is over the button. Close comes last, as it may end
// the window and everything on it; the others act first and the button is released after.
void TSkinStdButtonObject::MouseUp(int x, int y, TMouseButton button) {
  const bool run = Active && button == TMouseButton::mbLeft;
  if (command_ == SkinCommand::cmClose) {
    TSkinButtonObject::MouseUp(x, y, button);
    if (run) RunFrameCommand(SkinForm, command_);
    return;
  }
  if (run) RunFrameCommand(SkinForm, command_);
  TSkinButtonObject::MouseUp(x, y, button);
}

void TSkinStdButtonObject::DblClick() {
  if (command_ == SkinCommand::cmSysMenu) SkinForm.CloseForm();
}

void RunFrameCommand(TSkinForm& skinForm, SkinCommand command) {
  switch (command) {
    case SkinCommand::cmClose: skinForm.CloseForm(); break;
    case SkinCommand::cmMaximize:
      skinForm.SetWindowState(skinForm.SkinWindowState() == TSkinWindowState::Maximized ? TSkinWindowState::Normal
                                                                                        : TSkinWindowState::Maximized);
      break;
    case SkinCommand::cmMinimize:
      if (skinForm.AlwaysMinimizeToTray) skinForm.MinimizeToTray();
      else
        skinForm.SetWindowState(skinForm.SkinWindowState() == TSkinWindowState::Minimized
                                    ? TSkinWindowState::Normal
                                    : TSkinWindowState::Minimized);
      break;
    case SkinCommand::cmRollUp: skinForm.SetRollUp(!skinForm.RollUpState()); break;
    case SkinCommand::cmMinimizeToTray: skinForm.MinimizeToTray(); break;
    case SkinCommand::cmSysMenu:  // its menu opened on the press
    case SkinCommand::cmDefault: break;
  }
}
