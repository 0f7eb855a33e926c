// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Menus of the desktop platform: a component that owns a tree of menu items under its root item,
// with the image list its items take pictures from, and the popup menu that a control or a
// window shows at a screen point.
#include <functional>

#include "platform/Component.h"
#include "platform/MenuItem.h"

class TCustomImageList;

class TMenu : public TComponent {
 public:
  explicit TMenu(TForm* owner = nullptr);

  // The root item: its sub-items are the menu's items.
  TMenuItem& Items() { return items_; }
  const TMenuItem& Items() const { return items_; }
  // Pictures of the items' ImageIndex; not owned.
  const TCustomImageList* Images = nullptr;
  // Redundant separators are left out whenever the menu is shown.
  bool AutoLineReduction = true;

 private:
  TMenuItem items_;
};

class TPopupMenu;
using TPopupMenuEvent = std::function<void(TPopupMenu* sender)>;

class TPopupMenu : public TMenu {
 public:
  using TMenu::TMenu;

  // Fires just before the menu shows, so its items can be brought up to date.
  TPopupMenuEvent OnPopup;
  // The component the menu was last shown for; not owned.
  TComponent* PopupComponent = nullptr;

  // Shows the menu with its top-left corner at the screen point. This platform draws no menus
  // of its own (every menu on screen is the skinned one), so the base class only fires OnPopup.
  virtual void Popup(int x, int y);
};
