// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The mode a translation goes out in: its caption's, unless that mode would cut it.
#include <gtest/gtest.h>

#include "wire/TranslationMode.h"

TEST(TranslationMode, ATranslationWiderThanTheSignScrollsInWhereItsCaptionsModeWouldCutIt) {
  struct Case {
    int width;
    int captionMode;
    int mode;
  };
  const Case cases[] = {
      {0, 0, 0},     {192, 0, 0},  {193, 0, 1},  {193, 5, 1},    {4000, 19, 1}, {193, 1, 1},
      {192, 1, 1},   {12, 7, 7},   {192, 19, 19}, {193, -1, 1},  {100, -1, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TranslationMode(c.width, c.captionMode), c.mode) << c.width << " px in mode " << c.captionMode;
    EXPECT_FALSE(CutsCaption(c.width, TranslationMode(c.width, c.captionMode)));
  }
  static_assert(CutsCaption(kLedWidth + 1, 0) && !CutsCaption(kLedWidth, 0) && !CutsCaption(kLedWidth + 1, 1));
}
