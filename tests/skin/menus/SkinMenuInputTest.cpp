// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Working an open menu: keys as the skinned window passes them on, clicks on lines and
// elsewhere, commands after the menu has closed, and the close and command messages.
#include <QWidget>

#include "SkinMenuFixture.h"
#include "skin/menus/SkinMenuHost.h"
#include "skin/menus/SkinPopupMenu.h"

TEST_F(SkinMenuFixture, EscapeWithASubMenuOpenClosesOnlyTheSubMenu) {
  AddItems(items.Items(), {"Leaf", "More>"});
  Open(100, 100);
  EXPECT_FALSE(menu.KeyDown(VK_LEFT));  // nothing to go back to at level 0
  menu.KeyDown(VK_DOWN);
  ASSERT_TRUE(menu.KeyDown(VK_RIGHT));
  ASSERT_EQ(menu.PopupCount(), 2);
  EXPECT_TRUE(Line(0, 1).SubOpen);

  menu.KeyDown(VK_ESCAPE);
  EXPECT_EQ(menu.PopupCount(), 1);
  EXPECT_TRUE(menu.IsOpen());
  EXPECT_FALSE(Line(0, 1).SubOpen);
  EXPECT_TRUE(Line(0, 1).Highlighted);
  EXPECT_EQ(menuCloses, 0);

  // Left closes a sub-menu the same way; Escape on the last popup ends the menu, once.
  menu.KeyDown(VK_RIGHT);
  ASSERT_EQ(menu.PopupCount(), 2);
  menu.KeyDown(VK_LEFT);
  EXPECT_EQ(menu.PopupCount(), 1);
  menu.KeyDown(VK_ESCAPE);
  EXPECT_FALSE(menu.Visible());
  EXPECT_FALSE(menu.IsOpen());
  EXPECT_EQ(menuCloses, 1);
  EXPECT_FALSE(menu.KeyDown(VK_ESCAPE));
  EXPECT_EQ(menuCloses, 1);
}

TEST_F(SkinMenuFixture, UpAndDownSkipWhatCannotBeSelectedWrapAndScroll) {
  for (int i = 0; i < 80; ++i) items.Items().Add(QStringLiteral("Line %1").arg(i));
  items.Items().Items(1)->Enabled = false;
  items.Items().Insert(3, std::make_unique<TMenuItem>(QStringLiteral("-")));
  Open(100, 100);
  TSkinPopupWindow& popup = Popup(0);
  const int last = popup.Content().Count() - 1;
  const int inView = popup.Content().VisibleItemCount();
  menu.KeyDown(VK_DOWN);
  EXPECT_EQ(popup.SelectedIndex(), 2);  // past the disabled line
  menu.KeyDown(VK_DOWN);
  EXPECT_EQ(popup.SelectedIndex(), 4);  // past the separator
  EXPECT_FALSE(Line(0, 2).Highlighted);

  // Up from the first line wraps to the last, scrolling the list to its end.
  menu.KeyDown(VK_UP);
  menu.KeyDown(VK_UP);
  EXPECT_EQ(popup.SelectedIndex(), 0);
  menu.KeyDown(VK_UP);
  EXPECT_EQ(popup.SelectedIndex(), last);
  EXPECT_TRUE(Line(0, last).Shown);
  EXPECT_EQ(popup.Content().FirstVisibleIndex() + popup.Content().VisibleItemCount() - 1, last);
  // Down from the last wraps back to the top.
  menu.KeyDown(VK_DOWN);
  EXPECT_EQ(popup.SelectedIndex(), 0);
  EXPECT_EQ(popup.Content().FirstVisibleIndex(), 0);
  // Leaving the lines in view at the bottom scrolls by one.
  while (popup.SelectedIndex() < inView - 1) menu.KeyDown(VK_DOWN);
  EXPECT_EQ(popup.Content().FirstVisibleIndex(), 0);
  menu.KeyDown(VK_DOWN);
  EXPECT_EQ(popup.Content().FirstVisibleIndex(), 1);
}

TEST_F(SkinMenuFixture, AnAcceleratorClicksItsLineAndTheCommandRunsOnTheClosedMenu) {
  AddItems(items.Items(), {"&Open", "Ro&llUp", "&Close", "Zoom &+"});
  int commands = 0;
  items.Items().Items(2)->OnClick = [&](TMenuItem*) {
    ++commands;
    EXPECT_FALSE(menu.IsOpen());
    EXPECT_FALSE(menu.Visible());
    EXPECT_EQ(menuCloses, 1);
    EXPECT_EQ(formCloseMessages, 1);
  };
  int zooms = 0;
  items.Items().Items(3)->OnClick = [&](TMenuItem*) { ++zooms; };
  Open(100, 100);
  EXPECT_FALSE(menu.CharTyped(u'x'));
  EXPECT_FALSE(menu.KeyDown('C'));  // the key alone is no accelerator: its character is
  EXPECT_TRUE(menu.CharTyped(u'c'));
  EXPECT_EQ(commands, 1);
  EXPECT_FALSE(menu.Visible());
  EXPECT_EQ(menuCloses, 1);
  // Any marked character is an accelerator, not only letters and digits.
  Open(100, 100);
  EXPECT_TRUE(menu.CharTyped(u'+'));
  EXPECT_EQ(zooms, 1);
}

TEST_F(SkinMenuFixture, AReleasedClickOnALineRunsItsCommandAndTellsTheControl) {
  AddItems(items.Items(), {"First", "-", "Second"});
  MessageLog control;
  std::vector<unsigned> seenByCommand;
  items.Items().Items(2)->OnClick = [&](TMenuItem*) { seenByCommand = control.messages; };
  Open(100, 100, &control);
  TSkinPopupWindow& popup = Popup(0);
  const TRect r = Line(0, 2).Rect;
  QTest::mouseClick(&popup, Qt::LeftButton, {}, QPoint(r.Left + 10, r.Top + 5));
  EXPECT_EQ(seenByCommand, (std::vector<unsigned>{WM_SKINMENU_CLOSED}));
  EXPECT_EQ(control.messages, (std::vector<unsigned>{WM_SKINMENU_CLOSED, WM_SKINMENU_COMMAND}));
  EXPECT_FALSE(menu.Visible());
  EXPECT_EQ(formCloseMessages, 1);
}

TEST_F(SkinMenuFixture, AClickElsewhereClosesTheMenuOnce) {
  AddItems(items.Items(), {"One", "Two"});
  QWidget elsewhere;
  elsewhere.setGeometry(500, 500, 80, 40);
  elsewhere.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&elsewhere));
  Open(100, 100);
  // A press on the popup itself keeps it.
  QTest::mousePress(&Popup(0), Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_TRUE(menu.Visible());
  QTest::mouseClick(&elsewhere, Qt::LeftButton);
  EXPECT_FALSE(menu.Visible());
  EXPECT_EQ(menuCloses, 1);
  EXPECT_EQ(formCloseMessages, 1);
  QTest::mouseClick(&elsewhere, Qt::LeftButton);
  EXPECT_EQ(menuCloses, 1);
  EXPECT_EQ(formCloseMessages, 1);
}

TEST(SkinMenu, ACommandMayFreeTheMenuThatRanIt) {
  TPopupMenu items;
  auto menu = std::make_unique<TSkinMenu>(nullptr);
  items.Items().Add(QStringLiteral("&Quit"))->OnClick = [&](TMenuItem*) { menu.reset(); };
  ASSERT_TRUE(menu->PopupAt(nullptr, &items.Items(), 50, 50));
  EXPECT_TRUE(menu->KeyDown(VK_RETURN));
  EXPECT_EQ(menu, nullptr);
  // The closed popup goes when the event loop deletes what was left for it: safely.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

namespace {
class Host : public TSkinMenuHost {
 public:
  explicit Host(TForm* form) : menu(form) {}
  TSkinMenu& HostMenu() override { return menu; }
  TSkinData* MenusSkin() const override { return nullptr; }
  TSkinMenu menu;
};
}  // namespace

TEST(SkinPopupMenu, ShowsThroughTheSkinnedWindowOfItsFormOnly) {
  TForm form;
  TSkinPopupMenu popup(&form);
  AddItems(popup.Items(), {"Cut", "Copy"});
  int popups = 0, closes = 0;
  popup.OnPopup = [&](TPopupMenu* sender) {
    EXPECT_EQ(sender, &popup);
    ++popups;
  };
  popup.OnMenuClose = [&] { ++closes; };
  popup.Popup(40, 40);  // no skinned window: nothing shows
  EXPECT_EQ(popups, 1);

  Host host(&form);
  RegisterSkinMenuHost(&form, &host);
  popup.Popup(40, 40);
  EXPECT_EQ(popups, 2);
  ASSERT_TRUE(host.menu.Visible());
  EXPECT_EQ(host.menu.PopupWindow(0)->pos(), QPoint(40, 40));
  host.menu.CloseAll();
  EXPECT_EQ(closes, 1);
  RegisterSkinMenuHost(&form, nullptr);
  EXPECT_EQ(SkinMenuHostOf(&form), nullptr);
}
