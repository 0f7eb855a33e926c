// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A popup menu that shows its items through the skinned window of its form: Popup opens the
// window's menu engine at the point, drawn from this menu's own skin or, without one, the
// window's. A form without a skinned window shows nothing.
#include <functional>

#include "platform/Menus.h"
#include "platform/Types.h"

class TSkinData;

class TSkinPopupMenu : public TPopupMenu {
 public:
  explicit TSkinPopupMenu(TForm* owner = nullptr);
  ~TSkinPopupMenu() override;

  // Not owned; cleared when that component goes away.
  TSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TSkinData* skinData);
  // Handed to the window's menu engine at each opening; fires when that menu closes.
  std::function<void()> OnMenuClose;

  void Popup(int x, int y) override;
  // Opens under the screen rectangle (above it with popupUp), as for a button the menu belongs to.
  void PopupUnder(const TRect& rect, bool popupUp);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TSkinData* skinData_ = nullptr;
};
