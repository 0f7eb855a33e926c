// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include <set>

#include "SkinPictures.h"
#include "skin/controls/SkinDrawGlyph.h"
#include "skin/controls/SkinDrawMarks.h"
#include "platform/ImageList.h"
#include "skin/controls/SkinText.h"

namespace {

const QRgb kWhite = qRgb(255, 255, 255);

std::set<std::pair<int, int>> NonWhite(const TBitmap& bitmap) {
  std::set<std::pair<int, int>> points;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (At(bitmap, x, y) != kWhite) points.insert({x, y});
  return points;
}

}  // namespace

TEST(LayoutGlyphAndText, CentredPairWithoutGlyphPutsTheTextByHalfOfItsWidthPlusSpacing) {
  const TRect q{10, 20, 85, 41};  // cx = 47, cy = 30
  const TGlyphTextPlacement p = LayoutGlyphAndText(blGlyphLeft, q, 0, 0, 31, 14, -1, 1);
  EXPECT_EQ(p.Text, (TPoint{47 + (31 + 1) / 2 - 31, 30 - 7}));
  EXPECT_EQ(p.Glyph, (TPoint{47 - 16, 30}));
}

TEST(LayoutGlyphAndText, MarginsCountFromTheGlyphsSideAndTheTextFollowsWithSpacing) {
  const TRect q{0, 0, 100, 40};  // cx = 50, cy = 20
  EXPECT_EQ(LayoutGlyphAndText(blGlyphLeft, q, 16, 10, 30, 14, 4, 2),
            (TGlyphTextPlacement{{4, 15}, {4 + 16 + 2, 13}}));
  EXPECT_EQ(LayoutGlyphAndText(blGlyphRight, q, 16, 10, 30, 14, 4, 2),
            (TGlyphTextPlacement{{100 - 16 - 4, 15}, {80 - 2 - 30, 13}}));
  EXPECT_EQ(LayoutGlyphAndText(blGlyphTop, q, 16, 10, 30, 14, 3, 2),
            (TGlyphTextPlacement{{42, 3}, {35, 3 + 10 + 2}}));
  EXPECT_EQ(LayoutGlyphAndText(blGlyphBottom, q, 16, 10, 30, 14, 3, 2),
            (TGlyphTextPlacement{{42, 40 - 10 - 3}, {35, 27 - 2 - 14}}));
  // Centred vertically: v = (14 + 10 + 2) div 2 = 13.
  EXPECT_EQ(LayoutGlyphAndText(blGlyphTop, q, 16, 10, 30, 14, -1, 2), (TGlyphTextPlacement{{42, 7}, {35, 19}}));
  EXPECT_EQ(LayoutGlyphAndText(blGlyphBottom, q, 16, 10, 30, 14, -1, 2), (TGlyphTextPlacement{{42, 23}, {35, 7}}));
}

TEST(EllipsizeToWidth, LeavesFittingTextAloneAndShortensTheRestWithDots) {
  TBitmap bitmap(10, 10);
  TCanvas& canvas = bitmap.Canvas;
  canvas.Font.Name = QStringLiteral("Arial");
  canvas.Font.Height = -12;

  QString text = QStringLiteral("Lumetra caption");
  const int full = MeasureTextWidth(canvas, text);
  EllipsizeToWidth(canvas, text, full);
  EXPECT_EQ(text, QStringLiteral("Lumetra caption"));

  EllipsizeToWidth(canvas, text, full / 2);
  EXPECT_TRUE(text.endsWith(QStringLiteral("...")));
  EXPECT_TRUE(QStringLiteral("Lumetra caption").startsWith(text.chopped(3)));
  EXPECT_LE(MeasureTextWidth(canvas, text), full / 2);

  text = QStringLiteral("Lumetra");
  EllipsizeToWidth(canvas, text, 0);
  EXPECT_EQ(text, QStringLiteral("..."));
}

TEST(EllipsizeToWidth, NeverSplitsACharacterOutsideTheBasicPlane) {
  TBitmap bitmap(10, 10);
  QString text = QStringLiteral("ab") + QString::fromUcs4(U"\U0001F600\U0001F600\U0001F600\U0001F600");
  for (int width = 0; width < MeasureTextWidth(bitmap.Canvas, text); width += 3) {
    QString shortened = text;
    EllipsizeToWidth(bitmap.Canvas, shortened, width);
    const QString kept = shortened.chopped(3);
    ASSERT_TRUE(kept.isEmpty() || !kept.back().isHighSurrogate()) << width;
  }
}

TEST(DrawArrowMark, DrawsFourLinesOfTheTriangleAroundTheCentre) {
  TBitmap left(20, 20);
  DrawArrowMark(left.Canvas, Rect(0, 0, 20, 20), clBlack, adLeft);
  std::set<std::pair<int, int>> expected;
  for (int i = 0; i <= 3; ++i)
    for (int y = 10 - i; y <= 10 + i; ++y) expected.insert({8 + i, y});
  EXPECT_EQ(NonWhite(left), expected);

  TBitmap down(20, 20);
  DrawArrowMark(down.Canvas, Rect(0, 0, 20, 20), clRed, adDown);
  expected.clear();
  for (int n = 0; n <= 3; ++n)
    for (int x = 10 - n; x <= 10 + n; ++x) expected.insert({x, 12 - n});
  EXPECT_EQ(NonWhite(down), expected);
  EXPECT_EQ(At(down, 10, 12), qRgb(255, 0, 0));

  TBitmap none(20, 20);
  DrawArrowMark(none.Canvas, Rect(0, 0, 20, 20), clBlack, 5);
  EXPECT_TRUE(NonWhite(none).empty());
}

TEST(DrawCheckMark, DrawsThreeStackedStrokes) {
  TBitmap bitmap(16, 16);
  DrawCheckMark(bitmap.Canvas, 2, 2, clBlack);
  std::set<std::pair<int, int>> expected;
  for (int i = 0; i <= 2; ++i) {
    const int y = 2 - i;
    for (const auto& [x, dy] : std::vector<std::pair<int, int>>{{2, 5}, {3, 6}, {4, 7}, {5, 6}, {6, 5}, {7, 4}, {8, 3}})
      expected.insert({x, y + dy});
  }
  EXPECT_EQ(NonWhite(bitmap), expected);
}

TEST(DrawGlyphCell, DrawsTheChosenCellLeavingOutItsBottomLeftColour) {
  // Three 4 × 3 cells: cell k is filled with blue k·50, its bottom-left pixel and one more
  // pixel green (transparent).
  QImage strip(12, 3, QImage::Format_RGB32);
  for (int k = 0; k < 3; ++k) {
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 4; ++x) strip.setPixel(4 * k + x, y, qRgb(0, 0, 50 * (k + 1)));
    strip.setPixel(4 * k, 2, qRgb(0, 255, 0));
    strip.setPixel(4 * k + 2, 0, qRgb(0, 255, 0));
  }
  TBitmap target(20, 20);
  DrawGlyphCell(target.Canvas, 5, 6, 2, 3, TBitmap(strip));
  EXPECT_EQ(NonWhite(target).size(), 10u);
  EXPECT_EQ(At(target, 5, 6), qRgb(0, 0, 100));
  EXPECT_EQ(At(target, 5, 8), kWhite);
  EXPECT_EQ(At(target, 7, 6), kWhite);
  EXPECT_EQ(At(target, 8, 8), qRgb(0, 0, 100));

  TBitmap untouched(20, 20);
  DrawGlyphCell(untouched.Canvas, 0, 0, 1, 0, TBitmap(strip));  // no cells
  DrawGlyphCell(untouched.Canvas, 0, 0, 1, 3, TBitmap());       // no strip
  EXPECT_TRUE(NonWhite(untouched).empty());
}

TEST(DrawGlyphAndCaption, PlacesTheGlyphByTheLayoutAndMovesItWhenPressed) {
  QImage strip(16, 6, QImage::Format_RGB32);
  strip.fill(qRgb(200, 0, 0));
  for (int x = 0; x < 16; ++x) strip.setPixel(x, 5, qRgb(0, 255, 0));  // the bottom row is the key
  TBitmap target(40, 30);
  DrawGlyphAndCaption(target.Canvas, Rect(0, 0, 40, 30), -1, 4, blGlyphLeft, QString(), TBitmap(strip), 2, 1, false);
  // No caption: the 8 × 6 cell is centred, (20 − (8 + 4) div 2, 15 − 3), its last row transparent.
  EXPECT_EQ(At(target, 14, 12), qRgb(200, 0, 0));
  EXPECT_EQ(At(target, 13, 12), kWhite);
  EXPECT_EQ(At(target, 14, 17), kWhite);
  TBitmap pressed(40, 30);
  DrawGlyphAndCaption(pressed.Canvas, Rect(0, 0, 40, 30), -1, 4, blGlyphLeft, QString(), TBitmap(strip), 2, 1, true);
  EXPECT_EQ(At(pressed, 14, 12), kWhite);
  EXPECT_EQ(At(pressed, 15, 13), qRgb(200, 0, 0));
}

TEST(DrawImageAndCaption, DrawsTheListImageEnabledOrGreyedAndNothingOutsideTheList) {
  TCustomImageList images(4, 4);
  QImage red(4, 4, QImage::Format_RGB32);
  red.fill(qRgb(200, 0, 0));
  red.setPixel(0, 3, qRgb(0, 255, 0));
  images.AddMasked(red, RGBColor(0, 255, 0));

  TBitmap enabled(20, 20);
  DrawImageAndCaption(enabled.Canvas, Rect(0, 0, 20, 20), 2, 0, blGlyphLeft, QString(), &images, 0, true, false);
  EXPECT_EQ(At(enabled, 2, 8), qRgb(200, 0, 0));  // (left + margin, cy − 4 div 2)
  EXPECT_EQ(At(enabled, 2, 11), kWhite);          // the transparent pixel
  EXPECT_EQ(NonWhite(enabled).size(), 15u);

  TBitmap greyed(20, 20);
  DrawImageAndCaption(greyed.Canvas, Rect(0, 0, 20, 20), 2, 0, blGlyphLeft, QString(), &images, 0, false, false);
  EXPECT_EQ(At(greyed, 2, 8), ToQColor(clBtnShadow).rgb());
  EXPECT_EQ(At(greyed, 6, 12), ToQColor(clBtnHighlight).rgb());  // the highlight one pixel down-right

  TBitmap none(20, 20);
  DrawImageAndCaption(none.Canvas, Rect(0, 0, 20, 20), 2, 0, blGlyphLeft, QString(), &images, 1, true, false);
  EXPECT_TRUE(NonWhite(none).empty());
}
