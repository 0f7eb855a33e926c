// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include "SkinPictures.h"
#include "skin/controls/SkinControlGeometry.h"

namespace {
TSkinControlGeometry Geometry(TRect skinRect, NinePartSkin skin) {
  TSkinControlGeometry g;
  g.SkinRect = skinRect;
  g.Skin = g.Sized = skin;
  g.Scheme = SizingSchemeOf(skinRect, skin);
  return g;
}
// The push button's skin: 24 × 21, RT = (18, 9), RB = (0, 0).
const NinePartSkin kButton{{4, 8}, {18, 9}, {0, 0}, {0, 0}, {2, 2, 22, 19}};
}  // namespace

TEST(SizingScheme, FollowsTheCornerPointsThatAreSet) {
  const TRect r{0, 0, 24, 21};
  EXPECT_EQ(SizingSchemeOf({}, kButton), TSizingScheme::ssNone);
  EXPECT_EQ(SizingSchemeOf(r, kButton), TSizingScheme::ssHorzThreePart);
  EXPECT_EQ(SizingSchemeOf(r, {{1, 1}, {0, 0}, {0, 5}, {0, 0}, {}}), TSizingScheme::ssVertThreePart);
  EXPECT_EQ(SizingSchemeOf(r, {{1, 1}, {9, 1}, {1, 9}, {9, 9}, {}}), TSizingScheme::ssNinePart);
  EXPECT_EQ(SizingSchemeOf(r, {{1, 1}, {0, 0}, {0, 0}, {9, 0}, {}}), TSizingScheme::ssFixed);
}

TEST(FitSizeToSkin, AHorizontalThreePartKeepsItsHeightAndWidensTheClient) {
  TSkinControlGeometry g = Geometry({0, 0, 24, 21}, kButton);
  int width = 75, height = 25;
  FitSizeToSkin(g, width, height);
  EXPECT_EQ(width, 75);
  EXPECT_EQ(height, 21);
  EXPECT_EQ(g.Sized.CR, (TRect{2, 2, 22 + 51, 19}));
  EXPECT_EQ(g.Sized.RT, (TPoint{18 + 51, 9}));

  TSkinControlGeometry fixed = Geometry({0, 0, 24, 21}, {});
  FitSizeToSkin(fixed, width, height);
  EXPECT_EQ((TSize{width, height}), (TSize{24, 21}));
}

TEST(SkinControlRegion, AThreePartButtonIsCutFromBothEndsOfItsMask) {
  // Mask: black except the top-left and bottom-right corner pixels.
  TBitmap mask = FilledPicture(24, 21, qRgb(0, 0, 0));
  mask.Image().setPixel(0, 0, qRgb(255, 255, 255));
  mask.Image().setPixel(23, 20, qRgb(255, 255, 255));
  TSkinControlGeometry g = Geometry({0, 0, 24, 21}, kButton);
  int width = 75, height = 21;
  FitSizeToSkin(g, width, height);
  const std::optional<QRegion> region = SkinControlRegion(g, mask, width, height);
  ASSERT_TRUE(region);
  EXPECT_FALSE(region->contains(QPoint(0, 0)));
  EXPECT_FALSE(region->contains(QPoint(74, 20)));
  EXPECT_TRUE(region->contains(QPoint(74, 0)));
  EXPECT_EQ(*region, QRegion(0, 0, 75, 21).subtracted(QRegion(0, 0, 1, 1)).subtracted(QRegion(74, 20, 1, 1)));
}

TEST(PaintSkinRect, DrawsAnotherLookOfTheSameSizeByTheSameScheme) {
  const TBitmap picture = CodedPicture(72, 21);
  TSkinControlGeometry g = Geometry({0, 0, 24, 21}, kButton);
  int width = 40, height = 21;
  FitSizeToSkin(g, width, height);
  TBitmap look;
  PaintSkinRect(g, look, picture, Rect(48, 0, 72, 21), width, height);  // the hover look
  ASSERT_EQ(look.Width(), 40);
  EXPECT_EQ(From(look, 0, 5), (TPoint{48, 5}));
  EXPECT_EQ(From(look, 39, 5), (TPoint{71, 5}));
  EXPECT_EQ(From(look, 4 + 14, 5), (TPoint{52, 5}));  // the middle (14 wide) starts over
}
