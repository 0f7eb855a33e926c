// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The caption buttons on the console's window, worked with real pointer events: the hover morph,
// the inert buttons, pressing and releasing, roll-up by button and by the caption's double click.
#include <gtest/gtest.h>

#include "SkinnedWindowFixture.h"

namespace {

class CaptionButtons : public SkinnedWindowTest {
 protected:
  void SetUp() override {
    SkinnedWindowTest::SetUp();
    ShowActive();
  }

  // How far what the frame shows at the close button is from a look: the sum of all channel
  // differences.
  long DistanceFrom(const QImage& look) {
    const QImage shown = Shown(QStringLiteral("closebutton"));
    long sum = 0;
    for (int y = 0; y < look.height(); ++y)
      for (int x = 0; x < look.width(); ++x) {
        const QRgb a = shown.pixel(x, y), b = look.pixel(x, y);
        sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
      }
    return sum;
  }

  const TBitmap& ActivePicture() { return *skin.ActivePictures[0]; }
  QImage NormalLook() { return Look(skin.Picture, {253, 15, 271, 33}); }
  QImage ActiveLook() { return Look(ActivePicture(), {4, 4, 22, 22}); }
  QImage DownLook() { return Look(ActivePicture(), {26, 4, 44, 22}); }

  static constexpr int kCloseX = 540, kCloseY = 24;
};

}  // namespace

TEST_F(CaptionButtons, HoverMorphsTheCloseButtonInFiveStepsAndBack) {
  const TActiveSkinObject& close = Object(QStringLiteral("closebutton"));
  ASSERT_EQ(Shown(QStringLiteral("closebutton")), NormalLook());
  MoveTo(kCloseX, kCloseY);
  Poll();
  EXPECT_TRUE(close.MouseIn);
  EXPECT_TRUE(engine.FrameMorphTimer().Active());
  // Each step comes closer to the active look; the fifth reaches it and a sixth tick finds
  // nothing left to do and stops the timer.
  long last = DistanceFrom(ActiveLook());
  for (int step = 1; step <= 5; ++step) {
    engine.FrameMorphTimer().Tick();
    EXPECT_DOUBLE_EQ(close.Morph.Value(), 0.2 * step);
    const long now = DistanceFrom(ActiveLook());
    EXPECT_LT(now, last) << step;
    last = now;
  }
  EXPECT_EQ(last, 0);
  EXPECT_EQ(RunMorph(), 1);

  // The pointer goes to the client area: five steps back to the frame's own look.
  MoveTo(200, 200);
  Poll();
  EXPECT_FALSE(close.MouseIn);
  last = DistanceFrom(NormalLook());
  for (int step = 1; step <= 5; ++step) {
    engine.FrameMorphTimer().Tick();
    const long now = DistanceFrom(NormalLook());
    EXPECT_LT(now, last) << step;
    last = now;
  }
  EXPECT_EQ(close.Morph.Value(), 0.0);
  EXPECT_EQ(last, 0);
  EXPECT_EQ(RunMorph(), 1);

  // Leaving half way reverses from where the morph is.
  MoveTo(kCloseX, kCloseY);
  Poll();
  engine.FrameMorphTimer().Tick();
  engine.FrameMorphTimer().Tick();
  MoveTo(200, 200);
  Poll();
  EXPECT_EQ(RunMorph(), 3);
  EXPECT_EQ(close.Morph.Value(), 0.0);
}

TEST_F(CaptionButtons, MinimiseMaximiseAndSystemMenuButtonsAreDrawnButInert) {
  const QImage before = Frame();
  for (const char* name : {"minimizebutton", "maximizebutton", "sysmenubutton"}) {
    const TRect r = Object(QLatin1String(name)).ObjectRect;
    const int x = r.Left + 9, y = r.Top + 9;
    MoveTo(x, y);
    Poll();
    EXPECT_EQ(engine.HoverIndex(), -1) << name;
    EXPECT_FALSE(engine.FrameMorphTimer().Active()) << name;
    Press(x, y);
    EXPECT_FALSE(form.HasCapture()) << name;
    Release(x, y);
    EXPECT_FALSE(Button(QLatin1String(name)).Down) << name;
  }
  EXPECT_EQ(Frame(), before);
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(form.Height(), 392);
  EXPECT_FALSE(engine.SkinMenu().Visible());
  // A double click on the disabled system-menu button does not close the window either.
  DoubleClick(14, 24);
  EXPECT_TRUE(form.Visible());
}

TEST_F(CaptionButtons, CloseRunsOnlyOnAReleaseOverTheButton) {
  TSkinButtonObject& close = Button(QStringLiteral("closebutton"));
  MoveTo(kCloseX, kCloseY);
  Poll();
  Press(kCloseX, kCloseY);
  EXPECT_TRUE(close.Down);
  EXPECT_EQ(Shown(QStringLiteral("closebutton")), DownLook());
  // Held and moved off the button: it lets go of its active look at once, not at the next poll.
  MoveTo(kCloseX - 60, kCloseY);
  EXPECT_FALSE(close.MouseIn);
  RunMorph();
  EXPECT_EQ(Shown(QStringLiteral("closebutton")), NormalLook());
  // Back onto it: the pressed look again, without a morph.
  MoveTo(kCloseX, kCloseY);
  EXPECT_EQ(Shown(QStringLiteral("closebutton")), DownLook());
  // Off again and released there: nothing closes, and the button is up.
  MoveTo(kCloseX - 60, kCloseY + 100);
  Release(kCloseX - 60, kCloseY + 100);
  EXPECT_TRUE(form.Visible());
  EXPECT_FALSE(close.Down);
  EXPECT_FALSE(form.HasCapture());

  // Pressed, out, back and released over it: the window closes.
  MoveTo(kCloseX, kCloseY);
  Poll();
  Press(kCloseX, kCloseY);
  MoveTo(kCloseX + 30, kCloseY);
  MoveTo(kCloseX, kCloseY);
  Release(kCloseX, kCloseY);
  EXPECT_FALSE(form.Visible());
}

TEST_F(CaptionButtons, TheRollUpButtonRollsTheWindowUpToItsFrameAndBack) {
  const QRegion whole = *form.WindowRgn();
  int changes = 0;
  engine.OnChangeRollUpState = [&](TSkinForm*) { ++changes; };
  Click(33, 24);
  EXPECT_TRUE(engine.RollUpState());
  EXPECT_EQ(form.Height(), 55);
  EXPECT_EQ(form.Width(), 555);
  EXPECT_EQ(form.ClientHeight(), 0);
  // The outline follows: nothing below the frame's bands, the caption band whole.
  const QRegion rolled = *form.WindowRgn();
  EXPECT_LE(rolled.boundingRect().bottom(), 54);
  EXPECT_TRUE(rolled.contains(QPoint(100, 25)));
  EXPECT_FALSE(rolled.contains(QPoint(100, 60)));
  // Rolled up, only the caption moves the window; the rest of the frame is the engine's.
  EXPECT_EQ(HitAt(100, 25), HTCAPTION);
  EXPECT_EQ(HitAt(100, 50), HTOBJECT);
  // This skin has no restore look for the button: it keeps its normal look.
  EXPECT_EQ(Shown(QStringLiteral("rollupbutton")).size(), QSize(18, 18));

  Click(33, 24);
  EXPECT_FALSE(engine.RollUpState());
  EXPECT_EQ(form.Height(), 392);
  EXPECT_EQ(form.ClientHeight(), 337);
  EXPECT_EQ(*form.WindowRgn(), whole);
  EXPECT_EQ(changes, 2);
}

TEST_F(CaptionButtons, TwoCaptionDoubleClicksRollUpAndUnroll) {
  DoubleClick(150, 25);
  EXPECT_TRUE(engine.RollUpState());
  EXPECT_EQ(form.Height(), 55);
  DoubleClick(150, 25);
  EXPECT_FALSE(engine.RollUpState());
  EXPECT_EQ(form.Height(), 392);
}
