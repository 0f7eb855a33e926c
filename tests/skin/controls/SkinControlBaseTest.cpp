// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The skinned control base: binding to skin data, the skin-change protocol a window runs for
// its controls, window regions from the skin's mask, the default size, and the frame-only paint.
#include <QGroupBox>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "ButtonSkins.h"
#include "platform/Form.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinChangeProtocol.h"

namespace {

// A mask for the 72 × 42 test picture: black (inside) except the first pixel of each row of the
// button's 24 × 21 skin rectangle.
QImage ButtonMask() {
  QImage mask(72, 42, QImage::Format_RGB32);
  mask.fill(qRgb(0, 0, 0));
  for (int y = 0; y < 21; ++y) mask.setPixel(0, y, qRgb(255, 255, 255));
  return mask;
}

const QString kThreePartButton = QStringLiteral(
    "skinrect=0,0,24,21\nlefttoppoint=4,8\nrighttoppoint=18,9\nclientrect=2,2,22,19\nmaskpictureindex=1\n");

// A panel-like control that paints only its border and tiles its client.
class FramePanel : public TSkinCustomControl {
 public:
  explicit FramePanel(QWidget* parent, bool tile) : TSkinCustomControl(parent) {
    FrameOnlyPaint = true;
    TileClientBackground = tile;
    SetSkinDataName(QStringLiteral("button"));
  }
};

class SkinControlBaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Client()->resize(300, 200);
    // The window passes skin changes on to its controls, as the skinned frame will.
    const TWndMethod inherited = form.WindowProc;
    form.WindowProc = [this, inherited](TMessage& m) {
      ApplySkinMessageToForm(form, m);
      inherited(m);
    };
  }

  TSkinButton* AddButton(QWidget* parent, TSkinData* skin) {
    auto* button = new TSkinButton(parent);
    button->SetBounds(5, 5, 75, 25);
    button->SetSkinData(skin);
    return button;
  }

  TForm form;
};

}  // namespace

TEST_F(SkinControlBaseTest, ASkinChangeReachesEveryControlBoundToThatSkinDataAtAnyDepth) {
  TCompressedStoredSkin stored;
  TSkinData first, second;
  LoadStoredSkin(stored, first);
  LoadStoredSkin(stored, second);
  auto* box = new QGroupBox(form.Client());
  TSkinButton* nested = AddButton(box, &first);
  TSkinButton* direct = AddButton(form.Client(), &first);
  TSkinButton* other = AddButton(form.Client(), &second);
  ASSERT_EQ(nested->SkinObjectIndex(), 0);

  TMessage before{SKINMSG_BEFORE_CHANGE, WPARAM(&first), kSkinMessageLParam, 0};
  EXPECT_TRUE(ApplySkinMessageToForm(form, before));
  EXPECT_EQ(nested->SkinObjectIndex(), -1);
  EXPECT_EQ(direct->SkinObjectIndex(), -1);
  EXPECT_EQ(other->SkinObjectIndex(), 0);

  // Naming no skin data reaches them all.
  TMessage all{SKINMSG_BEFORE_CHANGE, 0, kSkinMessageLParam, 0};
  ApplySkinMessageToForm(form, all);
  EXPECT_EQ(other->SkinObjectIndex(), -1);
  TMessage change{SKINMSG_CHANGE, 0, kSkinMessageLParam, 0};
  ApplySkinMessageToForm(form, change);
  EXPECT_EQ(nested->SkinObjectIndex(), 0);
  EXPECT_EQ(other->SkinObjectIndex(), 0);

  TMessage unrelated{SKINMSG_AFTER_CHANGE, 0, 0, 0};
  EXPECT_FALSE(ApplySkinMessageToForm(form, unrelated));
}

TEST_F(SkinControlBaseTest, ReloadingTheSkinResizesAndReshapesTheControls) {
  WriteButtonSkin(kThreePartButton, ButtonMask());
  TCompressedStoredSkin stored;
  TSkinData skin(&form);
  LoadFolderSkin(stored, skin);
  TSkinButton* button = AddButton(form.Client(), &skin);
  EXPECT_EQ(button->size(), QSize(75, 21));
  // The mask's cut-away first column stays at the left end only.
  ASSERT_FALSE(button->mask().isEmpty());
  EXPECT_FALSE(button->mask().contains(QPoint(0, 5)));
  EXPECT_TRUE(button->mask().contains(QPoint(1, 5)));
  EXPECT_TRUE(button->mask().contains(QPoint(74, 5)));

  // A taller skin without a mask: the load's messages reach the window, which passes them on.
  WriteButtonSkin(QStringLiteral("skinrect=0,0,24,30\nlefttoppoint=4,8\nrighttoppoint=18,9\nclientrect=2,2,22,28\n"));
  TCompressedStoredSkin taller;
  LoadFolderSkin(taller, skin);
  EXPECT_EQ(button->size(), QSize(75, 30));
  EXPECT_EQ(button->NewClientRect(), (TRect{2, 2, 73, 28}));
  EXPECT_TRUE(button->mask().isEmpty());
}

TEST_F(SkinControlBaseTest, BindingFollowsTheSkinDataAndItsEntryName) {
  TSkinButton* button = AddButton(form.Client(), nullptr);
  // Empty skin data: nothing happens.
  TSkinData empty;
  button->SetSkinData(&empty);
  EXPECT_EQ(button->size(), QSize(75, 25));
  EXPECT_EQ(button->SkinObjectIndex(), -1);

  auto skin = std::make_unique<TSkinData>();
  TCompressedStoredSkin stored;
  LoadStoredSkin(stored, *skin);
  button->SetSkinData(skin.get());
  EXPECT_EQ(button->SkinObjectIndex(), 0);

  // A new name counts from the next refresh (a paint); a name the skin lacks gives the plain look.
  button->SetSkinDataName(QStringLiteral("Button"));
  EXPECT_EQ(button->SkinObjectIndex(), 0);
  button->PaintToImage();
  EXPECT_EQ(button->SkinObjectIndex(), -1);

  // Without a control skin the default size applies; 0 keeps the size.
  button->SetDefaultWidth(0);
  EXPECT_EQ(button->width(), 75);
  button->SetDefaultWidth(90);
  EXPECT_EQ(button->width(), 90);

  // The skin data goes away: the reference is cleared.
  skin.reset();
  EXPECT_EQ(button->SkinData(), nullptr);
  button->PaintToImage();
  EXPECT_EQ(button->SkinObjectIndex(), -1);
}

TEST_F(SkinControlBaseTest, AnEntryOfAnotherKindKeepsItsRectanglesSizeAndDrawsNoPicture) {
  WriteButtonSkin(QStringLiteral("skinrect=0,0,30,20\n"), {}, QStringLiteral("stdlabel"));
  TCompressedStoredSkin stored;
  TSkinData skin;
  LoadFolderSkin(stored, skin);
  TSkinButton* button = AddButton(form.Client(), &skin);
  EXPECT_EQ(button->SkinObjectIndex(), 0);
  EXPECT_EQ(button->SizingScheme(), TSizingScheme::ssFixed);
  EXPECT_EQ(button->size(), QSize(30, 20));
  EXPECT_EQ(button->SkinPicture(), nullptr);
}

TEST_F(SkinControlBaseTest, FrameOnlyPaintDrawsTheBorderAndTilesTheClient) {
  // Nine-part: corners 10 × 10 of a 30 × 30 rectangle, client 10,10,20,20.
  WriteButtonSkin(QStringLiteral(
      "skinrect=0,0,30,30\nlefttoppoint=10,10\nrighttoppoint=20,10\nleftbottompoint=10,20\n"
      "rightbottompoint=20,20\nclientrect=10,10,20,20\n"));
  TCompressedStoredSkin stored;
  TSkinData skin;
  LoadFolderSkin(stored, skin);
  FramePanel panel(form.Client(), true);
  panel.SetSkinData(&skin);
  panel.SetBounds(0, 0, 55, 45);
  ASSERT_EQ(panel.SizingScheme(), TSizingScheme::ssNinePart);
  EXPECT_EQ(panel.size(), QSize(55, 45));
  const TBitmap shown(panel.PaintToImage());
  EXPECT_EQ(From(shown, 0, 0), (TPoint{0, 0}));
  EXPECT_EQ(From(shown, 54, 44), (TPoint{29, 29}));
  // The client (10,10)-(45,35) is tiled with the 10 × 10 client picture from (10, 10).
  EXPECT_EQ(From(shown, 10, 10), (TPoint{10, 10}));
  EXPECT_EQ(From(shown, 23, 31), (TPoint{13, 11}));
  EXPECT_EQ(From(shown, 44, 34), (TPoint{14, 14}));
}
