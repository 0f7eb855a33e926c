// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include "SkinPictures.h"
#include "skin/controls/SkinDrawStrips.h"

namespace {

// A frame picture of 50 × 40: client 6,9..44,35; the top band split at 15 and 25, the bottom at
// 10 and 30, the left band at 14 and 28, the right band at 12 and 30.
const NinePartSkin kFrame{{15, 14}, {25, 12}, {10, 28}, {30, 30}, {6, 9, 44, 35}};

TBorderStrips Build(int W, int H, TEdgeStretch stretch) {
  const TBitmap picture = CodedPicture(50, 40);
  TBorderStrips strips;
  BuildFrameStrips(kFrame, ResizeLayout(kFrame, 50, 40, W, H), picture, Rect(0, 0, 50, 40), W, H, stretch, strips);
  return strips;
}

}  // namespace

TEST(BuildFrameStrips, StripsHaveTheBandSizesOfTheResizedFrame) {
  const TBorderStrips s = Build(90, 70, {});
  EXPECT_EQ((TSize{s.Top.Width(), s.Top.Height()}), (TSize{90, 9}));
  EXPECT_EQ((TSize{s.Bottom.Width(), s.Bottom.Height()}), (TSize{90, 5}));
  EXPECT_EQ((TSize{s.Left.Width(), s.Left.Height()}), (TSize{6, 56}));
  EXPECT_EQ((TSize{s.Right.Width(), s.Right.Height()}), (TSize{6, 56}));
}

TEST(BuildFrameStrips, StretchedStripsAtTheOwnSizeReassembleThePictureBorder) {
  const TBorderStrips s = Build(50, 40, {true, true, true, true});
  TBitmap frame(50, 40);
  DrawFrameStrips(frame.Canvas, s, kFrame, 50, 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 50; ++x)
      if (!kFrame.CR.Contains({x, y})) {
        ASSERT_EQ(From(frame, x, y), (TPoint{x, y})) << x << "," << y;
      }
}

TEST(BuildFrameStrips, TiledEdgesStartAtTheStripOriginAndCornersAreCopiedOver) {
  const TBorderStrips s = Build(90, 70, {});
  // Top: the 10-column edge 15..24 tiled from x 0; the corners at 0..15 and 65..90.
  EXPECT_EQ(From(s.Top, 15, 2), (TPoint{15 + 5, 2}));
  EXPECT_EQ(From(s.Top, 40, 2), (TPoint{15 + 0, 2}));
  EXPECT_EQ(From(s.Top, 64, 2), (TPoint{15 + 4, 2}));
  EXPECT_EQ(From(s.Top, 14, 2), (TPoint{14, 2}));
  EXPECT_EQ(From(s.Top, 65, 2), (TPoint{25, 2}));
  EXPECT_EQ(From(s.Top, 89, 8), (TPoint{49, 8}));
  // Bottom: the last 5 rows of the picture.
  EXPECT_EQ(From(s.Bottom, 0, 0), (TPoint{0, 35}));
  EXPECT_EQ(From(s.Bottom, 89, 4), (TPoint{49, 39}));
  // Left: edge rows 14..27 tiled from y 0, then the piece above it (rows 9..13) at the top and
  // the piece below it (rows 28..34) at the bottom.
  EXPECT_EQ(From(s.Left, 0, 0), (TPoint{0, 9}));
  EXPECT_EQ(From(s.Left, 0, 5), (TPoint{0, 14 + 5}));
  EXPECT_EQ(From(s.Left, 0, 20), (TPoint{0, 14 + 6}));
  EXPECT_EQ(From(s.Left, 5, 55), (TPoint{5, 34}));
  EXPECT_EQ(From(s.Left, 5, 49), (TPoint{5, 28}));
  // Right: pieces from columns 44..49.
  EXPECT_EQ(From(s.Right, 0, 0), (TPoint{44, 9}));
  EXPECT_EQ(From(s.Right, 5, 55), (TPoint{49, 34}));
}

TEST(BuildFrameStrips, StripsWithoutRoomOrEdgeSpanAreNotMade) {
  NinePartSkin flat = kFrame;
  flat.RT.X = flat.LT.X;  // no top edge between the corners
  const TBitmap picture = CodedPicture(50, 40);
  TBorderStrips strips;
  BuildFrameStrips(flat, ResizeLayout(flat, 50, 40, 60, 40), picture, Rect(0, 0, 50, 40), 60, 40, {}, strips);
  EXPECT_TRUE(strips.Top.Empty());
  EXPECT_FALSE(strips.Bottom.Empty());
  EXPECT_FALSE(strips.Left.Empty());

  BuildFrameStrips(kFrame, ResizeLayout(kFrame, 50, 40, 50, 14), picture, Rect(0, 0, 50, 40), 50, 14, {}, strips);
  EXPECT_TRUE(strips.Left.Empty());  // no height left between the top and bottom bands
  EXPECT_TRUE(strips.Right.Empty());
}
