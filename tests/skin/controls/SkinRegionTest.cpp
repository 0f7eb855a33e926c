// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include "SkinPictures.h"
#include "platform/Region.h"
#include "skin/controls/SkinRegion.h"

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

// The region as the set of pixels it covers inside `area`, one string per row.
std::vector<std::string> Pixels(const QRegion& region, const TRect& area) {
  std::vector<std::string> rows;
  for (int y = area.Top; y < area.Bottom; ++y) {
    std::string row;
    for (int x = area.Left; x < area.Right; ++x) row += region.contains(QPoint(x, y)) ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

TBitmap MaskFromRows(const std::vector<std::string>& rows) {
  TBitmap mask(int(rows[0].size()), int(rows.size()));
  for (int y = 0; y < mask.Height(); ++y)
    for (int x = 0; x < mask.Width(); ++x) mask.Image().setPixel(x, y, rows[y][x] == '#' ? kBlack : kWhite);
  return mask;
}

}  // namespace

TEST(MaskToRegion, BlackPixelsBelongAndTheOffsetMovesThem) {
  const std::vector<std::string> rows = {"#..##", ".###.", "....#"};
  const std::optional<QRegion> region = MaskToRegion(MaskFromRows(rows), 10, 20);
  ASSERT_TRUE(region);
  EXPECT_EQ(Pixels(*region, Rect(10, 20, 15, 23)), rows);
  EXPECT_EQ(RegionArea(*region), 7);
  // Only pure black counts: a nearly black pixel is cut away.
  TBitmap grey = FilledPicture(3, 1, qRgb(0, 0, 1));
  EXPECT_TRUE(MaskToRegion(grey, 0, 0)->isEmpty());
}

TEST(MaskToRegion, AllBlackIsTheBoundingRectangleAllWhiteIsEmptyNoMaskIsNone) {
  const std::optional<QRegion> black = MaskToRegion(FilledPicture(7, 5, kBlack), 3, 2);
  ASSERT_TRUE(black);
  EXPECT_EQ(*black, QRegion(3, 2, 7, 5));
  const std::optional<QRegion> white = MaskToRegion(FilledPicture(7, 5, kWhite), 3, 2);
  ASSERT_TRUE(white);
  EXPECT_TRUE(white->isEmpty());
  EXPECT_FALSE(MaskToRegion(TBitmap(), 0, 0));
}

TEST(MaskToRegion, KeepsEveryRunOfAMaskWithMoreThanTenThousand) {
  TBitmap mask(300, 100);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 300; ++x) mask.Image().setPixel(x, y, (x + y) % 2 ? kWhite : kBlack);
  const std::optional<QRegion> region = MaskToRegion(mask, 0, 0);
  ASSERT_TRUE(region);
  EXPECT_EQ(RegionArea(*region), 15000);
  EXPECT_TRUE(region->contains(QPoint(299, 99)));
  EXPECT_FALSE(region->contains(QPoint(298, 99)));
}

namespace {
// Mask of a 20 × 16 surface: client 4,5..16,12; top band split at 6 and 14, bottom at 5 and
// 15, left band at 7 and 10, right band at 6 and 11.
const NinePartSkin kSkin{{6, 7}, {14, 6}, {5, 10}, {15, 11}, {4, 5, 16, 12}};
}  // namespace

TEST(NinePartMaskRegion, AlwaysHoldsTheWholeResizedClient) {
  const NinePartSkin sized = ResizeLayout(kSkin, 20, 16, 33, 25);
  const std::optional<QRegion> white = NinePartMaskRegion(kSkin, sized, FilledPicture(20, 16, kWhite), 33, 25);
  ASSERT_TRUE(white);
  EXPECT_EQ(*white, QRegion(sized.CR.ToQRect()));

  const std::optional<QRegion> black = NinePartMaskRegion(kSkin, sized, FilledPicture(20, 16, kBlack), 33, 25);
  ASSERT_TRUE(black);
  EXPECT_EQ(*black, QRegion(0, 0, 33, 25));
}

TEST(NinePartMaskRegion, CornersMoveWithTheirSidesAndEdgesTile) {
  // Black only in the four corner pixels and in one column of the top edge (x 8).
  TBitmap mask = FilledPicture(20, 16, kWhite);
  for (const TPoint p : {TPoint{0, 0}, TPoint{19, 0}, TPoint{0, 15}, TPoint{19, 15}, TPoint{8, 0}})
    mask.Image().setPixel(p.X, p.Y, kBlack);
  const NinePartSkin sized = ResizeLayout(kSkin, 20, 16, 40, 30);
  const std::optional<QRegion> region = NinePartMaskRegion(kSkin, sized, mask, 40, 30);
  ASSERT_TRUE(region);
  for (const QPoint p : {QPoint(0, 0), QPoint(39, 0), QPoint(0, 29), QPoint(39, 29)}) EXPECT_TRUE(region->contains(p)) << p.x() << "," << p.y();
  // The top edge (span 8 from x 6) repeats its column 8 every 8 pixels up to the moved RT.X 34.
  EXPECT_TRUE(region->contains(QPoint(8, 0)));
  EXPECT_TRUE(region->contains(QPoint(16, 0)));
  EXPECT_TRUE(region->contains(QPoint(32, 0)));
  EXPECT_FALSE(region->contains(QPoint(9, 0)));
  EXPECT_EQ(RegionArea(*region), 4 + 4 + sized.CR.Width() * sized.CR.Height());
}

TEST(NinePartMaskRegion, NoRegionForCrossedPointsAnEmptyClientOrNoMask) {
  const TBitmap black = FilledPicture(20, 16, kBlack);
  // Narrower than the fixed parts: the moved RT.X falls left of LT.X.
  const NinePartSkin narrow = ResizeLayout(kSkin, 20, 16, 10, 16);
  EXPECT_FALSE(NinePartMaskRegion(kSkin, narrow, black, 10, 16));
  NinePartSkin noClient = kSkin;
  noClient.CR = {4, 5, 4, 12};
  EXPECT_FALSE(NinePartMaskRegion(noClient, noClient, black, 20, 16));
  EXPECT_FALSE(NinePartMaskRegion(kSkin, kSkin, TBitmap(), 20, 16));
}
