// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <QCursor>
#include <QFile>
#include <QHelpEvent>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include "SkinPictures.h"
#include "platform/Application.h"
#include "platform/ApplicationHints.h"
#include "platform/Form.h"
#include "skin/controls/SkinHint.h"
#include "skin/controls/SkinHintWindow.h"
#include "skin/controls/SkinText.h"
#include "skin/controls/SkinWindowOS.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"

namespace {

// A skin folder with only a hint frame: a 42 × 22 coded picture (tag 9) whose mask cuts away
// the four corner pixels; client area 13,1,40,21.
void WriteHintSkin() {
  QImage mask(42, 22, QImage::Format_RGB32);
  mask.fill(qRgb(0, 0, 0));
  for (const QPoint p : {QPoint(0, 0), QPoint(41, 0), QPoint(0, 21), QPoint(41, 21)}) mask.setPixel(p, qRgb(255, 255, 255));
  ASSERT_TRUE(CodedPicture(42, 22, 9).Image().save("hw.bmp", "BMP"));
  ASSERT_TRUE(mask.save("hwmask.bmp", "BMP"));
  ASSERT_TRUE(CodedPicture(20, 20).Image().save("main.bmp", "BMP"));
  QFile ini("skin.ini");
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
  ini.write("[VERSION]\nskinname=hint test\n[PICTURES]\npicture=main.bmp\nmask=\nactivepicturescount=2\n"
            "0=hw.bmp\n1=hwmask.bmp\n[FORMINFO]\n[HINTWINDOW]\nwindowpictureindex=0\nmaskpictureindex=1\n"
            "lefttoppoint=14,1\nrighttoppoint=30,1\nleftbottompoint=14,21\nrightbottompoint=30,21\n"
            "clientrect=13,1,40,21\nfontname=Arial\nfontheight=14\nfontcolor=255\n"
            "[SKINOBJECTS]\ncount=0\n[SKINCONTROLS]\ncount=0\n");
}

class SkinHintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().MainForm = &form;
    ApplicationHints().HintPause = 40;
    ApplicationHints().HintHidePause = 200;
  }
  void TearDown() override { Application().MainForm = nullptr; }

  void LoadSkin() {
    WriteHintSkin();
    ASSERT_TRUE(stored.LoadFromIniFile("skin.ini"));
    skin.SetCompressedStoredSkin(&stored);
    ASSERT_FALSE(skin.Empty());
  }

  static TSkinHintWindow* AppWindow() { return dynamic_cast<TSkinHintWindow*>(ApplicationHints().HintWindow()); }

  static TSize TextSize(const TFont& font, const QString& text) {
    TBitmap scratch(1, 1);
    scratch.Canvas.Font = font;
    return {MeasureTextWidth(scratch.Canvas, text), MeasureTextHeight(scratch.Canvas, text)};
  }

  TForm form;
  TCompressedStoredSkin stored;
  TSkinData skin;
};

}  // namespace

TEST_F(SkinHintTest, SkinnedWindowWrapsTheTextInTheFrameAndTakesTheMaskOutline) {
  LoadSkin();
  TSkinHint hint(&form);
  hint.SetSkinData(&skin);
  TSkinHintWindow* window = AppWindow();
  ASSERT_NE(window, nullptr);
  window->ActivateHint(Bounds(100, 120, 0, 0), QStringLiteral("Close the window"));
  ASSERT_TRUE(window->isVisible());
  ASSERT_TRUE(window->Skinned());

  TFont font;
  font.Name = QStringLiteral("Arial");
  font.Height = 14;
  const TSize text = TextSize(font, QStringLiteral("Close the window"));
  const int width = std::max(text.cx + 13 + 42 - 40, 42);
  const int height = std::max(text.cy + 1 + 22 - 21, 22);
  EXPECT_EQ(window->geometry(), QRect(100, 120, width, height));
  EXPECT_EQ(window->SizedGeometry().CR, (TRect{13, 1, 40 + width - 42, 21 + height - 22}));

  ASSERT_TRUE(window->Region());
  EXPECT_FALSE(window->Region()->contains(QPoint(0, 0)));
  EXPECT_FALSE(window->Region()->contains(QPoint(width - 1, height - 1)));
  EXPECT_TRUE(window->Region()->contains(QPoint(1, 0)));
  EXPECT_TRUE(window->Region()->contains(QPoint(width / 2, height / 2)));

  // Painted from the frame picture: the bottom-right corner is copied 1:1.
  const QImage painted = window->grab().toImage();
  ASSERT_EQ(painted.size(), QSize(width, height));
  EXPECT_EQ(painted.pixel(width - 2, height - 1) | 0xFF000000u, Code(40, 21, 9));
  EXPECT_EQ(painted.pixel(1, 0) | 0xFF000000u, Code(1, 0, 9));
}

TEST_F(SkinHintTest, WithoutSkinShowsThePlainLookAtTextSizePlusFour) {
  TSkinHint hint(&form);
  TSkinHintWindow* window = AppWindow();
  window->ActivateHint(Bounds(50, 60, 0, 0), QStringLiteral("Plain"));
  ASSERT_TRUE(window->isVisible());
  EXPECT_FALSE(window->Skinned());
  EXPECT_FALSE(window->Region());
  const TSize text = TextSize(hint.DefaultFont, QStringLiteral("Plain"));
  EXPECT_EQ(window->size(), QSize(text.cx + 4, text.cy + 4));
  const QImage painted = window->grab().toImage();
  EXPECT_EQ(painted.pixel(0, 0) | 0xFF000000u, ToQColor(clBtnShadow).rgb());
  EXPECT_EQ(painted.pixel(1, 1) | 0xFF000000u, ToQColor(clInfoBk).rgb());
}

TEST_F(SkinHintTest, OnlyAnActiveHintOfTheMainFormShowsTooltips) {
  TForm other;
  TSkinHint elsewhere(&other);
  TSkinHintWindow* window = AppWindow();
  window->ActivateHint(Bounds(10, 10, 0, 0), QStringLiteral("x"));
  EXPECT_FALSE(window->isVisible());

  TSkinHint first(&form);
  TSkinHint second(&form);
  EXPECT_EQ(TSkinHint::ActiveMainFormHint(), &first);
  second.SetActive(true);
  EXPECT_FALSE(first.Active());
  EXPECT_EQ(TSkinHint::ActiveMainFormHint(), &second);
  second.SetActive(false);
  EXPECT_EQ(TSkinHint::ActiveMainFormHint(), nullptr);
  window = AppWindow();
  window->ActivateHint(Bounds(10, 10, 0, 0), QStringLiteral("x"));
  EXPECT_FALSE(window->isVisible());
}

TEST_F(SkinHintTest, NearTheScreensEdgeTheWindowMovesToTheOtherSide) {
  TSkinHint hint(&form);
  TSkinHintWindow* window = AppWindow();
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const QPoint corner(screen.right() - 3, screen.bottom() - 3);
  window->ActivateHint(Bounds(corner.x(), corner.y(), 0, 0), QStringLiteral("Edge"));
  EXPECT_EQ(window->pos(), QPoint(corner.x() - window->width() - 2, corner.y() - window->height() - 2));
}

TEST_F(SkinHintTest, AlphaFollowsTheHintAndComesBackWhenSwitchedOnAgain) {
  TSkinHint hint(&form);
  TSkinHintWindow* window = AppWindow();
  hint.AlphaBlend = true;
  hint.AlphaBlendValue = 153;
  window->ActivateHint(Bounds(10, 10, 0, 0), QStringLiteral("a"));
  EXPECT_NEAR(window->windowOpacity(), 0.6, 0.01);
  hint.AlphaBlend = false;
  window->ActivateHint(Bounds(10, 10, 0, 0), QStringLiteral("a"));
  EXPECT_DOUBLE_EQ(window->windowOpacity(), 1.0);
  hint.AlphaBlend = true;  // same value as before: still applied
  window->ActivateHint(Bounds(10, 10, 0, 0), QStringLiteral("a"));
  EXPECT_NEAR(window->windowOpacity(), 0.6, 0.01);
}

TEST_F(SkinHintTest, ObjectHintShowsAfterThePauseBelowThePointerAndHidesAfterTheHidePause) {
  LoadSkin();
  TSkinHint hint(&form);
  hint.SetSkinData(&skin);
  TSkinHintWindow& window = hint.HintWindow();
  hint.ActivateObjectHint(QStringLiteral("Minimize"));
  hint.ActivateObjectHint(QStringLiteral("Close"));  // replaces the pending one
  EXPECT_TRUE(hint.ObjectHintPending());
  EXPECT_FALSE(window.isVisible());
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.isVisible(); }, 2000));
  EXPECT_EQ(window.Caption(), QStringLiteral("Close"));
  const QPoint pointer = QCursor::pos();
  EXPECT_EQ(window.pos(), QPoint(pointer.x(), pointer.y() + CursorHeightMargin()));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 2000));
  EXPECT_FALSE(hint.ObjectHintPending());
}

TEST_F(SkinHintTest, HidingBeforeThePauseEndsKeepsTheObjectHintAway) {
  TSkinHint hint(&form);
  hint.ActivateObjectHint(QStringLiteral("Close"));
  hint.HideObjectHint();
  EXPECT_FALSE(hint.ObjectHintPending());
  QTest::qWait(150);
  EXPECT_FALSE(hint.HintWindow().isVisible());
}

TEST_F(SkinHintTest, ControlTooltipsGoThroughTheSkinnedWindowAndTheShowHintEvent) {
  TSkinHint hint(&form);
  QWidget control;
  control.setToolTip(QStringLiteral("Send the line"));
  control.setGeometry(0, 0, 50, 20);
  control.show();
  QString seen;
  hint.OnShowHint = [&](QString& text, bool& canShow, THintInfo& info) {
    seen = text;
    EXPECT_EQ(info.HintControl, &control);
    text = QStringLiteral("Send!");
    canShow = true;
  };
  QHelpEvent request(QEvent::ToolTip, QPoint(5, 5), control.mapToGlobal(QPoint(5, 5)));
  EXPECT_TRUE(QApplication::sendEvent(&control, &request));
  EXPECT_EQ(seen, QStringLiteral("Send the line"));
  TSkinHintWindow* window = AppWindow();
  ASSERT_TRUE(window && window->isVisible());
  EXPECT_EQ(window->Caption(), QStringLiteral("Send!"));

  hint.OnShowHint = [](QString&, bool& canShow, THintInfo&) { canShow = false; };
  window->hide();
  QApplication::sendEvent(&control, &request);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(SkinHintTest, TheLastHintGoneGivesTooltipsTheirPlainWindowBack) {
  {
    TSkinHint hint(&form);
    EXPECT_NE(AppWindow(), nullptr);
  }
  ASSERT_NE(ApplicationHints().HintWindow(), nullptr);
  EXPECT_EQ(AppWindow(), nullptr);
}

TEST(SkinWindowOS, WorkAreaIsTheScreensAvailableAreaAndAlphaSetsTheOpacity) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  EXPECT_EQ(WorkAreaForWindow(nullptr, true), TRect::FromQRect(screen->availableGeometry()));
  EXPECT_EQ(WorkAreaForWindow(nullptr, false), TRect::FromQRect(screen->geometry()));
  QWidget window;
  SetWindowAlphaLevel(&window, 51);
  EXPECT_NEAR(window.windowOpacity(), 0.2, 0.01);
  SetWindowAlphaLevel(&window, 300);
  EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0);
}
