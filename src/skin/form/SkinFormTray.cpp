// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The calls a tray icon gets: the window goes to the tray and comes back through the icon.
#include "platform/Application.h"
#include "platform/Menus.h"
#include "skin/form/SkinForm.h"
#include "skin/menus/SkinPopupMenu.h"

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
