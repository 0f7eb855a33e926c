// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The skinned system menu on the console's window: opened by a right click on the caption (and
// by the system-menu button when that works), its items for the window's state, its keys through
// the application's message hook, the ways it closes, and Alt+F4 through its shortcut.
#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "platform/Application.h"
#include "platform/Menus.h"
#include "skin/menus/SkinPopupWindow.h"
#include "support/QtPrinters.h"
#include "SkinnedWindowFixture.h"

namespace {

class SystemMenu : public SkinnedWindowTest {
 protected:
  void SetUp() override {
    SkinnedWindowTest::SetUp();
    ShowActive();
  }

  void RightClickCaption() {
    Press(150, 25, Qt::RightButton);
    Release(150, 25, Qt::RightButton);
  }

  QStringList Shown() {
    QStringList captions;
    if (TSkinPopupWindow* popup = engine.SkinMenu().PopupWindow(0))
      for (int i = 0; i < popup->Content().Count(); ++i) captions << popup->Content().Item(i).Caption();
    return captions;
  }

  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(form.Window(), key, modifiers);
  }

  TSkinMenu& menu() { return engine.SkinMenu(); }
};

QStringList Captions(const TMenuItem& root) {
  QStringList captions;
  for (int i = 0; i < root.Count(); ++i) captions << root.Items(i)->Caption;
  return captions;
}

}  // namespace

TEST_F(SystemMenu, ARightClickOnTheCaptionOpensItAtThePointerAndEscClosesIt) {
  int opened = 0, closed = 0;
  engine.OnSkinMenuOpen = [&](TSkinForm*) { ++opened; };
  engine.OnSkinMenuClose = [&](TSkinForm*) { ++closed; };
  EXPECT_FALSE(Application().OnMessage());
  RightClickCaption();
  ASSERT_TRUE(menu().Visible());
  EXPECT_EQ(Shown(), (QStringList{"Ro&llUp", "-", "&Close"}));
  EXPECT_EQ(menu().PopupWindow(0)->pos(), Global(150, 25));
  EXPECT_TRUE(engine.SkinMenuOpen());
  EXPECT_TRUE(Application().OnMessage());  // the menu has the keys
  EXPECT_EQ(opened, 1);
  // The close item shows its shortcut and draws the cross of its name.
  const TMenuItem* close = engine.DefaultSystemMenu().Items().Items(2);
  EXPECT_EQ(close->Name, QStringLiteral("SF_CLOSE"));
  EXPECT_EQ(close->ShortCutText(), QStringLiteral("Alt+F4"));

  Key(Qt::Key_Escape);
  EXPECT_FALSE(menu().Visible());
  EXPECT_FALSE(engine.SkinMenuOpen());
  EXPECT_FALSE(Application().OnMessage());  // and gives them back
  EXPECT_EQ(closed, 1);
  EXPECT_TRUE(form.Visible());
}

// Whatever moves the window or takes its activation closes the menu: a move by the program (or
// by the window manager's keyboard move), another window activated.
TEST_F(SystemMenu, AMoveOrTheLossOfActivationClosesIt) {
  RightClickCaption();
  ASSERT_TRUE(engine.SkinMenuOpen());
  form.SetBounds(form.Left() + 40, form.Top() + 30, form.Width(), form.Height());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !engine.SkinMenuOpen(); }, 5000));
  EXPECT_FALSE(menu().Visible());

  RightClickCaption();
  ASSERT_TRUE(engine.SkinMenuOpen());
  QWidget other;
  other.show();
  other.activateWindow();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !engine.SkinMenuOpen(); }, 5000));
  EXPECT_FALSE(menu().Visible());
}

TEST_F(SystemMenu, RolledUpItOffersRestoreWhichUnrolls) {
  RightClickCaption();
  Key(Qt::Key_L);  // Ro&llUp
  EXPECT_TRUE(engine.RollUpState());
  EXPECT_FALSE(menu().Visible());
  EXPECT_FALSE(Application().OnMessage());

  RightClickCaption();
  EXPECT_EQ(Shown(), (QStringList{"&Restore", "-", "&Close"}));
  // Chosen with the pointer: the release over the first line.
  TSkinPopupWindow* popup = menu().PopupWindow(0);
  const QPoint line = popup->Content().Item(0).Rect.ToQRect().center();
  QCursor::setPos(popup->mapToGlobal(line));
  popup->PointerPollTimer().Tick();
  QMouseEvent release(QEvent::MouseButtonRelease, line, popup->mapToGlobal(line), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(popup, &release);
  EXPECT_FALSE(engine.RollUpState());
  EXPECT_EQ(form.Height(), 392);
  EXPECT_FALSE(engine.SkinMenuOpen());
}

TEST_F(SystemMenu, APressOnTheFrameClosesItAndARightClickOffTheCaptionOpensNothing) {
  RightClickCaption();
  ASSERT_TRUE(menu().Visible());
  Press(5, 200);  // the left border
  Release(5, 200);
  EXPECT_FALSE(menu().Visible());
  EXPECT_FALSE(engine.SkinMenuOpen());
  EXPECT_FALSE(Application().OnMessage());

  for (const QPoint at : {QPoint(5, 200), QPoint(540, 24), QPoint(300, 388), QPoint(14, 24)}) {
    MoveTo(at.x(), at.y());
    Poll();
    Press(at.x(), at.y(), Qt::RightButton);
    Release(at.x(), at.y(), Qt::RightButton);
    EXPECT_FALSE(menu().Visible()) << at.x() << "," << at.y();
  }
  EXPECT_TRUE(form.Visible());

  // A second right click on the caption while it is open opens it afresh.
  RightClickCaption();
  RightClickCaption();
  EXPECT_TRUE(menu().Visible());
  EXPECT_EQ(menu().PopupCount(), 1);
  // F10 (the menu key) closes it too.
  Key(Qt::Key_F10);
  EXPECT_FALSE(menu().Visible());
  EXPECT_FALSE(engine.SkinMenuOpen());
}

TEST_F(SystemMenu, AltF4ClosesThroughTheMenusShortcutOpenOrNot) {
  Key(Qt::Key_F4, Qt::AltModifier);
  EXPECT_FALSE(form.Visible());
  form.Show();
  RightClickCaption();
  Key(Qt::Key_F4, Qt::AltModifier);
  EXPECT_FALSE(form.Visible());
  EXPECT_FALSE(menu().Visible());
  EXPECT_FALSE(Application().OnMessage());
}

TEST_F(SystemMenu, AltSpaceOpensItUnderAWorkingSystemMenuButtonOnly) {
  Key(Qt::Key_Space, Qt::AltModifier);
  EXPECT_FALSE(menu().Visible());  // the button is off in [biRollUp]

  engine.SetBorderIcons(biRollUp | biSystemMenu);
  Key(Qt::Key_Space, Qt::AltModifier);
  ASSERT_TRUE(menu().Visible());
  EXPECT_EQ(menu().PopupWindow(0)->pos(), Global(5, 33));  // under the button
  Key(Qt::Key_Escape);
  EXPECT_FALSE(engine.SkinMenuOpen());
}

TEST_F(SystemMenu, AWorkingSystemMenuButtonOpensItOnThePressAndStaysDownUntilItCloses) {
  engine.SetBorderIcons(biRollUp | biSystemMenu);
  TSkinButtonObject& button = Button(QStringLiteral("sysmenubutton"));
  Click(14, 24);
  ASSERT_TRUE(menu().Visible());
  EXPECT_EQ(menu().PopupWindow(0)->pos(), Global(5, 33));
  EXPECT_TRUE(button.Down);
  EXPECT_FALSE(form.HasCapture());
  Key(Qt::Key_Escape);
  EXPECT_FALSE(button.Down);
  // Its double click closes the window.
  DoubleClick(14, 24);
  EXPECT_FALSE(form.Visible());
  EXPECT_FALSE(menu().Visible());
}

TEST(SystemMenuItems, FollowTheStateAndMergeIntoTheProgramsOwnMenu) {
  TForm form;
  form.SetBorderStyle(TFormBorderStyle::bsSizeable);
  TSkinForm engine(&form);
  engine.SetBorderIcons(biSystemMenu | biMinimize | biMaximize | biRollUp | biMinimizeToTray);
  EXPECT_EQ(Captions(*engine.GetSystemMenuItems()),
            (QStringList{"Mi&nimize", "Ma&ximize", "Ro&llUp", "Minimize to &Tray", "-", "&Close"}));
  engine.SetWindowState(TSkinWindowState::Maximized);
  EXPECT_EQ(Captions(*engine.GetSystemMenuItems()),
            (QStringList{"Mi&nimize", "&Restore", "Ro&llUp", "Minimize to &Tray", "-", "&Close"}));
  engine.SetBorderIcons(0);
  EXPECT_EQ(Captions(*engine.GetSystemMenuItems()), (QStringList{"&Restore", "-", "&Close"}));
  engine.SetWindowState(TSkinWindowState::Normal);
  EXPECT_EQ(Captions(*engine.GetSystemMenuItems()), (QStringList{"&Close"}));

  // The program's own menu: the standard items it holds are replaced, the new ones go on top in
  // the order minimise, restore, maximise, roll-up, tray, and close goes last without a line.
  TPopupMenu own;
  own.Items().Add(QStringLiteral("&Help"));
  own.Items().Add(QStringLiteral("Old close"), QStringLiteral("SF_CLOSE"));
  own.Items().Add(QStringLiteral("&About"));
  engine.SetSystemMenu(&own);
  engine.SetBorderIcons(biMinimize | biMaximize | biRollUp);
  engine.SetRollUp(true);
  EXPECT_EQ(Captions(*engine.GetSystemMenuItems()),
            (QStringList{"Mi&nimize", "&Restore", "Ma&ximize", "&Help", "&About", "&Close"}));
  EXPECT_EQ(engine.GetSystemMenuItems(), &own.Items());
  EXPECT_EQ(own.Items().Count(), 6);  // asked again: still one of each
  engine.UseDefaultSysMenu = false;
  own.Items().Delete(0);
  EXPECT_EQ(Captions(*engine.GetSystemMenuItems()),
            (QStringList{"&Restore", "Ma&ximize", "&Help", "&About", "&Close"}));
}
