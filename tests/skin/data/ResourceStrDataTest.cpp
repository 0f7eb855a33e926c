// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>
#include <QSet>

#include "support/QtPrinters.h"

#include "skin/data/ResourceStrData.h"

TEST(ResourceStrData, DefaultsHoldTheWindowTextsFirst) {
  const TResourceStrData strings;
  // Each default is one NAME=text line, every name once (names match without case).
  QSet<QString> names;
  for (const QString& line : strings.ResStrings()) {
    ASSERT_TRUE(line.contains(u'=')) << line.toStdString();
    const QString name = line.section('=', 0, 0).toUpper();
    EXPECT_FALSE(names.contains(name)) << name.toStdString();
    names.insert(name);
  }
  EXPECT_EQ(strings.ResStrings().first(), "MI_MINCAPTION=Mi&nimize");
  EXPECT_EQ(strings.ResStrings().last().section('=', 0, 0), "AUTOCOLOR");
  EXPECT_EQ(strings.CharSet, 1);
  EXPECT_EQ(strings.GetResStr("MENUBUTTON_HINT"), "System menu");
  EXPECT_EQ(strings.GetResStr("MI_ROLLUPCAPTION"), "Ro&llUp");
}

TEST(ResourceStrData, NamesMatchWithoutCaseAndTextsKeepLaterEquals) {
  TResourceStrData strings;
  EXPECT_EQ(strings.GetResStr("mi_maxcaption"), "Ma&ximize");
  EXPECT_EQ(strings.GetResStr("NO_SUCH_NAME"), "");
  strings.SetResStrings({"plain line", "A=x=y", "a=second", "EMPTY="});
  EXPECT_EQ(strings.GetResStr("a"), "x=y");  // the first match counts
  EXPECT_EQ(strings.GetResStr("plain line"), "");
  EXPECT_EQ(strings.GetResStr("empty"), "");
  EXPECT_EQ(strings.ResStrings().size(), 4);
}
