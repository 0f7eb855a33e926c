// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Menu items: shortcut texts, separator reduction, and command numbers that outlive nothing.
#include <QAction>
#include <gtest/gtest.h>

#include "platform/Menus.h"

TEST(ShortCut, TextInTheDesktopStyleBothWays) {
  EXPECT_EQ(ShortCutToText(ShortCut(0x73, scAlt)), QStringLiteral("Alt+F4"));
  EXPECT_EQ(ShortCutToText(ShortCut('S', scShift | scCtrl)), QStringLiteral("Shift+Ctrl+S"));
  EXPECT_EQ(ShortCutToText(ShortCut(0x2E)), QStringLiteral("Del"));
  EXPECT_EQ(ShortCutToText(ShortCut(0x87, scCtrl)), QStringLiteral("Ctrl+F24"));
  EXPECT_EQ(ShortCutToText(scNone), QString());
  EXPECT_EQ(ShortCutToText(ShortCut(0x07, scAlt)), QString());  // a key without a name

  EXPECT_EQ(TextToShortCut(QStringLiteral("Alt+F4")), ShortCut(0x73, scAlt));
  EXPECT_EQ(TextToShortCut(QStringLiteral("ctrl+shift+a")), ShortCut('A', scShift | scCtrl));
  EXPECT_EQ(TextToShortCut(QStringLiteral("PgDn")), ShortCut(0x22));
  EXPECT_EQ(TextToShortCut(QStringLiteral("Alt+")), scNone);
  EXPECT_EQ(TextToShortCut(QStringLiteral("Ctrl+Nothing")), scNone);
}

TEST(MenuItem, LineReductionLeavesOutRedundantSeparatorsAndCanUndoIt) {
  TMenu menu;
  TMenuItem& root = menu.Items();
  for (const char* caption : {"-", "A", "-", "-", "B", "-"}) root.Add(QString::fromLatin1(caption));
  root.RethinkLines();
  std::vector<bool> showing;
  for (int i = 0; i < root.Count(); ++i) showing.push_back(root.Items(i)->Showing());
  EXPECT_EQ(showing, (std::vector<bool>{false, true, true, false, true, false}));
  EXPECT_TRUE(root.Items(0)->Visible);  // the item's own flag is left alone

  // Hiding B makes the separator after A trail, so it goes too; showing B again brings it back.
  root.Items(4)->Visible = false;
  root.RethinkLines();
  EXPECT_FALSE(root.Items(2)->Showing());
  root.Items(4)->Visible = true;
  root.RethinkLines();
  EXPECT_TRUE(root.Items(2)->Showing());
  EXPECT_EQ(root.Items(3)->GetParentMenu(), &menu);
}

TEST(MenuItem, CommandsReachOnlyLiveEnabledItems) {
  TMenu menu;
  int clicks = 0;
  TMenuItem* item = menu.Items().Add(QStringLiteral("&Close"), QStringLiteral("SF_CLOSE"));
  item->OnClick = [&](TMenuItem* sender) {
    EXPECT_EQ(sender, item);
    ++clicks;
  };
  const unsigned command = item->Command();
  EXPECT_NE(command, menu.Items().Command());
  EXPECT_TRUE(TMenuItem::DispatchCommand(command));
  EXPECT_EQ(clicks, 1);
  item->Enabled = false;
  EXPECT_TRUE(TMenuItem::DispatchCommand(command));
  EXPECT_EQ(clicks, 1);  // a disabled item does nothing
  menu.Items().Delete(0);
  EXPECT_EQ(TMenuItem::FindByCommand(command), nullptr);
  EXPECT_FALSE(TMenuItem::DispatchCommand(command));
}

TEST(MenuItem, FollowsItsActionAndTriggersItWithoutAClickHandler) {
  QAction action(QStringLiteral("&Save"));
  action.setCheckable(true);
  action.setChecked(true);
  int triggered = 0;
  QObject::connect(&action, &QAction::triggered, [&] { ++triggered; });
  TMenuItem item;
  item.SetAction(&action);
  EXPECT_EQ(item.Caption, QStringLiteral("&Save"));
  EXPECT_TRUE(item.Checked);
  action.setEnabled(false);
  item.InitiateAction();
  EXPECT_FALSE(item.Enabled);
  action.setEnabled(true);
  item.InitiateAction();
  item.Click();
  EXPECT_EQ(triggered, 1);
}
