// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/menus/SkinPopupWindow.h"

#include <QCoreApplication>
#include <algorithm>

#include "platform/Form.h"
#include "platform/GlobalCoordinates.h"
#include "skin/controls/SkinWindowOS.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinMenuPlacement.h"

// Shown as popups of the window whose menu they are.
TSkinPopupWindow::TSkinPopupWindow(TSkinMenu& menu, int level)
    : TPopupToolWindow(menu.Form() ? menu.Form()->Window() : nullptr), menu_(&menu), level_(level) {
  pointerPoll_.OnTimer = [this] { PollPointer(); };
  itemEffect_.OnTimer = [this] { ItemEffectTick(); };
  scrollTimer_.OnTimer = [this] { ScrollTick(); };
}

TSkinPopupWindow::~TSkinPopupWindow() = default;

void TSkinPopupWindow::Open(const TRect& rect, TMenuItem& root, bool popupUp, bool subMenu, int startIndex) {
  TSkinMenu& menu = *menu_;
  const bool layered = menu.AlphaBlend;
  const bool fadeIn = layered && menu.AlphaBlendAnimation && menu.FirstOpening();
  // 1. Input stays queued: the menu is half open.
  if (fadeIn) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  if (Dismissed()) return;
  // 2.
  content_.Build(SkinMenuLookOf(menu.SkinData(), menu.Settings()), menu.Settings(), root, startIndex,
                 menu.WorkArea());
  const TMenuPlacement placed =
      PlacePopup({rect, menu.WorkArea(), content_.Width(), content_.Height(), content_.ResizedItemsRect().Top,
                  popupUp, subMenu, content_.Scrolling(), content_.LimitScrolling()});
  screenX_ = placed.X;
  screenY_ = placed.Y;
  flipped_ = placed.Flipped;
  SetSize(content_.Width(), content_.Height());
  SetRegion(content_.Region());
  content_.Paint(Surface());
  // 3.
  const int alpha = std::clamp(menu.AlphaBlendValue, 0, 255);
  if (layered) SetWindowAlphaLevel(this, fadeIn ? 0 : alpha);
  // 4.
  ShowAt(screenX_, screenY_);
  // 5.
  if (fadeIn) FadeWindowIn(this, alpha);
  // 6.
  lastPointer_ = GetCursorPoint();
  pointerPoll_.Start();
  selected_ = -1;
  if (const int first = FirstSelectable(); first >= 0) {
    content_.Item(first).PreSelected = true;
    selected_ = first;
    SelectItem(first, false);
  }
}

bool TSkinPopupWindow::ContainsScreenPoint(const QPoint& point) const {
  const QPoint local = point - QPoint(screenX_, screenY_);
  if (local.x() < 0 || local.y() < 0 || local.x() >= content_.Width() || local.y() >= content_.Height()) return false;
  return !content_.Region() || content_.Region()->contains(local);
}

void TSkinPopupWindow::Dismiss() {
  if (Dismissed()) return;
  pointerPoll_.Stop();
  itemEffect_.Stop();
  scrollTimer_.Stop();
  menu_ = nullptr;
  hide();
  deleteLater();
}

void TSkinPopupWindow::PaintItemNow(int index) {
  content_.PaintItem(Surface(), index);
  SurfaceChanged(content_.Item(index).Rect);
}

void TSkinPopupWindow::RepaintAll() {
  content_.Paint(Surface());
  SurfaceChanged();
}

void TSkinPopupWindow::RedrawItem(int index) {
  const TSkinMenuLook& look = content_.Look();
  if (look.AnimationOn()) {
    itemEffect_.SetInterval(std::max(look.Item->AnimateInterval, 1));
  } else if (look.MorphingOn()) {
    itemEffect_.SetInterval(20);
  } else {
    PaintItemNow(index);
    return;
  }
  if (!itemEffect_.Active()) itemEffect_.Start();
}

void TSkinPopupWindow::ItemEffectTick() {
  bool changed = false;
  for (int i = 0; i < content_.Count(); ++i) {
    if (!content_.Item(i).StepEffects(content_.Look())) continue;
    changed = true;
    PaintItemNow(i);
  }
  if (!changed) itemEffect_.Stop();
}
