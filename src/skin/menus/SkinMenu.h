// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The menu engine a skinned window owns: it shows a menu (the window's system menu, or a popup
// menu handed to it) as a chain of skinned popup windows, one per menu level, level 0 first.
// Each popup lists the visible sub-items of one platform menu item, drawn from the skin's
// "POPUPWINDOW" frame and its menu-item object, or in the built-in look without them.
//
// How the owning window drives it:
//   - PopupAt (a point, e.g. a right click on the caption) or PopupUnder (a rectangle, e.g. the
//     system-menu button) opens the menu; Popup is the general form (a control to notify, upward
//     popups, a start index). Opening always closes a menu that is still open first.
//   - While the menu is open (Visible), the window passes its key presses to KeyDown and the
//     characters they type to CharTyped (the accelerators), and on a
//     move, size, (de)activation, focus loss, cancel-mode or any button press on the window calls
//     CloseAll.
//   - The menu tells the window that it closed by sending WM_SKINMENU_CLOSED to the form (from
//     CloseAll, which clicks elsewhere and a chosen command run through), and fires OnMenuClose
//     once whenever it closes. Escape on the last popup closes it without the message; the window
//     sees the menu no longer Visible.
//   - A chosen command runs after the menu has closed; the control the menu was opened for, if
//     any, gets WM_SKINMENU_CLOSED on every close and WM_SKINMENU_COMMAND after a command ran.
//
// A mouse press in any other window of the application, or the application losing the
// activation, closes the menu as well, so a menu shown for a plain window closes like one shown
// for the skinned frame.
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Component.h"
#include "platform/Font.h"
#include "platform/Messages.h"
#include "platform/Types.h"
#include "platform/WindowTimer.h"
#include "skin/menus/SkinMenuLook.h"

class QObject;
class QPoint;
class TForm;
class TMenuItem;
class TSkinData;
class TSkinPopupWindow;

// The menu closed (sent to the form and to the control the menu was opened for).
constexpr unsigned WM_SKINMENU_CLOSED = WM_USER + 204;
// A command of the menu ran (sent to the control the menu was opened for).
constexpr unsigned WM_SKINMENU_COMMAND = WM_USER + 205;

class TSkinMenu : public TComponent {
 public:
  // The menu belongs to the skinned window of `form` (which may be nullptr for a free-standing
  // menu): its popups open on that window's monitor and it tells that form when it closes.
  explicit TSkinMenu(TForm* form);
  ~TSkinMenu() override;

  // Fires once when the menu closes, then is cleared.
  std::function<void()> OnMenuClose;

  // 0 = unlimited; else a popup holds at most this many lines and scrolls the rest. Negative
  // values are refused.
  int MaxMenuItemsInWindow() const { return settings_.MaxMenuItemsInWindow; }
  void SetMaxMenuItemsInWindow(int count);
  // Lines take their font from the skin's menu-item object.
  bool UseSkinFont() const { return settings_.UseSkinFont; }
  void SetUseSkinFont(bool on) { settings_.UseSkinFont = on; }
  // Line height of the built-in look; values below 1 are refused.
  int DefMenuItemHeight() const { return settings_.DefMenuItemHeight; }
  void SetDefMenuItemHeight(int height);
  // Font of the built-in look ("Arial", 14 pixels, no style on creation).
  const TFont& DefMenuItemFont() const { return settings_.DefMenuItemFont; }
  void SetDefMenuItemFont(const TFont& font) { settings_.DefMenuItemFont = font; }
  const TSkinMenuSettings& Settings() const { return settings_; }
  // Translucent popups with alpha AlphaBlendValue (0..255), faded in at a first opening.
  bool AlphaBlend = false;
  bool AlphaBlendAnimation = false;
  int AlphaBlendValue = 150;

  // Opens `root`'s sub-items from `startIndex` on as level 0 for the screen rectangle `rect`:
  // below it (above it with popupUp) or where the work area leaves room. `control` (may be
  // nullptr) is told when the menu closes and after a command ran. Nothing opens for a root
  // without visible sub-items from startIndex on. Returns whether the menu is open.
  bool Popup(QObject* control, TSkinData* skinData, bool popupUp, TMenuItem* root, const TRect& rect,
             int startIndex = 0);
  // The system menu's two ways to open: at a screen point, and under a screen rectangle.
  bool PopupAt(TSkinData* skinData, TMenuItem* root, int x, int y);
  bool PopupUnder(TSkinData* skinData, TMenuItem* root, const TRect& rect);

  // Closes the popups from the innermost down to `level` (0: all). Closing level 0 ends the
  // menu: the control it was opened for gets WM_SKINMENU_CLOSED and OnMenuClose fires.
  void CloseToLevel(int level);
  // Closes the whole menu and sends WM_SKINMENU_CLOSED to the form; nothing when it is closed.
  void CloseAll();

  // A key press (virtual key code) and a typed character for the innermost popup; false when no
  // popup took it.
  bool KeyDown(int key);
  bool CharTyped(QChar character);

  bool IsOpen() const { return isOpen_; }
  // Some popup is on the screen.
  bool Visible() const { return !popups_.empty(); }
  int PopupCount() const { return int(popups_.size()); }
  // The popup of a level, nullptr beyond the open ones.
  TSkinPopupWindow* PopupWindow(int level) const;
  // This opening is the first since the menu was last closed (while it opens).
  bool FirstOpening() const { return firstOpening_; }
  TForm* Form() const { return form_; }
  TSkinData* SkinData() const { return skinData_; }
  // The work area of the form's monitor, taken at each opening.
  const TRect& WorkArea() const { return workArea_; }
  // Opens a hovered line's sub-menu after 500 ms.
  TWindowTimer& SubMenuDelayTimer() { return subMenuDelay_; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TSkinPopupWindow;
  class ClickWatch;
  struct DeferredDelete {
    void operator()(TSkinPopupWindow* popup) const;
  };

  void SetSkinData(TSkinData* skinData);
  bool HasShownItemsFrom(const TMenuItem& root, int startIndex) const;
  void OpenLevel(int level, const TRect& rect, TMenuItem& root, bool popupUp, bool subMenu, int startIndex);

  // For the popups.
  void OpenSubMenu(int parentLevel, const TRect& screenRect, TMenuItem& parent);
  // Escape: the innermost popup closes (the whole menu when it is the only one).
  void CloseInnermost();
  void StartSubMenuDelay(int level, int index);
  void StopSubMenuDelay();
  bool IsWaiting(int level, int index) const { return waitingLevel_ == level && waitingIndex_ == index; }
  void SubMenuDelayTick();
  // A leaf was chosen: the menu closes, then the item's command runs.
  void ItemCommand(unsigned command);
  // The deepest popup whose outline holds the screen point, or nullptr.
  TSkinPopupWindow* PopupWindowAt(const QPoint& screenPoint) const;

  TForm* form_;
  TSkinMenuSettings settings_;
  std::vector<std::unique_ptr<TSkinPopupWindow, DeferredDelete>> popups_;
  TWindowTimer subMenuDelay_{500};
  int waitingLevel_ = -1;
  int waitingIndex_ = -1;
  bool isOpen_ = false;
  bool firstOpening_ = false;
  QPointer<QObject> popupControl_;
  QPointer<QObject> dispatchControl_;
  TRect workArea_{};
  TSkinData* skinData_ = nullptr;
  std::unique_ptr<ClickWatch> clickWatch_;
  // Lets code that called out (to close and command handlers) see whether the menu survived.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
