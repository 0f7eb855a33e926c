// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include "SkinPictures.h"
#include "skin/controls/SkinDrawNinePart.h"
#include "skin/controls/SkinDrawThreePart.h"

namespace {

// A 40 × 30 skin rectangle at (5, 3) of a 60 × 40 picture: client 6,8..32,24; the top band is
// split at x 10 and 30, the bottom band at 12 and 28, the left band at y 12 and 20, the right
// band at 11 and 22.
const TRect kR{5, 3, 45, 33};
const NinePartSkin kSkin{{10, 12}, {30, 11}, {12, 20}, {28, 22}, {6, 8, 32, 24}};

TBitmap Draw(int W, int H, TEdgeStretch stretch = {}, bool stretchEffect = false, bool drawClient = true) {
  const TBitmap picture = CodedPicture(60, 40);
  TBitmap target;
  DrawNinePartSkin(kSkin, ResizeLayout(kSkin, kR.Width(), kR.Height(), W, H), target, picture, kR, W, H, drawClient,
                   stretch, stretchEffect);
  return target;
}

}  // namespace

TEST(ResizeLayout, RightPointsFollowTheRightSideAndLowerPointsTheBottom) {
  const NinePartSkin sized = ResizeLayout(kSkin, 40, 30, 55, 27);
  EXPECT_EQ(sized.LT, (TPoint{10, 12}));
  EXPECT_EQ(sized.RT, (TPoint{45, 11}));
  EXPECT_EQ(sized.LB, (TPoint{12, 17}));
  EXPECT_EQ(sized.RB, (TPoint{43, 19}));
  EXPECT_EQ(sized.CR, (TRect{6, 8, 47, 21}));
}

TEST(DrawNinePartSkin, AtTheSkinRectanglesOwnSizeReproducesItsPixels) {
  for (const TEdgeStretch stretch : {TEdgeStretch{}, TEdgeStretch{true, true, true, true}}) {
    const TBitmap target = Draw(40, 30, stretch, stretch.Top);
    ASSERT_EQ(target.Width(), 40);
    ASSERT_EQ(target.Height(), 30);
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x) ASSERT_EQ(From(target, x, y), (TPoint{x + 5, y + 3})) << x << "," << y;
  }
}

TEST(DrawNinePartSkin, TiledEdgesRepeatTheirSourceAndCornersMoveWithTheirSides) {
  const TBitmap target = Draw(95, 30);  // dW = 55
  // Top edge source columns 10..29 (picture 15..34) tiled from x 10 to the moved RT.X 85.
  for (int x = 10; x < 85; ++x) EXPECT_EQ(From(target, x, 0).X, 15 + (x - 10) % 20) << x;
  // The top-right corner keeps its size at the right side.
  for (int x = 85; x < 95; ++x) EXPECT_EQ(From(target, x, 2), (TPoint{5 + 30 + (x - 85), 5})) << x;
  // The client area is tiled from its own top-left corner, 26 columns per tile.
  EXPECT_EQ(From(target, 6, 8), (TPoint{11, 11}));
  EXPECT_EQ(From(target, 6 + 26, 8), (TPoint{11, 11}));
  EXPECT_EQ(From(target, 6 + 26 + 25, 9), (TPoint{11 + 25, 12}));
}

TEST(DrawNinePartSkin, StretchedTopEdgeIsOneScaledCopyAndCornersStayUnscaled) {
  const TBitmap target = Draw(120, 30, {false, true, false, false});
  // The top edge, 20 source columns, now fills 10..110: every source column appears, in order,
  // five times, and nothing beyond them.
  int previous = -1;
  for (int x = 10; x < 110; ++x) {
    const int sx = From(target, x, 3).X;
    ASSERT_GE(sx, 15);
    ASSERT_LE(sx, 34);
    ASSERT_GE(sx, previous);
    previous = sx;
  }
  EXPECT_EQ(From(target, 10, 3).X, 15);
  EXPECT_EQ(From(target, 14, 3).X, 15);
  EXPECT_EQ(From(target, 15, 3).X, 16);
  EXPECT_EQ(From(target, 109, 3).X, 34);
  // Both top corners are copied 1:1.
  for (int x = 0; x < 10; ++x) EXPECT_EQ(From(target, x, 4), (TPoint{5 + x, 7}));
  for (int x = 110; x < 120; ++x) EXPECT_EQ(From(target, x, 4), (TPoint{5 + 30 + (x - 110), 7}));
}

TEST(DrawNinePartSkin, WithoutClientOrWithDegeneratePointsLeavesParts) {
  TBitmap noClient = Draw(60, 40, {}, false, false);
  EXPECT_EQ(At(noClient, 20, 20), qRgb(255, 255, 255));  // a fresh bitmap is white

  const TBitmap picture = CodedPicture(60, 40);
  TBitmap target;
  NinePartSkin flat = kSkin;
  flat.RB.X = flat.LT.X;
  DrawNinePartSkin(flat, flat, target, picture, kR, 50, 35, true, {}, false);
  EXPECT_EQ(target.Width(), 50);
  EXPECT_EQ(At(target, 0, 0), qRgb(255, 255, 255));
  DrawNinePartSkin(kSkin, kSkin, target, TBitmap(), kR, 40, 30, true, {}, false);
  EXPECT_EQ(At(target, 0, 0), qRgb(255, 255, 255));
}

TEST(DrawNinePartSkin, SmallerThanTheFixedPartsStillPlacesBothSides) {
  const TBitmap target = Draw(20, 30);  // narrower than the 10 + 10 top corners
  EXPECT_EQ(From(target, 0, 0), (TPoint{5, 3}));
  // The top-right corner (source columns 30..39) ends at the right edge.
  EXPECT_EQ(From(target, 19, 0), (TPoint{44, 3}));
  EXPECT_EQ(From(target, 10, 0), (TPoint{35, 3}));
}

TEST(DrawSkinRectResized, KeepsTheCornersAndStretchesTheRest) {
  const TBitmap picture = CodedPicture(60, 40);
  TBitmap target(80, 50);
  DrawSkinRectResized(target, picture, kR, kSkin.CR, true);
  // Corner areas outside the client rectangle keep their size.
  EXPECT_EQ(From(target, 0, 0), (TPoint{5, 3}));
  EXPECT_EQ(From(target, 5, 7), (TPoint{10, 10}));
  EXPECT_EQ(From(target, 79, 49), (TPoint{44, 32}));
  EXPECT_EQ(From(target, 72, 44), (TPoint{37, 27}));  // first pixel right of and below the client
  // The client is stretched over 6..72 × 8..44.
  EXPECT_EQ(From(target, 6, 8), (TPoint{11, 11}));
  EXPECT_EQ(From(target, 71, 43), (TPoint{36, 26}));
}

TEST(DrawHorzThreePartSkin, PlacesTheFixedPartsAndTilesTheMiddle) {
  const TBitmap picture = CodedPicture(40, 10);
  const TRect S{2, 1, 32, 9};  // L 6, middle 16, Rw 8
  TBitmap target;

  DrawHorzThreePartSkin(6, 8, target, false, 14, S, picture);  // exactly L + Rw
  ASSERT_EQ(target.Width(), 14);
  ASSERT_EQ(target.Height(), 8);
  for (int x = 0; x < 6; ++x) EXPECT_EQ(From(target, x, 0).X, 2 + x);
  for (int x = 6; x < 14; ++x) EXPECT_EQ(From(target, x, 0).X, 24 + (x - 6));

  DrawHorzThreePartSkin(6, 8, target, false, 14 + 24, S, picture);  // 1.5 middle widths
  for (int x = 6; x < 22; ++x) EXPECT_EQ(From(target, x, 5).X, 8 + (x - 6)) << x;   // one full tile
  for (int x = 22; x < 30; ++x) EXPECT_EQ(From(target, x, 5).X, 8 + (x - 22)) << x;  // half a tile
  for (int x = 30; x < 38; ++x) EXPECT_EQ(From(target, x, 5).X, 24 + (x - 30)) << x;
}

TEST(DrawHorzThreePartSkin, NarrowerThanTheFixedPartsDrawsTheRightPartLast) {
  const TBitmap picture = CodedPicture(40, 10);
  TBitmap target;
  DrawHorzThreePartSkin(6, 8, target, true, 10, Rect(2, 1, 32, 9), picture);
  EXPECT_EQ(From(target, 0, 0).X, 2);
  EXPECT_EQ(From(target, 1, 0).X, 3);
  EXPECT_EQ(From(target, 2, 0).X, 24);  // the right part starts at W − Rw = 2
  EXPECT_EQ(From(target, 9, 0).X, 31);
}

TEST(DrawVertThreePartSkin, StretchesTheMiddleBetweenTopAndBottom) {
  const TBitmap picture = CodedPicture(10, 40);
  TBitmap target;
  DrawVertThreePartSkin(5, 5, target, true, 60, Rect(1, 2, 9, 32), picture);  // middle 20 → 50
  ASSERT_EQ(target.Width(), 8);
  ASSERT_EQ(target.Height(), 60);
  EXPECT_EQ(From(target, 0, 4).Y, 6);
  EXPECT_EQ(From(target, 0, 5).Y, 7);
  EXPECT_EQ(From(target, 0, 54).Y, 26);
  EXPECT_EQ(From(target, 0, 55).Y, 27);
  EXPECT_EQ(From(target, 0, 59).Y, 31);

  DrawVertThreePartSkin(5, 5, target, false, 50, Rect(1, 2, 9, 32), picture);  // 40 rows of tiles
  EXPECT_EQ(From(target, 3, 25).Y, 7);  // second tile starts at 25
  EXPECT_EQ(From(target, 3, 44).Y, 26);
}
