// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/Menus.h"

TMenu::TMenu(TForm* owner) : TComponent(owner) { items_.menu_ = this; }

void TPopupMenu::Popup(int x, int y) {
  (void)x;
  (void)y;
  if (OnPopup) OnPopup(this);
}
