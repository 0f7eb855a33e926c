// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// One level of an open skinned menu: a popup window that never takes the activation, listing
// the visible sub-items of one menu item. The pointer is polled rather than tracked; the
// keyboard arrives through the menu from the skinned window.
//
// Opening:
//   1. on a first opening that fades in, pending messages run first;
//   2. the content is built and the window placed;
//   3. a translucent popup starts at alpha 0 when it fades in, else at the menu's alpha;
//   4. it is shown on top, without taking the activation;
//   5. a fade-in raises the alpha by 10 every 5 ms, the user interface waiting meanwhile;
//   6. the pointer poll starts and the first selectable line is pre-selected, as the keyboard
//      would select it (its sub-menu does not open).
//
// SkinPopupWindow.cpp holds opening, painting and the hover effects; SkinPopupWindowInput.cpp
// the pointer, the keyboard, selection, clicks and scrolling.
#include <QPoint>

#include "platform/PopupToolWindow.h"
#include "platform/WindowTimer.h"
#include "skin/menus/SkinPopupContent.h"

class TMenuItem;
class TSkinMenu;

class TSkinPopupWindow : public TPopupToolWindow {
  Q_OBJECT
 public:
  TSkinPopupWindow(TSkinMenu& menu, int level);
  ~TSkinPopupWindow() override;

  // Builds the list of root's visible sub-items from startIndex on, places it for the screen
  // rectangle and shows it (see the outline above).
  void Open(const TRect& rect, TMenuItem& root, bool popupUp, bool subMenu, int startIndex);

  int Level() const { return level_; }
  const TSkinPopupContent& Content() const { return content_; }
  // Screen position of the window's top-left corner.
  int ScreenX() const { return screenX_; }
  int ScreenY() const { return screenY_; }
  bool Flipped() const { return flipped_; }
  // Whether the screen point lies inside the window's outline.
  bool ContainsScreenPoint(const QPoint& point) const;

  // The selected line (-1 none) and the one before it.
  int SelectedIndex() const { return selected_; }
  int PreviousSelectedIndex() const { return previousSelected_; }

  // A key from the skinned window (virtual key code); false when it was not used. Enter clicks
  // the selected line, Escape closes this popup (the whole menu when it is the only
  // one), Left does the same below level 0, Right opens the selected line's sub-menu, and Up and
  // Down move to the previous or next selectable line, wrapping, scrolling it into view.
  bool KeyDown(int key);
  // A character typed in the skinned window: when it is a line's accelerator (any character
  // marked with "&", letter case aside), that line is selected and clicked; false otherwise.
  bool CharTyped(QChar character);

  // One poll of the pointer, as the pointer poll timer runs it every 50 ms: when the pointer
  // moved, a point over this window is tracked; elsewhere scrolling stops.
  void PollPointer();
  // The pointer at a point of this window (window coordinates): over a marker band it starts
  // scrolling, over a shown line it selects that line as the mouse does.
  void TrackPoint(const QPoint& point);

  // Selection: the line is highlighted; by the mouse a line with a sub-menu starts the sub-menu
  // delay, a leaf closes any deeper popup.
  void SelectItem(int index, bool byMouse);
  void DeselectItem(int index);
  // A click (button release, Enter, Right or accelerator): a leaf runs its command and the menu
  // closes; a line with a sub-menu runs its own command and opens the sub-menu beside it.
  void ClickItem(int index);
  // The line whose sub-menu was open is no longer marked so; it stays highlighted.
  void ClearSubOpen();

  TWindowTimer& PointerPollTimer() { return pointerPoll_; }
  TWindowTimer& ItemEffectTimer() { return itemEffect_; }
  TWindowTimer& ScrollTimer() { return scrollTimer_; }

  // Closes the window for good: its timers stop, it hides, lets go of the menu and is freed once
  // control is back in the event loop (it may be inside its own input handling).
  void Dismiss();
  bool Dismissed() const { return menu_ == nullptr; }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Redraws a line now, or lets the item effect timer do it when the line fades or animates.
  void RedrawItem(int index);
  void PaintItemNow(int index);
  void RepaintAll();
  void ItemEffectTick();

  int FirstSelectable() const;
  // The next selectable line from `from` in `step` direction, wrapping; -1 when there is none.
  int NextSelectable(int from, int step) const;
  void SelectByKeyboard(int index);
  void ScrollIntoView(int index);
  void StartScrolling(TScrollDirection direction);
  void StopScrolling();
  void ScrollTick();

  TSkinMenu* menu_;
  int level_;
  TSkinPopupContent content_;
  int screenX_ = 0;
  int screenY_ = 0;
  bool flipped_ = false;
  int selected_ = -1;
  int previousSelected_ = -1;
  QPoint lastPointer_;
  TWindowTimer pointerPoll_{50};
  TWindowTimer itemEffect_{20};
  TWindowTimer scrollTimer_{100};
};
