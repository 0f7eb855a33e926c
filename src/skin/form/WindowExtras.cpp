// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The window's optional extras: transparency with a fade-in when it shows, magnetic snapping to
// the work area's edges while it is moved, and the calls a tray icon gets.
#include "platform/Application.h"
#include "platform/GlobalCoordinates.h"
#include "platform/Menus.h"
#include "skin/controls/SkinWindowOS.h"
#include "skin/form/SkinForm.h"
#include "skin/menus/SkinPopupMenu.h"

void TSkinForm::SetAlphaBlend(bool on) {
  if (on == alphaBlend_) return;
  alphaBlend_ = on;
  if (Designing() || Loading() || !IsLayeredWindowOS()) return;
  if (on) {
    layered_ = true;
    SetWindowAlphaLevel(form_.Window(), alphaBlendValue_);
  } else {
    ClearLayered();
  }
}

void TSkinForm::SetAlphaBlendValue(int value) {
  value = std::clamp(value, 0, 255);
  if (value == alphaBlendValue_) return;
  alphaBlendValue_ = value;
  if (alphaBlend_ && !Designing() && !Loading() && IsLayeredWindowOS()) SetWindowAlphaLevel(form_.Window(), value);
}

void TSkinForm::ClearLayered() {
  layered_ = false;
  SetWindowAlphaLevel(form_.Window(), 255);
}

// Showing: the window starts invisible and fades in a moment later (WM_TIMER 1).
void TSkinForm::ShowAlphaSetUp() {
  if (!(alphaBlend_ || AlphaBlendAnimation) || !IsLayeredWindowOS()) return;
  layered_ = true;
  SetWindowAlphaLevel(form_.Window(), 0);
  alphaTimer_.Start();
}

// The fade-in: to full opacity for an animation alone, else to AlphaBlendValue; without the
// animation the value is set at once. A window that ends fully opaque is no longer translucent.
void TSkinForm::AlphaFadeIn() {
  alphaTimer_.Stop();
  const int target = AlphaBlendAnimation && !alphaBlend_ ? 255 : alphaBlendValue_;
  if (AlphaBlendAnimation) {
    Application().ProcessMessages();
    FadeWindowIn(form_.Window(), target);
  } else if (alphaBlendValue_ != 255) {
    SetWindowAlphaLevel(form_.Window(), alphaBlendValue_);
  }
  if (target == 255) ClearLayered();
}

// Runs in the window's own move loop only: under a Wayland compositor, which runs every move
// itself, the window never snaps.
void TSkinForm::Snap(TRect& proposed) {
  proposed = MagneticSnap(proposed, {form_.Width(), form_.Height()}, WorkAreaForWindow(form_.Window(), true),
                          MagneticSize, GetCursorPos(), snapState_);
}

void TSkinForm::SetTrayIcon(TTrayIcon* icon) {
  TComponent* slot = trayIcon_;
  SetReference(slot, icon);
  trayIcon_ = icon;
  if (!icon) return;
  if (!AlwaysShowInTray) icon->SetIconVisible(false);
  if (!icon->PopupMenu) icon->PopupMenu = trayMenu_.get();
  icon->OnRestoreRequest = [this] { RestoreFromTray(); };
}

// To the tray: the icon shows the window is there, and the application goes out of sight.
void TSkinForm::MinimizeToTray() {
  if (!trayIcon_) return;
  trayIcon_->MinimizedToTray = true;
  trayIcon_->SetIconVisible(true);
  Application().Minimize();
  if (OnMinimizeToTray) OnMinimizeToTray(this);
}

void TSkinForm::RestoreFromTray() {
  if (trayIcon_) {
    trayIcon_->MinimizedToTray = false;
    if (!AlwaysShowInTray) trayIcon_->SetIconVisible(false);
  }
  Application().Restore();
  if (OnRestoreFromTray) OnRestoreFromTray(this);
}
