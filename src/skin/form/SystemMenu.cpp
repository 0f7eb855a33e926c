// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The skinned system menu and the menu state of the window.
//
// The items are made afresh for the window's state at every request (or the standard items are
// merged into the program's own system menu). The menu opens at a point (a right click on the
// caption), under a caption button (its press, or Alt+Space) or for a button's own menu. While a
// menu is open the engine's application message hook gives it the keys; the menu state ends when
// the menu reports that it closed (message 1228), when Esc closed its last popup, or when one of
// the messages that close menus reaches the window.
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

bool IsMenuButton(const TActiveSkinObject& object) {
  return object.Kind() == TFrameObjectKind::Button || object.Kind() == TFrameObjectKind::StdButton;
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
  const bool minimised = skinWindowState_ == TSkinWindowState::Minimized;
  const bool maximised = skinWindowState_ == TSkinWindowState::Maximized;
  std::unique_ptr<TMenuItem> minimize, maximize, restore, rollUp, toTray;
  if (!minimised && (borderIcons_ & biMinimize))
    minimize = MakeStdItem(Text(kMinimizeItem), kMinimizeItem, [this] {
      if (AlwaysMinimizeToTray) MinimizeToTray();
      else SetWindowState(TSkinWindowState::Minimized);
    });
  if (!maximised && (borderIcons_ & biMaximize))
    maximize = MakeStdItem(Text(kMaximizeItem), kMaximizeItem, [this] { SetWindowState(TSkinWindowState::Maximized); });
  if (minimised || maximised || rollUpState_)
    restore = MakeStdItem(Text(kRestoreItem), kRestoreItem, [this] {
      const bool rolledUpHere =
          rollUpState_ && (rolledUpWhileMaximized_ || skinWindowState_ == TSkinWindowState::Normal);
      if (rolledUpHere) SetRollUp(false);
      else SetWindowState(TSkinWindowState::Normal);
    });
  if (!rollUpState_ && !minimised && (borderIcons_ & biRollUp))
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
  MenuOpening();
  ApplyMenuSettings();
  skinMenu_->PopupAt(MenusSkin(), items, screen.X, screen.Y);
  if (!skinMenu_->Visible()) MenuClosed();
}

void TSkinForm::PopupSystemMenuIn(const TRect& screen) {
  skinMenu_->CloseAll();
  TMenuItem* items = GetSystemMenuItems();
  MenuOpening();
  ApplyMenuSettings();
  skinMenu_->PopupUnder(MenusSkin(), items, screen);
  if (!skinMenu_->Visible()) MenuClosed();
}

// A popup menu component shows itself (at the button); any other menu shows through the
// window's menu engine. Either way the window is in the menu state meanwhile, so the keys reach
// the menu and the button is released when it closes.
void TSkinForm::PopupObjectMenu(TMenuItem& item, const TRect& objectRect, bool popupUp) {
  const TRect rect = WindowToScreen(objectRect);
  MenuOpening();
  ApplyMenuSettings();
  auto* popupMenu = dynamic_cast<TSkinPopupMenu*>(item.GetParentMenu());
  if (popupMenu && &popupMenu->Items() == &item) popupMenu->PopupUnder(rect, popupUp);
  else skinMenu_->Popup(nullptr, MenusSkin(), popupUp, &item, rect);
  if (!skinMenu_->Visible()) MenuClosed();
}

void TSkinForm::MenuOpening() {
  if (!menuBarMode_ && !appHookSaved_) {
    savedAppMessageHook_ = Application().OnMessage();
    appHookSaved_ = true;
    Application().SetOnMessage([this](TMessage& message, bool& handled) { MenuMessageHook(message, handled); });
  }
  if (skinMenuOpen_) return;
  skinMenuOpen_ = true;
  if (OnSkinMenuOpen) OnSkinMenuOpen(this);
}

// The state ends: the button whose menu it was comes up (an animate one plays back), the
// application gets its own message hook back.
void TSkinForm::MenuClosed() {
  skinMenuOpen_ = false;
  for (auto& object : objectList_) {
    if (IsMenuButton(*object)) {
      auto& button = static_cast<TSkinButtonObject&>(*object);
      if (!button.Down || !button.MenuItem) continue;
      button.SetDown(false);
      break;
    }
    if (object->Kind() == TFrameObjectKind::Animate) {
      auto& animate = static_cast<TSkinAnimateObject&>(*object);
      if (!animate.MenuItem || !animate.MenuOpen) continue;
      animate.MenuClosed();
      break;
    }
  }
  if (appHookSaved_) {
    appHookSaved_ = false;
    Application().SetOnMessage(std::move(savedAppMessageHook_));
    savedAppMessageHook_ = nullptr;
  }
  if (OnSkinMenuClose) OnSkinMenuClose(this);
  if (menuBarMode_) {
    menuBarMode_ = false;
    if (OnMainMenuExit) OnMainMenuExit(this);
  }
}

// While a menu is open its keys go to it and the wheel does nothing; Alt and F10 keys pass, as
// the menu keys and shortcuts of the window.
void TSkinForm::MenuMessageHook(TMessage& message, bool& handled) {
  if (message.Msg == WM_KEYDOWN) {
    MenuKeyDown(int(message.WParam));
    handled = true;
  } else if (message.Msg == WM_MOUSEWHEEL) {
    handled = true;
  }
}

void TSkinForm::MenuKeyDown(int key) {
  skinMenu_->KeyDown(key);
  // Esc on the last popup closes it without telling the window.
  if (key == VK_ESCAPE && !skinMenu_->Visible() && skinMenuOpen_) MenuClosed();
}

void TSkinForm::MenuClosingFilter(const TMessage& message) {
  switch (message.Msg) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_PARENTNOTIFY: break;
    default: return;
  }
  if (ShowObjectHint && skinHint_) skinHint_->HideObjectHint();
  if (!menuBarMode_ || skinMenuOpen_) {
    if (skinMenu_->Visible()) skinMenu_->CloseAll();  // the menu reports back: MenuClosed
    else if (skinMenuOpen_) MenuClosed();
  } else {
    menuBarMode_ = false;
  }
}

// Alt or F10 alone. The platform opens no menu of its own; an open skinned menu closes (a menu
// bar, were there one, would take the keyboard now).
void TSkinForm::KeyMenu() {
  if (menuBarMode_) {
    menuBarMode_ = false;
    return;
  }
  if (skinMenu_->Visible()) skinMenu_->CloseAll();
  else if (skinMenuOpen_) MenuClosed();
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
