// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include "skin/data/ResourceStrData.h"

TEST(ResourceStrData, DefaultsHoldTheWindowTextsFirst) {
  const TResourceStrData strings;
  ASSERT_EQ(strings.ResStrings().size(), 119);
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
