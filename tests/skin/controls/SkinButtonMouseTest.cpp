// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The skinned push button with the program's own skin, worked with the pointer: its size rule,
// its faces, the click rules, the hover fade and auto-repeat, all through real events and timers.
#include <algorithm>
#include <vector>

#include "SkinButtonFixture.h"
#include "skin/controls/EffectBmp.h"

namespace {

class SkinButtonMouseTest : public SkinButtonFixture {
 protected:
  // Ticks the hover fade until it stops (at most 20 ticks), noting every progress the fade passes
  // through and the picture the button shows at it.
  void FollowFade(std::vector<double>& steps, std::vector<QImage>& faces) {
    double last = button->MorphProgress();
    for (int tick = 0; tick < 20 && button->HoverFadeRunning(); ++tick) {
      button->HoverFadeTimer().Tick();
      if (button->MorphProgress() == last) continue;
      last = button->MorphProgress();
      steps.push_back(last);
      faces.push_back(Shown());
    }
    ASSERT_FALSE(button->HoverFadeRunning());
  }

  QImage Morphed(double k) const {
    TEffectBmp mixed(Face(kButtonSkinRect, 75));
    mixed.Morph(TMorphKind::mkGradient, TEffectBmp(Face(kButtonActiveRect, 75)), k);
    return mixed.ToImage();
  }

  // The two leftmost columns (clear of the caption) come from the given face rectangle.
  void ExpectLeftEdgeOf(const TRect& rect) {
    const QImage shown = Shown();
    const QImage& picture = skin.ActivePictures[kButtonPictureIndex]->Image();
    for (int y = 0; y < 21; ++y)
      for (int x = 0; x < 2; ++x)
        ASSERT_EQ(shown.pixel(x, y) & 0xFFFFFF, picture.pixel(rect.Left + x, rect.Top + y) & 0xFFFFFF)
            << "at " << x << "," << y;
  }
};

}  // namespace

TEST_F(SkinButtonMouseTest, TakesTheSkinsHeightWhateverSizeItIsGiven) {
  EXPECT_EQ(button->geometry(), QRect(10, 10, 75, 21));
  EXPECT_EQ(button->SizingScheme(), TSizingScheme::ssHorzThreePart);
  EXPECT_EQ(button->NewClientRect(), (TRect{2, 2, 73, 19}));

  // Also through a plain widget pointer.
  static_cast<QWidget*>(button)->resize(120, 40);
  QCoreApplication::processEvents();
  EXPECT_EQ(button->size(), QSize(120, 21));
  EXPECT_EQ(button->NewClientRect(), (TRect{2, 2, 118, 19}));

  // Without the skin's size the button keeps what it is given.
  button->SetUseSkinSize(false);
  button->SetBounds(10, 10, 75, 25);
  EXPECT_EQ(button->size(), QSize(75, 25));
}

TEST_F(SkinButtonMouseTest, ANarrowButtonStillShowsBothEndParts) {
  button->SetBounds(10, 10, 8, 21);
  ASSERT_EQ(button->width(), 8);
  const QImage shown = Shown();
  const QImage& picture = skin.ActivePictures[kButtonPictureIndex]->Image();
  // The right part (6 columns) lies over the left one (4 columns): columns 0..1 are the left
  // part's first two, columns 2..7 the whole right part.
  for (int y = 0; y < 21; ++y) {
    for (int x = 0; x < 2; ++x) ASSERT_EQ(shown.pixel(x, y) & 0xFFFFFF, picture.pixel(x, y) & 0xFFFFFF);
    for (int x = 2; x < 8; ++x) ASSERT_EQ(shown.pixel(x, y) & 0xFFFFFF, picture.pixel(16 + x, y) & 0xFFFFFF);
  }
}

TEST_F(SkinButtonMouseTest, ClicksOnlyWhenReleasedOnTheButtonAndAfterDownIsCleared) {
  bool downAtClick = true;
  button->OnClick = [&](TSkinControl*) {
    ++clicks;
    downAtClick = button->Down();
  };
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(30, 10));
  EXPECT_TRUE(button->Down());
  ExpectLeftEdgeOf(kButtonDownRect);

  // Dragged off while held: no longer the down face; released there: no click.
  QTest::mouseMove(button, QPoint(30, 60));
  EXPECT_FALSE(button->MouseIn());
  ExpectLeftEdgeOf(kButtonActiveRect);  // the press focused it: active, not down
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(30, 60));
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(button->Down());

  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(30, 10));
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(downAtClick);
  EXPECT_TRUE(button->hasFocus());

  // Other buttons do nothing.
  QTest::mouseClick(button, Qt::RightButton, {}, QPoint(30, 10));
  EXPECT_EQ(clicks, 1);
}

TEST_F(SkinButtonMouseTest, HoverFadesInStepByStepAndBackOut) {
  ASSERT_TRUE(button->Look().Morphing);
  ASSERT_EQ(DifferingPixels(Shown(), Face(kButtonSkinRect, 75).Image()), 0);

  QTest::mouseMove(button, QPoint(30, 10));
  ASSERT_TRUE(button->MouseIn());
  std::vector<double> steps;
  std::vector<QImage> faces;
  FollowFade(steps, faces);
  ASSERT_EQ(steps, (std::vector<double>{0.2, 0.4, 0.6, 0.8, 1.0}));
  for (std::size_t i = 0; i < 4; ++i)
    EXPECT_EQ(DifferingPixels(faces[i], Morphed(steps[i])), 0) << "at " << steps[i];
  EXPECT_EQ(DifferingPixels(faces[4], Face(kButtonActiveRect, 75).Image()), 0);
  EXPECT_EQ(DifferingPixels(Shown(), Face(kButtonActiveRect, 75).Image()), 0);
  // The middle faces are neither end.
  EXPECT_GT(DifferingPixels(faces[1], Face(kButtonSkinRect, 75).Image()), 0);
  EXPECT_GT(DifferingPixels(faces[1], Face(kButtonActiveRect, 75).Image()), 0);

  QTest::mouseMove(&window, QPoint(200, 100));
  ASSERT_FALSE(button->MouseIn());
  steps.clear();
  faces.clear();
  FollowFade(steps, faces);
  ASSERT_EQ(steps, (std::vector<double>{0.8, 0.6, 0.4, 0.2, 0.0}));
  EXPECT_EQ(DifferingPixels(faces[0], Morphed(0.8)), 0);
  EXPECT_EQ(DifferingPixels(Shown(), Face(kButtonSkinRect, 75).Image()), 0);
}

TEST_F(SkinButtonMouseTest, ADisabledButtonShowsTheDisabledPictureWithAWhiteCaption) {
  button->SetCaption(QStringLiteral("调入文件"));
  button->setEnabled(false);
  const QImage shown = Shown();
  const QImage face = Face(kButtonDisabledRect, 75).Image();
  // Everything the caption does not touch is the disabled picture; the caption only ever
  // lightens it, and its strokes reach (antialiased) white.
  int changed = 0, lightest = 0;
  for (int y = 0; y < 21; ++y)
    for (int x = 0; x < 75; ++x) {
      const QRgb s = shown.pixel(x, y), f = face.pixel(x, y);
      if ((s & 0xFFFFFF) == (f & 0xFFFFFF)) continue;
      ++changed;
      ASSERT_GE(qRed(s), qRed(f));
      ASSERT_GE(qGreen(s), qGreen(f));
      ASSERT_GE(qBlue(s), qBlue(f));
      lightest = std::max(lightest, std::min({qRed(s), qGreen(s), qBlue(s)}));
    }
  EXPECT_GT(changed, 20);
  EXPECT_GE(lightest, 0xF0);
  EXPECT_EQ(button->Look().DisabledFontColor, TColor(16777215));

  // Disabling ends any hover and clicks nothing.
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(30, 10));
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(button->MouseIn());
}

TEST_F(SkinButtonMouseTest, HoldingARepeatButtonClicksEveryIntervalAndOnceAtRelease) {
  button->RepeatMode = true;
  button->RepeatInterval = 100;
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(30, 10));
  // Every tick of the repeat timer, which runs at the button's interval, is a click.
  ASSERT_TRUE(button->RepeatRunning());
  EXPECT_EQ(button->RepeatTimer().Interval(), 100);
  const int pressed = clicks;
  for (int tick = 0; tick < 3; ++tick) button->RepeatTimer().Tick();
  EXPECT_EQ(clicks, pressed + 3);

  // Off the button the repeat pauses; back on it resumes.
  QTest::mouseMove(button, QPoint(30, 60));
  EXPECT_FALSE(button->RepeatRunning());
  QTest::mouseMove(button, QPoint(30, 10));
  EXPECT_TRUE(button->RepeatRunning());
  const int resumed = clicks;
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(30, 10));
  EXPECT_EQ(clicks, resumed + 1);
  EXPECT_FALSE(button->RepeatRunning());
}
