// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/menus/SkinPopupMenu.h"

#include "skin/data/SkinData.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinMenuHost.h"

TSkinPopupMenu::TSkinPopupMenu(TForm* owner) : TPopupMenu(owner) {}

TSkinPopupMenu::~TSkinPopupMenu() { SetSkinData(nullptr); }

void TSkinPopupMenu::SetSkinData(TSkinData* skinData) {
  if (skinData == skinData_) return;
  if (skinData_) RemoveFreeNotification(skinData_);
  skinData_ = skinData;
  if (skinData_) FreeNotification(skinData_);
}

void TSkinPopupMenu::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component == skinData_) skinData_ = nullptr;
}

void TSkinPopupMenu::Popup(int x, int y) { PopupUnder({x, y, x, y}, false); }

void TSkinPopupMenu::PopupUnder(const TRect& rect, bool popupUp) {
  TPopupMenu::Popup(rect.Left, rect.Bottom);
  TSkinMenuHost* host = SkinMenuHostOf(Owner());
  if (!host) return;
  TSkinMenu& menu = host->HostMenu();
  TSkinData* skin = skinData_ ? skinData_ : host->MenusSkin();
  if (menu.Popup(nullptr, skin, popupUp, &Items(), rect)) menu.OnMenuClose = OnMenuClose;
}
