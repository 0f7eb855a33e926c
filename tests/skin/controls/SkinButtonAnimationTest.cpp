// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The skinned button's frame animation, with a skin built for it: the frames of the strip in
// order on entering, back in reverse on leaving, driven by the real timer.
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

#include "ButtonSkins.h"
#include "skin/controls/SkinButton.h"

namespace {

// Three 24 × 21 frames side by side below the faces of the 72 × 42 coded picture.
const QString kAnimatedButton = QStringLiteral(
    "skinrect=0,0,24,21\nlefttoppoint=4,8\nrighttoppoint=18,9\nclientrect=2,2,22,19\n"
    "activeskinrect=48,0,72,21\nanimateskinrect=0,21,72,42\nframecount=%1\nanimateinterval=30\n");

class SkinButtonAnimationTest : public ::testing::Test {
 protected:
  void Start(int frameCount) {
    WriteButtonSkin(kAnimatedButton.arg(frameCount));
    LoadFolderSkin(stored, skin);
    window.resize(200, 100);
    edit = new QLineEdit(&window);
    edit->setGeometry(0, 70, 100, 24);
    button = new TSkinButton(&window);
    button->SetBounds(10, 10, 75, 25);
    button->SetSkinData(&skin);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    QTest::mouseMove(&window, QPoint(150, 90));
  }

  // Where the top-left pixel of the shown face comes from in the coded picture.
  TPoint ShownSource() const {
    const QImage shown = button->grab().toImage();
    return {qRed(shown.pixel(0, 0)), qGreen(shown.pixel(0, 0))};
  }

  // The faces shown while the animation runs, one per frame step, and the one after it; the
  // animation timer is ticked by hand (at most 20 times).
  std::vector<TPoint> Follow() {
    std::vector<TPoint> seen{ShownSource()};
    int frame = button->AnimateFrame();
    for (int tick = 0; tick < 20 && button->AnimationRunning(); ++tick) {
      button->AnimateTimer().Tick();
      if (button->AnimateFrame() == frame) continue;
      frame = button->AnimateFrame();
      seen.push_back(ShownSource());
    }
    return seen;
  }

  TCompressedStoredSkin stored;
  TSkinData skin;
  QWidget window;
  QLineEdit* edit = nullptr;
  TSkinButton* button = nullptr;
};

}  // namespace

TEST_F(SkinButtonAnimationTest, PlaysTheStripForwardOnEnteringAndBackOnLeaving) {
  Start(3);
  QTest::mouseMove(button, QPoint(30, 10));
  ASSERT_TRUE(button->AnimationRunning());
  EXPECT_EQ(Follow(), (std::vector<TPoint>{{0, 21}, {24, 21}, {48, 21}, {48, 0}}));
  EXPECT_EQ(ShownSource(), (TPoint{48, 0}));  // the active face

  QTest::mouseMove(&window, QPoint(150, 90));
  ASSERT_TRUE(button->AnimationRunning());
  EXPECT_EQ(Follow(), (std::vector<TPoint>{{48, 21}, {24, 21}, {0, 21}, {0, 0}}));

  // A press stops it at once.
  QTest::mouseMove(button, QPoint(30, 10));
  ASSERT_TRUE(button->AnimationRunning());
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(30, 10));
  EXPECT_FALSE(button->AnimationRunning());
  EXPECT_EQ(button->AnimateFrame(), 0);
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(30, 10));
}

TEST_F(SkinButtonAnimationTest, AStripWithoutFramesDoesNotAnimate) {
  Start(0);
  QTest::mouseMove(button, QPoint(30, 10));
  EXPECT_FALSE(button->AnimationRunning());
  EXPECT_EQ(ShownSource(), (TPoint{48, 0}));
}
