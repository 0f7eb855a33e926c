// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// A popup's size, geometry, line layout and outline, built from menus in memory.
#include <gtest/gtest.h>

#include "MenuFixtures.h"
#include "platform/ImageList.h"
#include "skin/controls/SkinText.h"
#include "skin/menus/SkinPopupContent.h"

namespace {

constexpr TRect kWorkArea{0, 0, 800, 600};

class SkinPopupContentTest : public ::testing::Test {
 protected:
  void Build(const TSkinData* skinData = nullptr, int startIndex = 0, TRect workArea = kWorkArea) {
    content.Build(SkinMenuLookOf(skinData, settings), settings, menu.Items(), startIndex, workArea);
  }
  int TextWidth(const QString& text) {
    TBitmap scratch(1, 1);
    scratch.Canvas.Font = TSkinMenuSettings::DefaultMenuItemFont();
    return MeasureTextWidth(scratch.Canvas, text);
  }

  TPopupMenu menu;
  TSkinMenuSettings settings;
  TSkinPopupContent content;
};

}  // namespace

TEST_F(SkinPopupContentTest, BuiltInLookSizesLinesAndFrame) {
  AddItems(menu.Items(), {"One", "Two", "Three", "Four", "&Five"});
  menu.Items().Items(4)->ShortCut = ShortCut(0x73, scAlt);
  Build();
  EXPECT_FALSE(content.Look().Skinned());
  EXPECT_EQ(content.Height(), 104);  // five lines of 20 and a 2-pixel frame above and below
  EXPECT_EQ(content.Width(), TextWidth(QStringLiteral("&Five  Alt+F4")) + 2 + 19 + 19 + 10);
  EXPECT_EQ(content.ResizedItemsRect(), (TRect{2, 2, content.Width() - 2, 102}));
  EXPECT_EQ(content.Item(1).Rect, (TRect{2, 22, content.Width() - 2, 42}));
  EXPECT_FALSE(content.Scrolling());

  // A separator takes 4 pixels; an image list widens the image column.
  menu.Items().Insert(2, std::make_unique<TMenuItem>(QStringLiteral("-")));
  TCustomImageList images(24, 16);
  menu.Images = &images;
  Build();
  EXPECT_EQ(content.Height(), 108);
  EXPECT_EQ(content.ImageColumnWidth(), 29);
  EXPECT_EQ(content.Width(), TextWidth(QStringLiteral("&Five  Alt+F4")) + 2 + 29 + 19 + 10);
}

TEST_F(SkinPopupContentTest, ListsVisibleItemsFromTheStartIndexWithRedundantLinesLeftOut) {
  AddItems(menu.Items(), {"-", "Skipped", "Shown", "Hidden", "-", "-", "Last>", "-"});
  menu.Items().Items(3)->Visible = false;
  const auto captions = [this] {
    QStringList list;
    for (int i = 0; i < content.Count(); ++i) list << content.Item(i).Caption();
    return list;
  };
  Build();
  EXPECT_EQ(captions(), (QStringList{"Skipped", "Shown", "-", "Last"}));
  Build(nullptr, 2);
  EXPECT_EQ(captions(), (QStringList{"Shown", "-", "Last"}));
  EXPECT_TRUE(content.Item(2).HasChildren());

  menu.AutoLineReduction = false;
  Build(nullptr, 2);
  EXPECT_EQ(captions(), (QStringList{"Shown", "-", "-", "Last", "-"}));
}

TEST_F(SkinPopupContentTest, AMenuTallerThanTheWorkAreaScrollsAtItsHeight) {
  for (int i = 0; i < 40; ++i) menu.Items().Add(QStringLiteral("Line %1").arg(i));
  Build();
  EXPECT_EQ(content.Height(), 600);
  EXPECT_TRUE(content.Scrolling());
  EXPECT_FALSE(content.LimitScrolling());
  // Lines start below the top marker band and stop before the bottom one.
  EXPECT_EQ(content.Item(0).Rect.Top, 12);
  EXPECT_EQ(content.VisibleItemCount(), 28);
  EXPECT_TRUE(content.Item(27).Shown);
  EXPECT_FALSE(content.Item(28).Shown);
  EXPECT_TRUE(content.CanScrollDown());

  content.SetFirstVisibleIndex(12);
  EXPECT_FALSE(content.Item(11).Shown);
  EXPECT_EQ(content.Item(12).Rect.Top, 12);
  EXPECT_EQ(content.ItemAt(QPoint(20, 15)), 12);
  content.SetFirstVisibleIndex(99);  // kept within the list
  EXPECT_EQ(content.FirstVisibleIndex(), 39);
  EXPECT_FALSE(content.CanScrollDown());
}

TEST_F(SkinPopupContentTest, AnItemLimitScrollsTheRest) {
  AddItems(menu.Items(), {"A", "B", "C", "D", "E"});
  settings.MaxMenuItemsInWindow = 3;
  Build();
  EXPECT_EQ(content.Height(), 3 * 20 + 4 + 20);
  EXPECT_TRUE(content.Scrolling());
  EXPECT_TRUE(content.LimitScrolling());
  EXPECT_EQ(content.VisibleItemCount(), 3);
  settings.MaxMenuItemsInWindow = 5;  // no more items than the limit
  Build();
  EXPECT_EQ(content.Height(), 104);
  EXPECT_FALSE(content.Scrolling());
}

TEST_F(SkinPopupContentTest, TheProgramSkinSizesLinesFromItsMenuItem) {
  TCompressedStoredSkin stored;
  TSkinData skin;
  LoadStoredSkin(stored, skin);
  AddItems(menu.Items(), {"Ro&llUp", "-", "&Close"});
  menu.Items().Items(2)->ShortCut = ShortCut(0x73, scAlt);
  Build(&skin);
  ASSERT_TRUE(content.Look().Skinned());
  // Lines 22 and 8 high, and the frame's 4 pixels around the items area.
  EXPECT_EQ(content.Height(), 22 + 8 + 22 + 4);
  // The text, the image column, the frame (88 - 84) and the item around its text (68 - 34).
  const int a = TextWidth(QStringLiteral("&Close  Alt+F4")) + 2 + 19 + 19;
  EXPECT_EQ(content.Width(), a + 4 + 34);
  EXPECT_EQ(content.ResizedItemsRect(), (TRect{2, 2, content.Width() - 2, 54}));
  EXPECT_EQ(content.Item(1).Rect, (TRect{2, 24, content.Width() - 2, 32}));
  EXPECT_FALSE(content.Region());  // the program's frame has no mask

  // Without the skin font, the default one measures.
  settings.UseSkinFont = false;
  settings.DefMenuItemFont.Height = 20;
  Build(&skin);
  EXPECT_EQ(content.Look().Font.Height, 20);
}

TEST_F(SkinPopupContentTest, AMaskedFrameCutsTheOutlineAndAMissingItemPictureFallsBack) {
  WriteMenuSkin();
  TCompressedStoredSkin stored;
  TSkinData skin;
  LoadFolderSkin(stored, skin);
  AddItems(menu.Items(), {"One", "-", "Two"});
  Build(&skin);
  ASSERT_TRUE(content.Look().Skinned());
  EXPECT_EQ(content.Height(), 16 + 4 + 16 + 6);
  ASSERT_TRUE(content.Region());
  const QRegion& region = *content.Region();
  const int W = content.Width(), H = content.Height();
  for (const QPoint corner : {QPoint(0, 0), QPoint(W - 1, 0), QPoint(0, H - 1), QPoint(W - 1, H - 1)})
    EXPECT_FALSE(region.contains(corner)) << corner.x() << "," << corner.y();
  EXPECT_TRUE(region.contains(QPoint(1, 0)));
  EXPECT_TRUE(region.contains(QPoint(W / 2, H / 2)));

  // An item object whose picture is missing would give lines without height: the built-in look.
  WriteMenuSkin(7);
  TCompressedStoredSkin stored2;
  TSkinData skin2;
  LoadFolderSkin(stored2, skin2);
  Build(&skin2);
  EXPECT_FALSE(content.Look().Skinned());
  EXPECT_EQ(content.Height(), 20 + 4 + 20 + 4);
  EXPECT_FALSE(content.Region());
}
