// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include "platform/Color.h"

TEST(Color, SystemColoursResolveThroughTheClassicPalette) {
  EXPECT_EQ(ColorToRGB(clRed), 0x0000FF);
  EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
  EXPECT_EQ(ColorToRGB(clBtnFace), RGBColor(192, 192, 192));
  EXPECT_EQ(ColorToRGB(TColor(0xFF0000FF)), clBlack);  // unknown index
  EXPECT_EQ(ToQColor(clMoneyGreen), QColor(192, 220, 192));
}
