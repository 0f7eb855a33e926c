// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The engine's window procedure: the messages that close an open menu first, then one handler
// per message, then the frame's mouse messages to the active skin objects (PointerTracking.*).
#include "platform/GlobalCoordinates.h"
#include "platform/NonClientMessages.h"
#include "skin/controls/SkinWindowOS.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinMessages.h"
#include "skin/form/SkinForm.h"
#include "skin/menus/SkinMenu.h"

namespace {

bool IsSkinDataMessage(const TMessage& message, const TSkinData* skinData) {
  return skinData && reinterpret_cast<const TSkinData*>(message.WParam) == skinData;
}

}  // namespace

void TSkinForm::WndProc(TMessage& message) {
  menuState_.ClosingFilter(message);
  switch (message.Msg) {
    case WM_DESTROY: WMDestroy(message); break;
    case WM_SIZE: WMSize(message); break;
    case WM_ACTIVATE: WMActivate(message); break;
    case WM_SETTEXT: WMSetText(message); break;
    case WM_ERASEBKGND: WMEraseBkgnd(message); break;
    case WM_SHOWWINDOW: WMShowWindow(message); break;
    case WM_SETCURSOR: WMSetCursor(message); break;
    case WM_GETMINMAXINFO: WMGetMinMaxInfo(message); break;
    case WM_NCCALCSIZE: WMNCCalcSize(message); break;
    case WM_NCHITTEST: WMNCHitTest(message); break;
    case WM_NCPAINT: WMNCPaint(); break;
    case WM_NCACTIVATE: WMNCActivate(message); break;
    case WM_SYNCPAINT: WMSyncPaint(message); break;
    case WM_SYSCOMMAND: WMSysCommand(message); break;
    case WM_TIMER: WMTimer(message); break;
    case WM_MOVING: WMMoving(message); break;
    case WM_NCLBUTTONDOWN: WMNCLButtonDown(message); break;
    case WM_SKINMENU_CLOSED: WMSkinMenuClosed(message); break;
    case WM_SIZING: WMSizing(message); break;
    case WM_ENTERSIZEMOVE: WMEnterSizeMove(message); break;
    case WM_EXITSIZEMOVE: WMExitSizeMove(message); break;
    case SKINMSG_BEFORE_CHANGE: SkinBeforeChange(message); break;
    case SKINMSG_CHANGE: SkinChange(message); break;
    case SKINMSG_AFTER_CHANGE: SkinAfterChange(message); break;
    case SKINMSG_RESSTR_CHANGE: SkinResStrChange(message); break;
    case kFramePrintRequest: FramePrintRequest(message); break;
    default: Default(message); break;
  }
  // The default step ran a move or size loop (or a maximised window's caption held it in place):
  // this press belongs to it, not to an object.
  if (message.Msg == WM_NCLBUTTONDOWN && (inSizeMove_ || HeldCaptionPress(message))) inSizeMove_ = false;
  else pointer_.Route(message);
}

bool TSkinForm::HasBorder() const { return form_.BorderStyle() != TFormBorderStyle::bsNone; }

void TSkinForm::WMDestroy(TMessage& message) {
  pointer_.StopTimers();
  Default(message);
}

void TSkinForm::WMSize(TMessage& message) {
  Default(message);
  if (!LogoBitMap.Empty()) form_.Client()->update();
  // While dragged, the layout followed at WM_SIZING already.
  if (inSizeMove_) return;
  snapState_.Release();
  frameWidth_ = form_.Width();
  frameHeight_ = form_.Height();
  if (!skinned_) form_.Perform(WM_NCPAINT);
  else if (skinData_ && FrameMinimumMet(frameWidth_, frameHeight_)) UpdateFrame(true);
  if (fade_.Translucent()) {
    form_.Perform(WM_NCPAINT);
    form_.Client()->update();
  }
}

void TSkinForm::WMActivate(TMessage& message) {
  Default(message);
  form_.Perform(WM_NCPAINT);
  ResetObjectStates();
  ActivationChanged(true);
}

void TSkinForm::WMSetText(TMessage& message) {
  Default(message);
  if (HasBorder()) form_.Perform(WM_NCPAINT);
}

void TSkinForm::WMEraseBkgnd(TMessage& message) {
  if (auto* canvas = reinterpret_cast<TCanvas*>(message.WParam)) PaintClientBackground(*canvas);
  message.Result = 1;
}

void TSkinForm::WMShowWindow(TMessage& message) {
  if (message.WParam) {
    states_.FirstShowPlacement();
    fade_.Showing();
    NudgeWidth();
  } else {
    fade_.Hiding();
  }
  Default(message);
}

// With UseFormCursorInNCArea the frame shows the form's cursor, except over the sizing borders.
void TSkinForm::WMSetCursor(TMessage& message) {
  const int code = LOWORD(message.LParam);
  const bool sizing = code >= HTLEFT && code <= HTBOTTOMRIGHT;
  if (UseFormCursorInNCArea && code != HTCLIENT && !sizing)
    message.LParam = MAKELPARAM(HTCLIENT, HIWORD(message.LParam));
  Default(message);
}

void TSkinForm::WMGetMinMaxInfo(TMessage& message) {
  if (auto* info = reinterpret_cast<TMinMaxInfo*>(message.LParam)) {
    info->ptMinTrackSize = {GetMinWidth(), GetMinHeight()};
    info->ptMaxTrackSize = {GetMaxWidth(), GetMaxHeight()};
  }
  Default(message);
}

void TSkinForm::WMNCCalcSize(TMessage& message) {
  auto* params = reinterpret_cast<TNCCalcSizeParams*>(message.LParam);
  if (!params || !HasBorder()) return;
  if (skinned_) CalcLayout();
  params->rgrc[0] = skinned_ ? SkinnedClientRect(geometry_, params->rgrc[0])
                             : DefaultClientRect(form_.BorderStyle(), params->rgrc[0]);
}

void TSkinForm::WMNCHitTest(TMessage& message) {
  const TPoint p = ScreenToWindow(PointFromLParam(message.LParam));
  message.Result = skinned_ ? HitTestSkinned(p) : HitTestDefault(p);
  if (message.Result == HTOBJECT) pointer_.HitOnObject(p);
}

void TSkinForm::WMNCPaint() {
  if (!HasBorder()) return;
  // A hidden window shows no frame; it is painted whole when the window shows.
  if (!form_.Visible()) form_.InvalidateFrame();
  else if (skinned_) PaintFrame();
  else if (!inSkinChange_) PaintDefaultFrame();
}

void TSkinForm::WMNCActivate(TMessage& message) {
  skinMenu_->CloseAll();
  lastNcActive_ = message.WParam != 0;
  message.Result = 1;
  if (HasBorder()) form_.Perform(WM_NCPAINT);
  ActivationChanged(HasBorder());
}

// A rolled-up window repaints its frame itself: the platform would paint the client area's
// background over the collapsed frame.
void TSkinForm::WMSyncPaint(TMessage& message) {
  if (!states_.RolledUp()) return Default(message);
  form_.Perform(WM_NCPAINT);
  message.Result = 0;
}

void TSkinForm::WMSysCommand(TMessage& message) {
  const WPARAM command = message.WParam & 0xFFF0;
  // Alt or F10 alone: never passed on, as no menu of the platform's own opens; an open skinned
  // menu closes (a menu bar, were there one, would take the keyboard now).
  if (command == SC_KEYMENU) return menuState_.Close();
  if (command == SC_RESTORE && OnRestore) OnRestore(this);
  Default(message);
}

void TSkinForm::WMTimer(TMessage& message) {
  if (message.WParam == kAlphaTimerId) fade_.FadeIn();
  Default(message);
}

// A maximised window stays where it is; a magnetic one snaps to the work area's edges.
void TSkinForm::WMMoving(TMessage& message) {
  if (auto* proposed = reinterpret_cast<TRect*>(message.LParam)) {
    if (states_.Maximised()) *proposed = Bounds(form_.Left(), form_.Top(), form_.Width(), form_.Height());
    else if (Magnetic) Snap(*proposed);  // only in the window's own move loop: a compositor's never asks
  }
  Default(message);
}

bool TSkinForm::HeldCaptionPress(const TMessage& message) const {
  return states_.Maximised() && int(message.WParam) == HTCAPTION;
}

// A maximised window stays where it is. The window system's own move could not be held back
// step by step, so none starts.
void TSkinForm::WMNCLButtonDown(TMessage& message) {
  if (!HeldCaptionPress(message)) Default(message);
}

void TSkinForm::WMSkinMenuClosed(TMessage& message) {
  menuState_.Closed();
  Default(message);
}

// The frame follows the drag: laid out for the proposed size before the window takes it.
void TSkinForm::WMSizing(TMessage& message) {
  auto* proposed = reinterpret_cast<TRect*>(message.LParam);
  if (inSizeMove_) snapState_.Release();
  Default(message);
  if (!inSizeMove_ || !proposed) return;
  frameWidth_ = proposed->Width();
  frameHeight_ = proposed->Height();
  const bool resized = form_.Width() != proposed->Width() || form_.Height() != proposed->Height();
  if (skinData_ && FrameMinimumMet(form_.Width(), form_.Height()) && resized) UpdateFrame(true);
}

void TSkinForm::WMEnterSizeMove(TMessage& message) {
  snapState_.Anchor = GetCursorPos();
  ResetObjectStates();
  pointer_.HoverTimer().Stop();
  pointer_.Forget();
  inSizeMove_ = true;
  Default(message);
}

void TSkinForm::WMExitSizeMove(TMessage& message) {
  pointer_.HoverTimer().Stop();
  pointer_.Forget();
  if (skinData_ && !skinData_->Empty()) form_.Perform(WM_NCPAINT);
  Default(message);
}

// The skin data is about to change: the frame lets go of everything built from it.
void TSkinForm::SkinBeforeChange(TMessage& message) {
  if (IsSkinDataMessage(message, skinData_)) {
    inSkinChange_ = true;
    skinned_ = false;
    pointer_.StopTimers();
    ClearSkinObjects();
    TellSkinControls(message);
    if (OnBeforeChangeSkinData) OnBeforeChangeSkinData(this);
  }
  Default(message);
}

void TSkinForm::SkinChange(TMessage& message) {
  inSkinChange_ = false;
  if (IsSkinDataMessage(message, skinData_)) {
    ChangeSkinData();
    TellSkinControls(message);
  }
  Default(message);
}

void TSkinForm::SkinAfterChange(TMessage& message) {
  if (OnAfterChangeSkinData) OnAfterChangeSkinData(this);
  Default(message);
}

void TSkinForm::SkinResStrChange(TMessage& message) {
  SetDefaultHints();
  Default(message);
}

void TSkinForm::FramePrintRequest(TMessage& message) {
  if (message.LParam != kFramePrintAnswer) return Default(message);
  if (auto* canvas = reinterpret_cast<TCanvas*>(message.WParam); canvas && HasBorder()) {
    if (skinned_) PaintFrame(canvas);
    else PaintDefaultFrame(canvas);
  }
  message.Result = kFramePrintAnswer;
}

void TSkinForm::Snap(TRect& proposed) {
  proposed = MagneticSnap(proposed, {form_.Width(), form_.Height()}, WorkAreaForWindow(form_.Window(), true),
                          MagneticSize, GetCursorPos(), snapState_);
}
