// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include "show/CaptionFont.h"
#include "support/WideCaption.h"
#include "wire/LedFrame.h"

namespace {

class RecordingSink : public ByteSink {
 public:
  bool WriteByte(std::uint8_t byte) override {
    bytes.push_back(byte);
    return true;
  }
  std::vector<std::uint8_t> bytes;
};

std::vector<std::uint8_t> Pack(const TBitmap& frame) {
  RecordingSink sink;
  EXPECT_TRUE(PackFrame(frame, sink));
  return sink.bytes;
}

TBitmap BlackFrameWithRedAt(int x, int y) {
  TBitmap frame = CreateLedFrame();
  ClearFrame(frame);
  frame.Canvas.SetPixel(x, y, RGBColor(255, 0, 0));
  return frame;
}

int CountLitPixels(const TBitmap& frame) {
  int lit = 0;
  for (int y = 0; y < kLedHeight; ++y)
    for (int x = 0; x < kLedWidth; ++x) lit += GetRValue(frame.Canvas.Pixel(x, y)) != 0;
  return lit;
}

}  // namespace

TEST(PackFrame, MapsEachPixelToItsBit) {
  const auto black = Pack(BlackFrameWithRedAt(-1, -1));
  ASSERT_EQ(black.size(), 384u);
  EXPECT_TRUE(std::all_of(black.begin(), black.end(), [](std::uint8_t b) { return b == 0xFF; }));

  const auto origin = Pack(BlackFrameWithRedAt(0, 0));
  EXPECT_EQ(origin[0], 0xFE);
  EXPECT_TRUE(std::all_of(origin.begin() + 1, origin.end(), [](std::uint8_t b) { return b == 0xFF; }));

  EXPECT_EQ(Pack(BlackFrameWithRedAt(7, 0))[0], 0x7F);

  const auto row1 = Pack(BlackFrameWithRedAt(8, 1));
  EXPECT_EQ(row1[25], 0xFE);  // row 1, column 1
  EXPECT_EQ(std::count(row1.begin(), row1.end(), 0xFF), 383);
}

TEST(PackFrame, AnyRedAtAllIsText) {
  TBitmap frame = CreateLedFrame();
  ClearFrame(frame);
  frame.Canvas.SetPixel(191, 15, RGBColor(1, 200, 200));  // faint red still counts
  frame.Canvas.SetPixel(190, 15, RGBColor(0, 255, 255));  // no red: background
  const auto bytes = Pack(frame);
  EXPECT_EQ(bytes[383], 0x7F);
}

TEST(PackFrame, StopsWhenTheSinkFails) {
  class FailingSink : public ByteSink {
   public:
    bool WriteByte(std::uint8_t) override { return ++count < 10; }
    int count = 0;
  } sink;
  EXPECT_FALSE(PackFrame(CreateLedFrame(), sink));
  EXPECT_EQ(sink.count, 10);
}

TEST(PageCount, CutsIntoWholePages) {
  EXPECT_EQ(PageCount(0), 1);
  EXPECT_EQ(PageCount(192), 1);
  EXPECT_EQ(PageCount(193), 2);
  EXPECT_EQ(PageCount(384), 2);
  EXPECT_EQ(PageCount(400), 3);
}

TEST(LedFrameRendering, EmptyCaptionLeavesTheFrameBlack) {
  TBitmap frame = CreateLedFrame();
  frame.Canvas.SetPixel(5, 5, clRed);  // whatever the last send left
  RenderCentred(frame, InitialCaptionFont(), QString());
  EXPECT_EQ(MeasureCaption(frame, QString()).cx, 0);
  EXPECT_EQ(CountLitPixels(frame), 0);
}

TEST(LedFrameRendering, DrawsPureRedWithoutSmoothingWhateverTheFontColour) {
  TFont blue = InitialCaptionFont();
  blue.Color = clBlue;
  TBitmap frame = CreateLedFrame();
  RenderCentred(frame, blue, QStringLiteral("字幕"));
  ASSERT_GT(CountLitPixels(frame), 20);
  for (int y = 0; y < kLedHeight; ++y)
    for (int x = 0; x < kLedWidth; ++x) {
      const TColor c = frame.Canvas.Pixel(x, y);
      EXPECT_TRUE(c == clBlack || c == RGBColor(255, 0, 0)) << x << "," << y;
    }
}

TEST(LedFrameRendering, CentresByTruncatingDivision) {
  TBitmap frame = CreateLedFrame();
  PrepareFrame(frame, InitialCaptionFont());
  // A 19-pixel font has a cell taller than the sign: Y = (16 - H) div 2 is negative and
  // rounds toward zero.
  const TSize extent = MeasureCaption(frame, QStringLiteral("A"));
  ASSERT_GE(extent.cy, 19);
  const int y = (16 - extent.cy) / 2;
  EXPECT_LE(y, -1);
  EXPECT_EQ(y, -((extent.cy - 16) / 2));

  // The caption's left edge sits at (192 - W) div 2: a one-pixel-wide mark shows where.
  TFont font = InitialCaptionFont();
  ClearFrame(frame);
  PrepareFrame(frame, font);
  const QString caption = QStringLiteral("  |  ");  // leading and trailing spaces count
  const int width = MeasureCaption(frame, caption).cx;
  const int spaces = MeasureCaption(frame, QStringLiteral("  ")).cx;
  DrawCentred(frame, caption);
  int firstLit = -1;
  for (int x = 0; x < kLedWidth && firstLit < 0; ++x)
    for (int yy = 0; yy < kLedHeight; ++yy)
      if (GetRValue(frame.Canvas.Pixel(x, yy)) != 0) { firstLit = x; break; }
  EXPECT_GE(firstLit, (192 - width) / 2 + spaces);
  EXPECT_LT(firstLit, (192 - width) / 2 + spaces + MeasureCaption(frame, QStringLiteral("|")).cx);
}

TEST(LedFrameRendering, PagesShowConsecutiveSlicesLeftAligned) {
  TBitmap frame = CreateLedFrame();
  PrepareFrame(frame, InitialCaptionFont());
  // Build a caption just over one page wide: its second page holds only the last columns.
  const QString caption = CaptionWiderThan(InitialCaptionFont(), kLedWidth, QStringLiteral("W"));
  const int width = MeasureCaption(frame, caption).cx;
  ASSERT_EQ(PageCount(width), 2);

  DrawPage(frame, caption, 1);
  int rightmost = -1;
  for (int x = 0; x < kLedWidth; ++x)
    for (int y = 0; y < kLedHeight; ++y)
      if (GetRValue(frame.Canvas.Pixel(x, y)) != 0) rightmost = std::max(rightmost, x);
  EXPECT_LT(rightmost, width - kLedWidth);  // nothing beyond the caption's end

  TBitmap page0 = CreateLedFrame();
  PrepareFrame(page0, InitialCaptionFont());
  DrawPage(page0, caption, 0);
  TBitmap whole(width + 8, kLedHeight);
  whole.Canvas.Font = page0.Canvas.Font;
  whole.Canvas.Brush.Color = clBlack;
  whole.Canvas.FillRect(Rect(0, 0, whole.Width(), kLedHeight));
  whole.Canvas.TextOut(0, (16 - MeasureCaption(page0, caption).cy) / 2, caption);
  for (int x = 0; x < kLedWidth; ++x)
    for (int y = 0; y < kLedHeight; ++y)
      ASSERT_EQ(page0.Canvas.Pixel(x, y), whole.Canvas.Pixel(x, y)) << x << "," << y;
}
