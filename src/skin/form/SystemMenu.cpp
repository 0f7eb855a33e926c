// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The skinned system menu of the window.
//
// The items are made afresh for the window's state at every request (or the standard items are
// merged into the program's own system menu). The menu opens at a point (a right click on the
// caption), under a caption button (its press, or Alt+Space) or for a button's own menu, each
// time in the window's menu state (MenuState.*).
#include "platform/Menus.h"
#include "platform/NonClientMessages.h"
#include "skin/controls/SkinHint.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"
#include "skin/form/SkinForm.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupMenu.h"

namespace {

struct StdItem {
  const char* name;
  const char* key;
  const char* text;
};

constexpr StdItem kMinimizeItem{"SF_MINITEM", "MI_MINCAPTION", "Mi&nimize"};
constexpr StdItem kMaximizeItem{"SF_MAXITEM", "MI_MAXCAPTION", "Ma&ximize"};
constexpr StdItem kRestoreItem{"SF_RESTORE", "MI_RESTORECAPTION", "&Restore"};
constexpr StdItem kRollUpItem{"SF_ROLLUP", "MI_ROLLUPCAPTION", "Ro&llUp"};
constexpr StdItem kMinimizeToTrayItem{"SF_MINTOTRAY", "MI_MINTOTRAYCAPTION", "Minimize to &Tray"};
constexpr StdItem kCloseItem{"SF_CLOSE", "MI_CLOSECAPTION", "&Close"};
constexpr StdItem kTrayRestoreItem{"TRAY_SF_RESTORE", "MI_RESTORECAPTION", "&Restore"};
constexpr StdItem kTrayCloseItem{"TRAY_SF_CLOSE", "MI_CLOSECAPTION", "&Close"};
constexpr TShortCut kCloseShortCut = ShortCut(VK_F4, scAlt);

bool IsStdItemName(const QString& name) {
  for (const StdItem* item : {&kMinimizeItem, &kMaximizeItem, &kRestoreItem, &kRollUpItem, &kMinimizeToTrayItem,
                              &kCloseItem})
    if (name == QLatin1String(item->name)) return true;
  return false;
}

}  // namespace

QString TSkinForm::ResourceText(const char* key, const char* text) const {
  const TResourceStrData* strings = skinData_ ? skinData_->ResourceStrData() : nullptr;
  return strings ? strings->GetResStr(QLatin1String(key)) : QString::fromLatin1(text);
}

namespace {

// A standard item with its caption from the skin's texts (else the program's) and its command.
std::unique_ptr<TMenuItem> MakeStdItem(const QString& caption, const StdItem& item, std::function<void()> click) {
  auto made = std::make_unique<TMenuItem>(caption, QLatin1String(item.name));
  made->OnClick = [click = std::move(click)](TMenuItem*) { click(); };
  return made;
}

}  // namespace

TMenuItem* TSkinForm::GetSystemMenuItems() {
  if (systemMenu_) {
    if (UseDefaultSysMenu) FillDefaultItems(systemMenu_->Items(), true);
    return &systemMenu_->Items();
  }
  TMenuItem& root = defaultSystemMenu_->Items();
  root.Clear();
  FillDefaultItems(root, false);
  return &root;
}

// The standard items for the state, in the order minimise, maximise, restore, roll-up, tray, a
// line and close. Merged into the program's menu, they replace the standard items it holds: the
// first five go on top (in the order minimise, restore, maximise, roll-up, tray), close last.
void TSkinForm::FillDefaultItems(TMenuItem& root, bool merge) {
  const auto Text = [this](const StdItem& item) { return ResourceText(item.key, item.text); };
  const bool minimised = states_.Minimised();
  const bool maximised = states_.Maximised();
  const bool rolledUp = states_.RolledUp();
  std::unique_ptr<TMenuItem> minimize, maximize, restore, rollUp, toTray;
  if (!minimised && (borderIcons_ & biMinimize))
    minimize = MakeStdItem(Text(kMinimizeItem), kMinimizeItem, [this] {
      if (AlwaysMinimizeToTray) MinimizeToTray();
      else SetWindowState(TSkinWindowState::Minimized);
    });
  if (!maximised && (borderIcons_ & biMaximize))
    maximize = MakeStdItem(Text(kMaximizeItem), kMaximizeItem, [this] { SetWindowState(TSkinWindowState::Maximized); });
  if (minimised || maximised || rolledUp)
    restore = MakeStdItem(Text(kRestoreItem), kRestoreItem, [this] { states_.RestoreItem(); });
  if (!rolledUp && !minimised && (borderIcons_ & biRollUp))
    rollUp = MakeStdItem(Text(kRollUpItem), kRollUpItem, [this] { SetRollUp(true); });
  if (borderIcons_ & biMinimizeToTray)
    toTray = MakeStdItem(Text(kMinimizeToTrayItem), kMinimizeToTrayItem, [this] { MinimizeToTray(); });
  auto close = MakeStdItem(Text(kCloseItem), kCloseItem, [this] { CloseForm(); });
  close->ShortCut = kCloseShortCut;

  if (merge) {
    for (int i = root.Count() - 1; i >= 0; --i)
      if (IsStdItemName(root.Items(i)->Name)) root.Delete(i);
    for (auto* item : {&toTray, &rollUp, &maximize, &restore, &minimize})
      if (*item) root.Insert(0, std::move(*item));
    root.Add(std::move(close));
    return;
  }
  bool any = false;
  for (auto* item : {&minimize, &maximize, &restore, &rollUp, &toTray}) {
    if (!*item) continue;
    root.Add(std::move(*item));
    any = true;
  }
  if (any) root.Add(QStringLiteral("-"));
  root.Add(std::move(close));
}

void TSkinForm::FillTrayMenu() {
  const auto Text = [this](const StdItem& item) { return ResourceText(item.key, item.text); };
  TMenuItem& root = trayMenu_->Items();
  root.Clear();
  root.Add(MakeStdItem(Text(kTrayRestoreItem), kTrayRestoreItem, [this] { RestoreFromTray(); }));
  root.Add(QStringLiteral("-"));
  root.Add(MakeStdItem(Text(kTrayCloseItem), kTrayCloseItem, [this] { CloseForm(); }))->ShortCut = kCloseShortCut;
}

void TSkinForm::ApplyMenuSettings() {
  TSkinMenu& menu = *skinMenu_;
  menu.SetMaxMenuItemsInWindow(maxMenuItemsInWindow_);
  menu.SetUseSkinFont(UseSkinFontInMenu);
  menu.SetDefMenuItemHeight(defMenuItemHeight_);
  menu.SetDefMenuItemFont(DefMenuItemFont);
  menu.AlphaBlend = MenusAlphaBlend;
  menu.AlphaBlendAnimation = MenusAlphaBlendAnimation;
  menu.AlphaBlendValue = MenusAlphaBlendValue;
}

// The items are made for the state at this moment, so a menu still showing the old ones closes
// first.
void TSkinForm::PopupSystemMenuAt(TPoint screen) {
  skinMenu_->CloseAll();
  TMenuItem* items = GetSystemMenuItems();
  menuState_.Opening();
  ApplyMenuSettings();
  skinMenu_->PopupAt(MenusSkin(), items, screen.X, screen.Y);
  if (!skinMenu_->Visible()) menuState_.Closed();
}

void TSkinForm::PopupSystemMenuIn(const TRect& screen) {
  skinMenu_->CloseAll();
  TMenuItem* items = GetSystemMenuItems();
  menuState_.Opening();
  ApplyMenuSettings();
  skinMenu_->PopupUnder(MenusSkin(), items, screen);
  if (!skinMenu_->Visible()) menuState_.Closed();
}

// A popup menu component shows itself (at the button); any other menu shows through the
// window's menu engine. Either way the window is in the menu state meanwhile, so the keys reach
// the menu and the button is released when it closes.
void TSkinForm::PopupObjectMenu(TMenuItem& item, const TRect& objectRect, bool popupUp) {
  const TRect rect = WindowToScreen(objectRect);
  menuState_.Opening();
  ApplyMenuSettings();
  auto* popupMenu = dynamic_cast<TSkinPopupMenu*>(item.GetParentMenu());
  if (popupMenu && &popupMenu->Items() == &item) popupMenu->PopupUnder(rect, popupUp);
  else skinMenu_->Popup(nullptr, MenusSkin(), popupUp, &item, rect);
  if (!skinMenu_->Visible()) menuState_.Closed();
}

// A shortcut of a system-menu item runs that item. While a menu shows, its items stay as they
// are (they may be on the screen); otherwise they are made for the state first.
bool TSkinForm::SystemMenuShortCut(const TWMKey& key) {
  TShortCut shortCut = ShortCut(key.CharCode);
  if (key.Shift & ssShift) shortCut |= scShift;
  if (key.Shift & ssCtrl) shortCut |= scCtrl;
  if (key.Shift & ssAlt) shortCut |= scAlt;
  const bool showing = skinMenu_->Visible();
  TMenuItem* root = showing ? (systemMenu_ ? &systemMenu_->Items() : &defaultSystemMenu_->Items())
                            : GetSystemMenuItems();
  for (int i = 0; i < root->Count(); ++i) {
    TMenuItem* item = root->Items(i);
    if (!item->Visible || !item->Enabled || item->ShortCut != shortCut) continue;
    if (showing) skinMenu_->CloseAll();
    item->Click();
    return true;
  }
  return false;
}
