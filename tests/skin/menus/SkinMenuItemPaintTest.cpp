// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Menu lines pixel by pixel: the built-in look, the program skin's pictures and hover fade, the
// command glyphs, check marks, radio dots, sub-menu arrows and the scroll markers.
#include <gtest/gtest.h>

#include "MenuFixtures.h"
#include "platform/Bitmap.h"
#include "skin/controls/EffectBmp.h"
#include "skin/menus/SkinMenuItemPaint.h"
#include "skin/menus/SkinPopupContent.h"

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kButtonFace = 0xFFC0C0C0;
constexpr QRgb kButtonShadow = 0xFF808080;
constexpr QRgb kActiveFill = 0xFFB6BDD2;   // $D2BDB6
constexpr QRgb kActiveFrame = 0xFF000080;  // $800000
constexpr QRgb kSkinFont = 0xFF1E3028;     // the program skin's "fontcolor" 2633758

class SkinMenuItemPaintTest : public ::testing::Test {
 protected:
  // Builds the popup for the menu and paints line `index`.
  TBitmap Line(int index, const TSkinData* skin = nullptr) {
    content.Build(SkinMenuLookOf(skin, settings), settings, menu.Items(), 0, {0, 0, 800, 600});
    return PaintNow(index);
  }
  TBitmap PaintNow(int index) {
    TBitmap bitmap;
    PaintMenuItem(bitmap, content.Item(index), {content.Look(), content.Images(), content.ImageColumnWidth()});
    return bitmap;
  }
  // The pixels of row y from x0 to x1 (exclusive) all have the colour.
  static bool Row(const TBitmap& b, int y, int x0, int x1, QRgb colour) {
    for (int x = x0; x < x1; ++x)
      if (At(b, x, y) != colour) return false;
    return true;
  }

  // The menu skin with the item keys `extra`, loaded, and the line of a one-line menu built with it.
  TSkinMenuItem& AnimatedLine(const QString& extra) {
    WriteMenuSkin(2, extra);
    LoadFolderSkin(stored, skin);
    menu.Items().Add(QStringLiteral("Anim"));
    Line(0, &skin);
    return content.Item(0);
  }

  TCompressedStoredSkin stored;
  TSkinData skin;
  TPopupMenu menu;
  TSkinMenuSettings settings;
  TSkinPopupContent content;
};

}  // namespace

TEST_F(SkinMenuItemPaintTest, BuiltInLineStatesAndTheMinimizeGlyph) {
  TMenuItem* item = menu.Items().Add(QStringLiteral("Mi&nimize"), QStringLiteral("SF_MINITEM"));
  TBitmap normal = Line(0);
  EXPECT_EQ(normal.Height(), 20);
  // The glyph: two lines from x 5 to 12 at rows 14 and 15 ((4, 6) is its corner), window text.
  EXPECT_TRUE(Row(normal, 14, 5, 13, kBlack));
  EXPECT_TRUE(Row(normal, 15, 5, 13, kBlack));
  EXPECT_EQ(At(normal, 5, 13), kButtonFace);
  EXPECT_EQ(At(normal, 13, 14), kButtonFace);
  EXPECT_EQ(At(normal, 30, 1) | kBlack, 0xFFFFFFFF);  // the window colour right of the column

  content.Item(0).Highlighted = true;
  TBitmap hot = PaintNow(0);
  EXPECT_EQ(At(hot, 0, 0), kActiveFrame);
  EXPECT_EQ(At(hot, 1, 1), kActiveFill);
  EXPECT_TRUE(Row(hot, 14, 5, 13, kBlack));

  item->Enabled = false;
  TBitmap disabled = Line(0);
  EXPECT_TRUE(Row(disabled, 15, 5, 13, kButtonShadow));
}

TEST_F(SkinMenuItemPaintTest, BuiltInMarksArrowAndSeparator) {
  AddItems(menu.Items(), {"Wrap", "Radio", "More>", "-"});
  menu.Items().Items(0)->Checked = true;
  menu.Items().Items(1)->Checked = menu.Items().Items(1)->RadioItem = true;
  menu.AutoLineReduction = false;
  // Check mark from (5, 6): its first stroke starts at (5, 11).
  TBitmap check = Line(0);
  EXPECT_EQ(At(check, 5, 11), kBlack);
  EXPECT_EQ(At(check, 5, 7), kButtonFace);
  // The dot from (5, 7): round, 6 × 6.
  TBitmap radio = PaintNow(1);
  EXPECT_EQ(At(radio, 7, 9), kBlack);
  EXPECT_EQ(At(radio, 5, 8), kBlack);
  EXPECT_EQ(At(radio, 5, 7), kButtonFace);
  EXPECT_EQ(At(radio, 11, 9), kButtonFace);
  // The arrow: columns of 7, 5, 3 and 1 pixels from 9 left of the right edge, starting at row 6.
  TBitmap more = PaintNow(2);
  const int x = more.Width() - 9;
  EXPECT_EQ(At(more, x, 6), kBlack);
  EXPECT_EQ(At(more, x, 12), kBlack);
  EXPECT_NE(At(more, x, 13), kBlack);
  EXPECT_EQ(At(more, x + 3, 9), kBlack);
  EXPECT_NE(At(more, x + 3, 8), kBlack);
  // A separator is a shadow line through the middle, from the image column on.
  TBitmap line = PaintNow(3);
  EXPECT_EQ(line.Height(), 4);
  EXPECT_TRUE(Row(line, 2, 19, line.Width(), kButtonShadow));
  EXPECT_EQ(At(line, 18, 2), kButtonFace);
}

TEST_F(SkinMenuItemPaintTest, AnItemThatDrawsItselfGetsTheBandInstead) {
  TMenuItem* item = menu.Items().Add(QStringLiteral("Own"));
  TRect band{};
  bool selected = false;
  item->OnDrawItem = [&](TMenuItem* sender, TCanvas& canvas, const TRect& rect, bool active) {
    EXPECT_EQ(sender, item);
    band = rect;
    selected = active;
    canvas.SetPixel(rect.Left, rect.Top, clRed);
  };
  Line(0);
  content.Item(0).Highlighted = true;
  const TBitmap drawn = PaintNow(0);
  EXPECT_EQ(band, (TRect{2, 2, drawn.Width() - 2, 18}));
  EXPECT_TRUE(selected);
  EXPECT_EQ(At(drawn, 2, 2), 0xFFFF0000u);
}

TEST_F(SkinMenuItemPaintTest, ProgramSkinFacesFadeAndTheGlyphSitsInTheImageRect) {
  LoadStoredSkin(stored, skin);
  const TBitmap& picture = *skin.ActivePictures[kItemPictureIndex];
  menu.Items().Add(QStringLiteral("Mi&nimize"), QStringLiteral("SF_MINITEM"));
  const TBitmap normal = Line(0, &skin);
  ASSERT_EQ(normal.Height(), kItemSkinRect.Height());
  EXPECT_EQ(At(normal, 1, 1), At(picture, 1, 1));
  // The glyph centred in "imagerect" 3,0,23,20: corner (9, 6).
  EXPECT_TRUE(Row(normal, 14, 10, 18, kSkinFont));

  // Highlighting fades in over five steps; half way the face is a mix of both looks.
  TSkinMenuItem& item = content.Item(0);
  item.Highlighted = true;
  EXPECT_EQ(At(PaintNow(0), 1, 1), At(picture, 1, 1));  // the fade has not started
  ASSERT_TRUE(item.StepEffects(content.Look()));
  ASSERT_TRUE(item.StepEffects(content.Look()));
  const QRgb from = At(picture, 1, 1), to = At(picture, 1, 23);
  const QRgb mixed = At(PaintNow(0), 1, 1);
  EXPECT_EQ(qGreen(mixed), RoundByte(0.6 * qGreen(from) + 0.4 * qGreen(to)));
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(item.StepEffects(content.Look()));
  EXPECT_FALSE(item.StepEffects(content.Look()));
  const TBitmap hot = PaintNow(0);
  EXPECT_EQ(At(hot, 1, 1), to);
  EXPECT_TRUE(Row(hot, 14, 10, 18, 0xFFFFFFFF));  // "activefontcolor"
}

TEST_F(SkinMenuItemPaintTest, ScrollMarkersDarkenInTheDirectionThatScrolls) {
  for (int i = 0; i < 40; ++i) menu.Items().Add(QStringLiteral("Line %1").arg(i));
  Line(0);
  ASSERT_TRUE(content.Scrolling());
  const TRect band = content.BottomMarkerBand();
  const int cx = band.Left + band.Width() / 2, tip = band.Top + band.Height() / 2 + 2;
  TBitmap popup;
  content.Paint(popup);
  EXPECT_EQ(At(popup, cx, tip), kButtonShadow);
  EXPECT_EQ(At(popup, cx, tip + 1) | kBlack, 0xFFFFFFFF);
  content.ScrollDirection = sdDown;
  content.Paint(popup);
  EXPECT_EQ(At(popup, cx, tip), kBlack);
}

TEST_F(SkinMenuItemPaintTest, AFrameAnimationPlaysForwardOnSelectingAndBackOnLeaving) {
  TSkinMenuItem& item =
      AnimatedLine(QStringLiteral("animateskinrect=0,36,60,68\nframecount=2\nanimateinterval=30\ninactiveanimation=1"));
  ASSERT_EQ(PaintNow(0).Height(), 16);
  ASSERT_TRUE(content.Look().AnimationOn());
  // Where the face's top-left pixel comes from in the item picture, as (x, y).
  const auto source = [&] { return From(PaintNow(0), 0, 0); };
  EXPECT_EQ(source(), (TPoint{0, 0}));
  item.Highlighted = true;
  std::vector<int> rows;
  while (item.StepEffects(content.Look())) rows.push_back(source().Y);
  EXPECT_EQ(rows, (std::vector<int>{36, 52}));
  // Leaving starts past the last frame and plays back down to the normal face.
  item.Highlighted = false;
  item.AnimateFrame = 3;
  rows.clear();
  while (item.StepEffects(content.Look())) rows.push_back(source().Y);
  EXPECT_EQ(rows, (std::vector<int>{52, 36, 0}));
}

// A strip no taller than the line holds its frames side by side (even when it is no wider
// either, where a push button would stack them).
TEST_F(SkinMenuItemPaintTest, AnimationFramesLieSideBySideInAStripNoTallerThanTheLine) {
  TSkinMenuItem& item = AnimatedLine(QStringLiteral("animateskinrect=0,36,60,52\nframecount=2"));
  item.Highlighted = true;
  std::vector<TPoint> sources;
  while (item.StepEffects(content.Look())) sources.push_back(From(PaintNow(0), 0, 0));
  EXPECT_EQ(sources, (std::vector<TPoint>{{0, 36}, {30, 36}}));
}
