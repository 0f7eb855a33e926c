// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/menus/SkinMenu.h"

#include <QApplication>
#include <QMouseEvent>

#include "platform/Application.h"
#include "platform/ControlMessage.h"
#include "platform/Form.h"
#include "platform/MenuItem.h"
#include "skin/controls/SkinWindowOS.h"
#include "skin/data/SkinData.h"
#include "skin/menus/SkinPopupWindow.h"

// Closes the menu when the pointer presses anywhere in the application outside its popups, or
// the application loses the activation (a click into another program). It listens only while
// the menu is open.
class TSkinMenu::ClickWatch : public QObject {
 public:
  explicit ClickWatch(TSkinMenu& menu) : menu_(menu) {}
  ~ClickWatch() override { Arm(false); }

  void Arm(bool on) {
    if (on == armed_) return;
    armed_ = on;
    if (on) qApp->installEventFilter(this);
    else qApp->removeEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::NonClientAreaMouseButtonPress) {
      const auto* widget = qobject_cast<QWidget*>(watched);
      // The window delivers each press to its widget as well; react once, at the widget.
      if (widget && !IsOwnPopup(widget->window())) menu_.CloseAll();
    } else if (type == QEvent::ApplicationStateChange && qApp->applicationState() != Qt::ApplicationActive) {
      menu_.CloseAll();
    }
    return false;
  }

 private:
  bool IsOwnPopup(const QWidget* window) const {
    for (const auto& popup : menu_.popups_)
      if (popup.get() == window) return true;
    return false;
  }

  TSkinMenu& menu_;
  bool armed_ = false;
};

void TSkinMenu::DeferredDelete::operator()(TSkinPopupWindow* popup) const {
  // A popup may be closed from inside its own input handling; it goes once that has returned.
  if (popup) popup->Dismiss();
}

TSkinMenu::TSkinMenu(TForm* form) : TComponent(form), form_(form), clickWatch_(std::make_unique<ClickWatch>(*this)) {
  subMenuDelay_.OnTimer = [this] { SubMenuDelayTick(); };
}

TSkinMenu::~TSkinMenu() {
  *alive_ = false;
  OnMenuClose = nullptr;
  clickWatch_->Arm(false);
  while (!popups_.empty()) popups_.pop_back();
  SetSkinData(nullptr);
}

void TSkinMenu::SetMaxMenuItemsInWindow(int count) {
  if (count >= 0) settings_.MaxMenuItemsInWindow = count;
}

void TSkinMenu::SetDefMenuItemHeight(int height) {
  if (height > 0) settings_.DefMenuItemHeight = height;
}

void TSkinMenu::SetSkinData(TSkinData* skinData) {
  if (skinData == skinData_) return;
  if (skinData_) RemoveFreeNotification(skinData_);
  skinData_ = skinData;
  if (skinData_) FreeNotification(skinData_);
}

void TSkinMenu::Notification(TComponent* component, TOperation operation) {
  if (operation != TOperation::opRemove || component != skinData_) return;
  // The popups hold copies of what they draw; the menu only forgets the skin.
  skinData_ = nullptr;
}

TSkinPopupWindow* TSkinMenu::PopupWindow(int level) const {
  return level >= 0 && level < PopupCount() ? popups_[std::size_t(level)].get() : nullptr;
}

bool TSkinMenu::HasShownItemsFrom(const TMenuItem& root, int startIndex) const {
  for (int i = std::max(startIndex, 0); i < root.Count(); ++i)
    if (root.Items(i)->Visible) return true;
  return false;
}

bool TSkinMenu::Popup(QObject* control, TSkinData* skinData, bool popupUp, TMenuItem* root, const TRect& rect,
                      int startIndex) {
  firstOpening_ = !isOpen_;
  // The previous opening ends first, and its control hears of it.
  if (isOpen_ || Visible()) {
    const std::weak_ptr<bool> alive = alive_;
    CloseToLevel(0);
    if (alive.expired()) return false;
  }
  popupControl_ = control;
  workArea_ = WorkAreaForWindow(form_ ? form_->Window() : nullptr, true);
  SetSkinData(skinData);
  if (!root || startIndex < 0 || startIndex >= root->Count() || !HasShownItemsFrom(*root, startIndex)) {
    firstOpening_ = false;
    return false;
  }
  isOpen_ = true;
  clickWatch_->Arm(true);
  const std::weak_ptr<bool> alive = alive_;
  OpenLevel(0, rect, *root, popupUp, false, startIndex);
  if (alive.expired()) return false;
  firstOpening_ = false;
  return isOpen_;
}

bool TSkinMenu::PopupAt(TSkinData* skinData, TMenuItem* root, int x, int y) {
  return Popup(nullptr, skinData, false, root, {x, y, x, y});
}

bool TSkinMenu::PopupUnder(TSkinData* skinData, TMenuItem* root, const TRect& rect) {
  return Popup(nullptr, skinData, false, root, rect);
}

void TSkinMenu::OpenLevel(int level, const TRect& rect, TMenuItem& root, bool popupUp, bool subMenu, int startIndex) {
  auto popup = std::unique_ptr<TSkinPopupWindow, DeferredDelete>(new TSkinPopupWindow(*this, level));
  TSkinPopupWindow* opened = popup.get();
  popups_.push_back(std::move(popup));
  opened->Open(rect, root, popupUp, subMenu, startIndex);
}

void TSkinMenu::OpenSubMenu(int parentLevel, const TRect& screenRect, TMenuItem& parent) {
  CloseToLevel(parentLevel + 1);
  if (!isOpen_ || !HasShownItemsFrom(parent, 0)) return;
  OpenLevel(parentLevel + 1, screenRect, parent, false, true, 0);
}

void TSkinMenu::CloseToLevel(int level) {
  level = std::max(level, 0);
  while (PopupCount() > level) popups_.pop_back();
  if (waitingLevel_ >= level) StopSubMenuDelay();
  if (level > 0 || !isOpen_) return;

  isOpen_ = false;
  subMenuDelay_.Stop();
  clickWatch_->Arm(false);
  dispatchControl_ = popupControl_;
  const std::weak_ptr<bool> alive = alive_;
  if (popupControl_) SendControlMessage(popupControl_, WM_SKINMENU_CLOSED);
  if (alive.expired()) return;
  const std::function<void()> closed = std::move(OnMenuClose);
  OnMenuClose = nullptr;
  if (closed) closed();
}

void TSkinMenu::CloseAll() {
  if (!isOpen_ && !Visible()) return;
  const std::weak_ptr<bool> alive = alive_;
  CloseToLevel(0);
  if (alive.expired()) return;
  StopSubMenuDelay();
  if (form_) form_->Perform(WM_SKINMENU_CLOSED);
}

void TSkinMenu::CloseInnermost() {
  const int count = PopupCount();
  if (count == 0) return;
  CloseToLevel(count - 1);
  if (TSkinPopupWindow* innermost = PopupWindow(count - 2)) innermost->ClearSubOpen();
}

bool TSkinMenu::KeyDown(int key) {
  TSkinPopupWindow* innermost = PopupWindow(PopupCount() - 1);
  return innermost && innermost->KeyDown(key);
}

bool TSkinMenu::CharTyped(QChar character) {
  TSkinPopupWindow* innermost = PopupWindow(PopupCount() - 1);
  return innermost && innermost->CharTyped(character);
}

void TSkinMenu::StartSubMenuDelay(int level, int index) {
  waitingLevel_ = level;
  waitingIndex_ = index;
  subMenuDelay_.Start();
}

void TSkinMenu::StopSubMenuDelay() {
  subMenuDelay_.Stop();
  waitingLevel_ = waitingIndex_ = -1;
}

void TSkinMenu::SubMenuDelayTick() {
  TSkinPopupWindow* popup = PopupWindow(waitingLevel_);
  const int index = waitingIndex_;
  StopSubMenuDelay();
  if (popup && index >= 0 && index < popup->Content().Count()) popup->ClickItem(index);
}

void TSkinMenu::ItemCommand(unsigned command) {
  const std::weak_ptr<bool> alive = alive_;
  StopSubMenuDelay();
  CloseAll();
  if (alive.expired()) return;
  // The handler may free the menu along with its window; nothing of it is touched afterwards
  // unless it is still there.
  Application().Guard([command] { TMenuItem::DispatchCommand(command); });
  if (alive.expired() || !dispatchControl_) return;
  QObject* control = dispatchControl_;
  dispatchControl_ = nullptr;
  SendControlMessage(control, WM_SKINMENU_COMMAND);
}

TSkinPopupWindow* TSkinMenu::PopupWindowAt(const QPoint& screenPoint) const {
  for (int level = PopupCount() - 1; level >= 0; --level)
    if (popups_[std::size_t(level)]->ContainsScreenPoint(screenPoint)) return popups_[std::size_t(level)].get();
  return nullptr;
}
