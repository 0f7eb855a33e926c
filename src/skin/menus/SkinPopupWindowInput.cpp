// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The popup's reactions to the pointer (polled), the keyboard (passed on by the menu), its
// clicks and its scrolling.
#include <QMouseEvent>
#include <QPointer>

#include "platform/Application.h"
#include "platform/GlobalCoordinates.h"
#include "platform/Messages.h"
#include "skin/controls/SkinButtonFace.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupWindow.h"

void TSkinPopupWindow::PollPointer() {
  if (Dismissed()) return;
  const QPoint pointer = GetCursorPoint();
  if (pointer == lastPointer_) return;
  lastPointer_ = pointer;
  if (menu_->PopupWindowAt(pointer) == this) TrackPoint(pointer - QPoint(screenX_, screenY_));
  else StopScrolling();
}

// 1. marker bands start or stop scrolling, 2. the shown line under the point, 3. its selection.
void TSkinPopupWindow::TrackPoint(const QPoint& point) {
  if (Dismissed()) return;
  const TPoint p{point.x(), point.y()};
  if (content_.Scrolling()) {
    if (content_.TopMarkerBand().Contains(p)) {
      if (content_.CanScrollUp()) StartScrolling(sdUp);
    } else if (content_.BottomMarkerBand().Contains(p)) {
      if (content_.CanScrollDown()) StartScrolling(sdDown);
    } else {
      StopScrolling();
    }
  }
  const int index = content_.ItemAt(point);
  if (index < 0) return;
  TSkinMenuItem& item = content_.Item(index);
  if (index == selected_) {
    // The pointer takes over the line the opening selected; now its sub-menu may open.
    if (item.PreSelected) {
      item.PreSelected = false;
      if (item.HasChildren()) SelectItem(index, true);
    }
    return;
  }
  const int old = selected_;
  previousSelected_ = old;
  selected_ = index;
  if (old >= 0 && content_.Item(old).Selectable()) DeselectItem(old);
  if (!Dismissed() && item.Selectable()) SelectItem(index, true);
}

void TSkinPopupWindow::SelectItem(int index, bool byMouse) {
  if (Dismissed()) return;
  TSkinMenuItem& item = content_.Item(index);
  item.Highlighted = true;
  if (content_.Look().AnimationOn()) item.AnimateFrame = 0;
  for (int i = 0; i < content_.Count(); ++i) {
    if (i == index || !content_.Item(i).SubOpen) continue;
    content_.Item(i).SubOpen = false;
    RedrawItem(i);
  }
  if (item.PreSelected && byMouse) {
    RedrawItem(index);
  } else if (item.SubOpen) {
    menu_->CloseToLevel(level_ + 2);
  } else {
    RedrawItem(index);
    if (!item.HasChildren()) {
      menu_->CloseToLevel(level_ + 1);
    } else if (byMouse) {
      menu_->CloseToLevel(level_ + 1);
      menu_->StartSubMenuDelay(level_, index);
    }
  }
}

void TSkinPopupWindow::DeselectItem(int index) {
  if (Dismissed()) return;
  TSkinMenuItem& item = content_.Item(index);
  item.Highlighted = false;
  if (content_.Look().AnimationOn()) item.AnimateFrame = content_.Look().Item->FrameCount + 1;
  item.PreSelected = false;
  if (!item.SubOpen) RedrawItem(index);
  if (menu_->IsWaiting(level_, index)) menu_->StopSubMenuDelay();
}

void TSkinPopupWindow::ClearSubOpen() {
  for (int i = 0; i < content_.Count(); ++i) {
    if (!content_.Item(i).SubOpen) continue;
    content_.Item(i).SubOpen = false;
    RedrawItem(i);
  }
}

void TSkinPopupWindow::ClickItem(int index) {
  if (Dismissed() || index < 0 || index >= content_.Count()) return;
  TSkinMenuItem& item = content_.Item(index);
  item.PreSelected = false;
  if (item.SubOpen || !item.Enabled()) return;
  const unsigned command = item.Command();
  if (!item.HasChildren()) {
    menu_->ItemCommand(command);
    return;
  }
  // A line with a sub-menu runs its own command first; its handler may change anything.
  const QPointer<TSkinPopupWindow> self(this);
  if (TMenuItem* parent = item.MenuItem()) Application().Guard([parent] { parent->Click(); });
  TMenuItem* parent = TMenuItem::FindByCommand(command);
  if (!self || Dismissed() || !parent) return;
  menu_->StopSubMenuDelay();
  item.SubOpen = true;
  RedrawItem(index);
  TRect onScreen = item.Rect;
  onScreen.Left += screenX_;
  onScreen.Right += screenX_;
  onScreen.Top += screenY_;
  onScreen.Bottom += screenY_;
  menu_->OpenSubMenu(level_, onScreen, *parent);
}

void TSkinPopupWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  ClickItem(content_.ItemAt(event->position().toPoint()));
}

int TSkinPopupWindow::FirstSelectable() const { return NextSelectable(-1, 1); }

int TSkinPopupWindow::NextSelectable(int from, int step) const {
  const int count = content_.Count();
  if (count == 0) return -1;
  int index = from < 0 && step < 0 ? count : from;
  for (int tried = 0; tried < count; ++tried) {
    index = ((index + step) % count + count) % count;
    if (content_.Item(index).Selectable()) return index;
  }
  return -1;
}

void TSkinPopupWindow::SelectByKeyboard(int index) {
  if (index == selected_) return;
  const int old = selected_;
  previousSelected_ = old;
  selected_ = index;
  if (old >= 0 && content_.Item(old).Selectable()) DeselectItem(old);
  if (Dismissed()) return;
  ScrollIntoView(index);
  SelectItem(index, false);
}

bool TSkinPopupWindow::CharTyped(QChar character) {
  if (Dismissed() || !isVisible()) return false;
  for (int i = 0; i < content_.Count(); ++i) {
    if (!content_.Item(i).Selectable() || !IsAccelerator(character, content_.Item(i).Caption())) continue;
    SelectByKeyboard(i);
    ClickItem(i);
    return true;
  }
  return false;
}

bool TSkinPopupWindow::KeyDown(int key) {
  if (Dismissed() || !isVisible()) return false;
  switch (key) {
    case VK_RETURN:
      ClickItem(selected_);
      return true;
    case VK_ESCAPE:
      menu_->CloseInnermost();
      return true;
    case VK_LEFT:
      if (menu_->PopupCount() < 2) return false;
      menu_->CloseInnermost();
      return true;
    case VK_RIGHT:
      if (selected_ < 0 || !content_.Item(selected_).HasChildren()) return false;
      ClickItem(selected_);
      return true;
    case VK_UP:
    case VK_DOWN:
      if (const int next = NextSelectable(selected_, key == VK_UP ? -1 : 1); next >= 0) SelectByKeyboard(next);
      return true;
    default:
      return false;
  }
}

void TSkinPopupWindow::ScrollIntoView(int index) {
  if (!content_.Scrolling() || content_.Item(index).Shown) return;
  if (index < content_.FirstVisibleIndex()) {
    content_.SetFirstVisibleIndex(index);
  } else {
    // Lines differ in height: move on one line at a time until this one is in view.
    while (!content_.Item(index).Shown && content_.FirstVisibleIndex() < index)
      content_.SetFirstVisibleIndex(content_.FirstVisibleIndex() + 1);
  }
  RepaintAll();
}

void TSkinPopupWindow::StartScrolling(TScrollDirection direction) {
  // A pointer that keeps moving inside the band must not keep putting the next step off.
  if (content_.ScrollDirection == direction && scrollTimer_.Active()) return;
  content_.ScrollDirection = direction;
  menu_->CloseToLevel(level_ + 1);
  RepaintAll();
  scrollTimer_.Start();
}

void TSkinPopupWindow::StopScrolling() {
  scrollTimer_.Stop();
  if (content_.ScrollDirection == sdNone) return;
  content_.ScrollDirection = sdNone;
  RepaintAll();
}

void TSkinPopupWindow::ScrollTick() {
  if (Dismissed()) return;
  if (content_.ScrollDirection == sdUp && content_.CanScrollUp()) {
    content_.SetFirstVisibleIndex(content_.FirstVisibleIndex() - 1);
  } else if (content_.ScrollDirection == sdDown && content_.CanScrollDown()) {
    content_.SetFirstVisibleIndex(content_.FirstVisibleIndex() + 1);
  } else {
    StopScrolling();
    return;
  }
  RepaintAll();
}
