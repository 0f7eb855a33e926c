// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A shown form that owns a skinned menu, with the menu's close and command messages counted, and
// helpers that put the pointer over a popup line and let the popup's poll see it.
#include <QCursor>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

#include "MenuFixtures.h"
#include "platform/ControlMessage.h"
#include "platform/Form.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupWindow.h"

// A control the menu is opened for: it records the messages it gets.
class MessageLog : public QObject {
 public:
  std::vector<unsigned> messages;

 protected:
  bool event(QEvent* e) override {
    if (e->type() != TMessageEvent::Type()) return QObject::event(e);
    messages.push_back(static_cast<TMessageEvent*>(e)->Message.Msg);
    return true;
  }
};

class SkinMenuFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    form.SetClientSize(300, 200);
    form.SetLeft(400);
    form.SetTop(300);
    const TWndMethod saved = form.WindowProc;
    form.WindowProc = [this, saved](TMessage& m) {
      if (m.Msg == WM_SKINMENU_CLOSED) ++formCloseMessages;
      saved(m);
    };
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Window()));
    QCursor::setPos(790, 590);
  }

  // Opens the menu of `items` at the screen point and counts its closes.
  void Open(int x, int y, QObject* control = nullptr) {
    menu.OnMenuClose = [this] { ++menuCloses; };
    ASSERT_TRUE(menu.Popup(control, nullptr, false, &items.Items(), {x, y, x, y}));
  }

  TSkinPopupWindow& Popup(int level) {
    TSkinPopupWindow* popup = menu.PopupWindow(level);
    EXPECT_NE(popup, nullptr);
    return *popup;
  }
  const TSkinMenuItem& Line(int level, int index) { return Popup(level).Content().Item(index); }

  // The screen point in the middle of a line.
  QPoint Over(int level, int index) {
    TSkinPopupWindow& popup = Popup(level);
    const TRect& r = popup.Content().Item(index).Rect;
    return {popup.ScreenX() + r.Left + r.Width() / 2, popup.ScreenY() + r.Top + r.Height() / 2};
  }
  // Moves the pointer and runs the popup's poll once, now.
  void PointAt(int level, const QPoint& screen) {
    QCursor::setPos(screen);
    Popup(level).PointerPollTimer().Tick();
  }

  TForm form;
  TSkinMenu menu{&form};
  TPopupMenu items;
  int formCloseMessages = 0;
  int menuCloses = 0;
};
