// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include "SkinPictures.h"
#include "skin/controls/EffectBmp.h"

namespace {

TEffectBmp Filled(int width, int height, TColor colour) {
  TEffectBmp bmp(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bmp.SetPixel(x, y, colour);
  return bmp;
}

// A picture whose pixel colour tells its column: red = x.
TEffectBmp Columns(int width, int height, int green) {
  TEffectBmp bmp(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bmp.SetPixel(x, y, RGBColor(x, green, 0));
  return bmp;
}

const TMorphKind kAllMorphs[] = {TMorphKind::mkDefault,   TMorphKind::mkGradient,   TMorphKind::mkLeftGradient,
                                 TMorphKind::mkRightGradient, TMorphKind::mkLeftSlide, TMorphKind::mkRightSlide,
                                 TMorphKind::mkPush};

int Red(const TEffectBmp& bmp, int x, int y) { return GetRValue(bmp.Pixel(x, y)); }

}  // namespace

TEST(TEffectBmp, RowsArePaddedToFourBytesAndHoldBlueGreenRed) {
  EXPECT_EQ(TPixelBuffer24::RowBytesFor(1), 4);
  EXPECT_EQ(TPixelBuffer24::RowBytesFor(75), 228);
  const TEffectBmp bmp(CodedPicture(7, 3));
  EXPECT_EQ(bmp.Pixel(6, 2), RGBColor(6, 2, 7));
  EXPECT_EQ(bmp.Row(1)[0], 7);
}

TEST(MorphBlend, EndsAtEitherPictureAndRoundsHalvesToEven) {
  const TEffectBmp other = Filled(4, 3, RGBColor(255, 1, 3));
  TEffectBmp bmp = Filled(4, 3, RGBColor(0, 0, 0));
  bmp.MorphBlend(other, 0);
  EXPECT_EQ(bmp.Pixel(3, 2), RGBColor(0, 0, 0));
  bmp.MorphBlend(other, 0.5);  // 127.5 → 128, 0.5 → 0, 1.5 → 2
  EXPECT_EQ(bmp.Pixel(1, 1), RGBColor(128, 0, 2));
  bmp.MorphBlend(other, 7);  // clamped to 1
  EXPECT_EQ(bmp.Pixel(0, 0), RGBColor(255, 1, 3));
}

TEST(Morphs, DoNothingBetweenPicturesOfDifferentSizes) {
  const TEffectBmp other = Filled(5, 3, clWhite);
  for (const TMorphKind kind : kAllMorphs) {
    TEffectBmp bmp = Filled(4, 3, clBlack);
    bmp.Morph(kind, other, 0.6);
    EXPECT_EQ(bmp.Pixel(0, 0), clBlack) << int(kind);
    EXPECT_EQ(bmp.Pixel(3, 2), clBlack) << int(kind);
  }
}

TEST(MorphGradient, GrowsABandOfTheOtherPictureFromTheCentreWithSoftEdges) {
  // 75 × 21 at 0.2: "other" in columns 30..44, fading over 30 columns on each side.
  TEffectBmp bmp = Filled(75, 21, clBlack);
  bmp.MorphGradient(Filled(75, 21, clWhite), 0.2);
  for (int x = 30; x <= 44; ++x) EXPECT_EQ(Red(bmp, x, 10), 255) << x;
  EXPECT_EQ(Red(bmp, 29, 0), 246);  // 255 · 29/30 = 246.5, even
  EXPECT_EQ(Red(bmp, 45, 20), 246);
  EXPECT_EQ(Red(bmp, 15, 3), 128);  // 127.5, even
  EXPECT_EQ(Red(bmp, 16, 3), 136);
  EXPECT_EQ(Red(bmp, 60, 3), 119);
  EXPECT_EQ(Red(bmp, 0, 5), 0);
  EXPECT_EQ(Red(bmp, 74, 5), 0);
}

TEST(MorphGradient, TallPicturesGrowTheBandAlongTheRows) {
  // 4 × 10 at 0: row 5 is "other"; the fade e = (10 − 1 − 0) floor-div 2 = 4 rows each way.
  TEffectBmp bmp = Filled(4, 10, clBlack);
  bmp.MorphGradient(Filled(4, 10, clWhite), 0);
  const int expected[10] = {0, 0, 64, 128, 191, 255, 191, 128, 64, 0};
  for (int y = 0; y < 10; ++y) EXPECT_EQ(Red(bmp, 2, y), expected[y]) << y;
  // Near the end the fade length is 0: everything is the other picture.
  TEffectBmp late = Filled(4, 10, clBlack);
  late.MorphGradient(Filled(4, 10, clWhite), 0.9);
  for (int y = 0; y < 10; ++y) EXPECT_EQ(Red(late, 0, y), 255) << y;
}

TEST(MorphSlides, CopyAtLeastOneColumnOfTheOtherPicture) {
  const TEffectBmp other = Columns(10, 2, 99);
  TEffectBmp left = Columns(10, 2, 0);
  left.MorphLeftSlide(other, 0);
  EXPECT_EQ(left.Pixel(0, 1), RGBColor(9, 99, 0));  // the other's last column
  EXPECT_EQ(left.Pixel(1, 1), RGBColor(1, 0, 0));

  TEffectBmp right = Columns(10, 2, 0);
  right.MorphRightSlide(other, 0.3);  // the other's first 3 columns over the last 3
  EXPECT_EQ(right.Pixel(6, 0), RGBColor(6, 0, 0));
  EXPECT_EQ(right.Pixel(7, 0), RGBColor(0, 99, 0));
  EXPECT_EQ(right.Pixel(9, 0), RGBColor(2, 99, 0));

  TEffectBmp full = Columns(10, 2, 0);
  full.MorphLeftSlide(other, 1);  // at most W − 1 columns
  EXPECT_EQ(full.Pixel(8, 0), RGBColor(9, 99, 0));
  EXPECT_EQ(full.Pixel(9, 0), RGBColor(9, 0, 0));
}

TEST(MorphPush, PushesThisPictureRightAndFeedsTheOtherFromTheLeft) {
  const TEffectBmp other = Columns(10, 1, 99);
  TEffectBmp bmp = Columns(10, 1, 0);
  bmp.MorphPush(other, 0.3);  // a = 3: columns 0..3 from the other's 6..9, this moved by 4
  const int red[10] = {6, 7, 8, 9, 0, 1, 2, 3, 4, 5};
  const int green[10] = {99, 99, 99, 99, 0, 0, 0, 0, 0, 0};
  for (int x = 0; x < 10; ++x) EXPECT_EQ(bmp.Pixel(x, 0), RGBColor(red[x], green[x], 0)) << x;
}

TEST(MorphEdgeGradients, FadeFromTheirSideAndStayInsideNarrowPictures) {
  TEffectBmp left = Filled(10, 1, clBlack);
  left.MorphLeftGradient(Filled(10, 1, clWhite), 0.4);  // a = 4: m = j / 4 over 0..4
  const int leftRed[10] = {255, 191, 128, 64, 0, 0, 0, 0, 0, 0};
  for (int x = 0; x < 10; ++x) EXPECT_EQ(Red(left, x, 0), leftRed[x]) << x;

  TEffectBmp right = Filled(10, 1, clBlack);
  right.MorphRightGradient(Filled(10, 1, clWhite), 0.4);  // a = 6: m = i / 4 from the right
  const int rightRed[10] = {0, 0, 0, 0, 0, 0, 64, 128, 191, 255};
  for (int x = 0; x < 10; ++x) EXPECT_EQ(Red(right, x, 0), rightRed[x]) << x;

  for (const TMorphKind kind : kAllMorphs) {
    TEffectBmp thin = Filled(1, 3, clBlack);
    thin.Morph(kind, Filled(1, 3, clWhite), 0.5);  // one column: must not divide by zero
  }
}

TEST(PictureEffects, BrightenDarkenGreyAndInvertByTheirFormulas) {
  TEffectBmp bmp(2, 1);
  bmp.SetPixel(0, 0, clBlack);
  bmp.SetPixel(1, 0, clWhite);
  bmp.Brighten(0.5);
  EXPECT_EQ(bmp.Pixel(0, 0), RGBColor(128, 128, 128));  // 127.5 → 128
  EXPECT_EQ(bmp.Pixel(1, 0), clWhite);

  TEffectBmp dark(1, 1);
  dark.SetPixel(0, 0, RGBColor(100, 15, 255));
  dark.Darken(0.3);  // 70, 10.5 → 10, 178.5 → 178
  EXPECT_EQ(dark.Pixel(0, 0), RGBColor(70, 10, 178));
  dark.Darken(-1);  // clamped to 0: unchanged
  EXPECT_EQ(dark.Pixel(0, 0), RGBColor(70, 10, 178));

  TEffectBmp grey(2, 1);
  grey.SetPixel(0, 0, clWhite);
  grey.SetPixel(1, 0, RGBColor(10, 20, 30));  // 3 + 11.8 + 3.3 = 18.1
  grey.Grayscale();
  EXPECT_EQ(grey.Pixel(0, 0), clWhite);
  EXPECT_EQ(grey.Pixel(1, 0), RGBColor(18, 18, 18));

  grey.Invert();
  EXPECT_EQ(grey.Pixel(0, 0), clBlack);
  EXPECT_EQ(grey.Pixel(1, 0), RGBColor(237, 237, 237));
}

TEST(PictureEffects, SplitBlurAveragesFourDiagonalNeighboursRowByRowInPlace) {
  TEffectBmp bmp(3, 3);
  const int values[3][3] = {{0, 40, 80}, {120, 160, 200}, {240, 0, 40}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) bmp.SetPixel(x, y, RGBColor(values[y][x], 0, 0));
  TEffectBmp unchanged = bmp;
  unchanged.SplitBlur(0);
  EXPECT_EQ(unchanged.Pixel(1, 1), RGBColor(160, 0, 0));

  bmp.SplitBlur(1);
  // Row 0 reads rows 0 (for y − 1) and 1: (0,0) = (0 + 120 + 40 + 160) >> 2 = 80.
  EXPECT_EQ(Red(bmp, 0, 0), 80);
  EXPECT_EQ(Red(bmp, 1, 0), (0 + 120 + 80 + 200) >> 2);
  EXPECT_EQ(Red(bmp, 2, 0), (40 + 160 + 80 + 200) >> 2);
  // Row 1 reads the blurred row 0 (80, 100, 120) and the original row 2.
  EXPECT_EQ(Red(bmp, 1, 1), (80 + 240 + 120 + 40) >> 2);
  EXPECT_EQ(Red(bmp, 0, 1), (80 + 240 + 100 + 0) >> 2);
}

TEST(PictureEffects, NoiseStaysWithinHalfTheAmountAndFlipTurnsUpsideDown) {
  TEffectBmp bmp = Filled(20, 20, RGBColor(100, 100, 100));
  QRandomGenerator random(42);
  bmp.AddNoise(50, &random);
  bool changed = false;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      const TColor c = bmp.Pixel(x, y);
      ASSERT_GE(GetRValue(c), 75);
      ASSERT_LE(GetRValue(c), 124);
      ASSERT_TRUE(GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c));
      changed = changed || GetRValue(c) != 100;
    }
  EXPECT_TRUE(changed);
  TEffectBmp quiet = Filled(2, 2, RGBColor(1, 2, 3));
  quiet.AddNoise(0);
  EXPECT_EQ(quiet.Pixel(1, 1), RGBColor(1, 2, 3));

  const TEffectBmp coded(CodedPicture(4, 3));
  TEffectBmp flipped(4, 3);
  coded.FlipInto(flipped);
  EXPECT_EQ(flipped.Pixel(1, 0), RGBColor(1, 2, 7));
  EXPECT_EQ(flipped.Pixel(3, 2), RGBColor(3, 0, 7));
  TEffectBmp wrongSize(4, 2);
  coded.FlipInto(wrongSize);  // different size: left alone
  EXPECT_EQ(wrongSize.Pixel(0, 0), clBlack);
}
