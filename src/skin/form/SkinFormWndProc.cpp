// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The engine's window procedure: the messages that close an open menu first, the message table,
// then the routing of the frame's mouse messages to the active skin objects (which never changes
// a message's result).
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
  MenuClosingFilter(message);
  const bool noBorder = form_.BorderStyle() == TFormBorderStyle::bsNone;
  const bool maximised = skinWindowState_ == TSkinWindowState::Maximized;
  switch (message.Msg) {
    case WM_DESTROY:
      hoverTimer_.Stop();
      frameMorphTimer_.Stop();
      frameAnimateTimer_.Stop();
      Default(message);
      break;

    case WM_SIZE:
      if (inSizeMove_ && dragFullWindows_) {
        // The layout followed the drag at WM_SIZING already.
        if (!LogoBitMap.Empty()) form_.Client()->update();
        Default(message);
        break;
      }
      Default(message);
      snapState_ = {false, false, false, false, snapState_.Anchor};
      frameWidth_ = form_.Width();
      frameHeight_ = form_.Height();
      if (!skinned_) form_.Perform(WM_NCPAINT);
      else if (skinData_ && frameWidth_ >= GetMinWidth() && frameHeight_ >= GetMinHeight()) UpdateFrame(true);
      if (alphaBlend_ && alphaBlendValue_ != 255 && IsLayeredWindowOS()) {
        form_.Perform(WM_NCPAINT);
        form_.Client()->update();
      }
      if (!LogoBitMap.Empty()) form_.Client()->update();
      break;

    case WM_ACTIVATE:
      Default(message);
      form_.Perform(WM_NCPAINT);
      ResetObjectStates();
      ActivationChanged(true);
      break;

    case WM_SETTEXT:
      Default(message);
      if (!noBorder) form_.Perform(WM_NCPAINT);
      break;

    case WM_ERASEBKGND:
      if (auto* canvas = reinterpret_cast<TCanvas*>(message.WParam)) PaintClientBackground(*canvas);
      message.Result = 1;
      break;

    case WM_SHOWWINDOW:
      if (message.WParam) {
        FirstShowPlacement();
        ShowAlphaSetUp();
        NudgeWidth();
      } else if (alphaBlend_ && IsLayeredWindowOS()) {
        ClearLayered();
      }
      Default(message);
      break;

    case WM_SETCURSOR:
      if (UseFormCursorInNCArea) {
        const int code = LOWORD(message.LParam);
        const bool keep = code == HTCLIENT || (code >= HTLEFT && code <= HTBOTTOMRIGHT);
        if (!keep) message.LParam = MAKELPARAM(HTCLIENT, HIWORD(message.LParam));
      }
      Default(message);
      break;

    case WM_GETMINMAXINFO:
      if (auto* info = reinterpret_cast<TMinMaxInfo*>(message.LParam)) {
        info->ptMinTrackSize = {GetMinWidth(), GetMinHeight()};
        info->ptMaxTrackSize = {GetMaxWidth(), GetMaxHeight()};
      }
      Default(message);
      break;

    case WM_NCCALCSIZE:
      if (auto* params = reinterpret_cast<TNCCalcSizeParams*>(message.LParam); params && !noBorder) {
        if (skinned_) {
          CalcLayout();
          params->rgrc[0] = SkinnedClientRect(geometry_, params->rgrc[0]);
        } else {
          params->rgrc[0] = DefaultClientRect(form_.BorderStyle(), params->rgrc[0]);
        }
      }
      break;

    case WM_NCHITTEST: {
      const TPoint p = ScreenToWindow(PointFromLParam(message.LParam));
      message.Result = skinned_ ? HitTestSkinned(p) : HitTestDefault(p);
      if (message.Result == HTOBJECT && !hoverTimer_.Active()) {
        TrackHover(p, true);
        hoverTimer_.Start();
      }
      break;
    }

    case WM_NCPAINT:
      if (noBorder) break;
      // A hidden window shows no frame; it is painted whole when the window shows.
      if (!form_.Visible()) {
        form_.InvalidateFrame();
        break;
      }
      if (skinned_) PaintFrame();
      else if (!inSkinChange_) PaintDefaultFrame();
      break;

    case WM_NCACTIVATE:
      skinMenu_->CloseAll();
      lastNcActive_ = message.WParam != 0;
      message.Result = 1;
      if (!noBorder) {
        form_.Perform(WM_NCPAINT);
        ActivationChanged(true);
      } else {
        ActivationChanged(false);
      }
      break;

    case WM_SYNCPAINT:
      if (!rollUpState_) {
        Default(message);
        break;
      }
      form_.Perform(WM_NCPAINT);
      message.Result = 0;
      break;

    case WM_SYSCOMMAND:
      if ((message.WParam & 0xFFF0) == SC_KEYMENU) {
        KeyMenu();  // never passed on: no menu of the platform's own opens
        break;
      }
      if ((message.WParam & 0xFFF0) == SC_RESTORE && OnRestore) OnRestore(this);
      Default(message);
      break;

    case WM_TIMER:
      if (message.WParam == 1) AlphaFadeIn();
      Default(message);
      break;

    case WM_MOVING:
      if (auto* proposed = reinterpret_cast<TRect*>(message.LParam)) {
        if (maximised) *proposed = Bounds(form_.Left(), form_.Top(), form_.Width(), form_.Height());
        else if (Magnetic) Snap(*proposed);
      }
      Default(message);
      break;

    case WM_NCLBUTTONDOWN:
      // A maximised window stays where it is. The window system's own move could not be held
      // back step by step, so none starts.
      if (!(maximised && int(message.WParam) == HTCAPTION)) Default(message);
      break;

    case WM_SKINMENU_CLOSED:
      MenuClosed();
      Default(message);
      break;

    case WM_SIZING:
      if (inSizeMove_ && dragFullWindows_) {
        snapState_ = {false, false, false, false, snapState_.Anchor};
        auto* proposed = reinterpret_cast<TRect*>(message.LParam);
        Default(message);
        if (proposed) {
          frameWidth_ = proposed->Width();
          frameHeight_ = proposed->Height();
        }
        if (skinData_ && proposed && form_.Width() >= GetMinWidth() && form_.Height() >= GetMinHeight() &&
            (form_.Width() != proposed->Width() || form_.Height() != proposed->Height()))
          UpdateFrame(true);
      } else {
        Default(message);
      }
      break;

    case WM_ENTERSIZEMOVE:
      snapState_.Anchor = GetCursorPos();
      ResetObjectStates();
      hoverTimer_.Stop();
      hoverIndex_ = captureIndex_ = -1;
      inSizeMove_ = true;
      dragFullWindows_ = true;  // the window's contents always follow the drag here
      Default(message);
      break;

    case WM_EXITSIZEMOVE:
      hoverTimer_.Stop();
      hoverIndex_ = oldHoverIndex_ = captureIndex_ = -1;
      if (skinData_ && !skinData_->Empty()) form_.Perform(WM_NCPAINT);
      Default(message);
      break;

    case SKINMSG_BEFORE_CHANGE:
      if (IsSkinDataMessage(message, skinData_)) {
        inSkinChange_ = true;
        skinned_ = false;
        hoverTimer_.Stop();
        frameMorphTimer_.Stop();
        frameAnimateTimer_.Stop();
        ClearSkinObjects();
        TellSkinControls(message);
        if (OnBeforeChangeSkinData) OnBeforeChangeSkinData(this);
      }
      Default(message);
      break;

    case SKINMSG_CHANGE:
      inSkinChange_ = false;
      if (IsSkinDataMessage(message, skinData_)) {
        ChangeSkinData();
        TellSkinControls(message);
      }
      Default(message);
      break;

    case SKINMSG_AFTER_CHANGE:
      if (OnAfterChangeSkinData) OnAfterChangeSkinData(this);
      Default(message);
      break;

    case SKINMSG_RESSTR_CHANGE:
      SetDefaultHints();
      Default(message);
      break;

    case kFramePrintRequest:
      if (message.LParam != kFramePrintAnswer) {
        Default(message);
        break;
      }
      if (auto* canvas = reinterpret_cast<TCanvas*>(message.WParam); canvas && !noBorder) {
        if (skinned_) PaintFrame(canvas);
        else PaintDefaultFrame(canvas);
      }
      message.Result = kFramePrintAnswer;
      break;

    default:
      Default(message);
      break;
  }
  RouteMouse(message);
}

void TSkinForm::RouteMouse(const TMessage& message) {
  const TPoint p = ScreenToWindow(PointFromLParam(message.LParam));
  const bool onCaption = int(message.WParam) == HTCAPTION;
  switch (message.Msg) {
    case WM_NCMOUSEMOVE: MouseMoveAt(p); break;
    case WM_MOUSEMOVE:
      // A press holds the pointer: whether it is still over the pressed object is known at once,
      // not only at the next poll, so a release just outside never runs the object's command.
      if (captureIndex_ >= 0) CapturedMoveAt(PointFromLParam(message.LParam));
      break;
    case WM_NCLBUTTONDOWN:
      // The default step ran a move or size loop: this press belongs to it, not to an object.
      if (inSizeMove_) {
        inSizeMove_ = false;
        break;
      }
      TrackHover(p, true);
      MouseDownAt(p, TMouseButton::mbLeft);
      if (onCaption) captureIndex_ = -1;
      break;
    case WM_NCLBUTTONUP: MouseUpAt(p, TMouseButton::mbLeft); break;
    case WM_NCLBUTTONDBLCLK:
      TrackHover(p, true);
      MouseDownAt(p, TMouseButton::mbLeft);
      DoubleClickAt();
      if (onCaption) {
        CaptionDoubleClick();
        captureIndex_ = -1;
      }
      break;
    case WM_NCRBUTTONDOWN:
      TrackHover(p, true);
      MouseDownAt(p, TMouseButton::mbRight);
      if (onCaption) {
        captureIndex_ = -1;
        PopupSystemMenuAt(PointFromLParam(message.LParam));
      }
      break;
    case WM_NCRBUTTONDBLCLK:
      TrackHover(p, true);
      MouseDownAt(p, TMouseButton::mbRight);
      if (onCaption) captureIndex_ = -1;
      break;
    case WM_NCRBUTTONUP: MouseUpAt(p, TMouseButton::mbRight); break;
    case WM_LBUTTONUP: MouseUpAt({-1, -1}, TMouseButton::mbLeft); break;
    case WM_RBUTTONUP: MouseUpAt({-1, -1}, TMouseButton::mbRight); break;
    default: break;
  }
}
