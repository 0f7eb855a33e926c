#include "platform/Menus.h"

TMenu::TMenu(TForm* owner) : TComponent(owner) { items_.menu_ = this; }

void TPopupMenu::Popup(int x, int y) {
  (void)x;
  (void)y;
  if (OnPopup) OnPopup(this);
}
