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

void TSkinPopupMenu::Popup(int x, int y) {
  TPopupMenu::Popup(x, y);
  TSkinMenuHost* host = SkinMenuHostOf(Owner());
  if (!host) return;
  TSkinMenu& menu = host->HostMenu();
  TSkinData* skin = skinData_ ? skinData_ : host->MenusSkin();
  if (menu.PopupAt(skin, &Items(), x, y)) menu.OnMenuClose = OnMenuClose;
}
