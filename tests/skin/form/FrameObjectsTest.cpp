// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The other frame objects, on a skin made for them: an animate button playing its frames on the
// pointer and running its command, one with a menu of its own, an area the program paints
// itself with its pointer events, the caption's animation on activation, and the object hints.
// The window is activated by message and shown only where a test looks at its painted frame (a
// hidden window paints none); no timer runs unless a test ticks it or waits for the window.
#include <gtest/gtest.h>

#include "platform/Menus.h"
#include "skin/controls/SkinHint.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinMessages.h"
#include "skin/menus/SkinPopupWindow.h"
#include "support/PointerEvents.h"
#include "support/QtPrinters.h"
#include "SkinnedWindowFixture.h"

namespace {

const QRgb kFrame1 = qRgb(200, 0, 0), kFrame2 = qRgb(0, 200, 0), kFrame3 = qRgb(0, 0, 200), kDown = qRgb(200, 200, 0);
const QRgb kCaption1 = qRgb(0, 100, 100), kCaption2 = qRgb(100, 0, 100), kCaption3 = qRgb(100, 100, 0);
const QRgb kCaptionActive = qRgb(90, 90, 90);

// A 320 x 120 frame (client 20,50,300,110) with: the caption "title" (its animation three
// frames side by side), the animate roll-up button "spin" (frames red, green, blue; pressed
// yellow), the animate default button "menuspin" and the user area "art".
void WriteObjectsSkin() {
  QImage active(200, 60, QImage::Format_RGB32);
  active.fill(Qt::black);
  const QRgb strip[] = {kFrame1, kFrame2, kFrame3, kDown};
  for (int i = 0; i < 4; ++i) {
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 20; ++x) active.setPixel(20 * i + x, y, strip[i]);
  }
  const QRgb caption[] = {kCaption1, kCaption2, kCaption3, kCaptionActive};
  for (int i = 0; i < 4; ++i)
    for (int y = 40; y < 60; ++y)
      for (int x = 0; x < 30; ++x) active.setPixel(30 * i + x, y, caption[i]);
  WriteSkinFolder(
      {{QStringLiteral("active.bmp"), active}},
      "[VERSION]\nskinname=objects\n[PICTURES]\npicture=main.bmp\nactivepicturescount=1\n0=active.bmp\n"
      "[FORMINFO]\nlefttoppoint=40,50\nrighttoppoint=280,50\nleftbottompoint=40,110\nrightbottompoint=280,110\n"
      "clientrect=20,50,300,110\n"
      "[SKINOBJECTS]\ncount=4\n0=title:caption\n1=spin:animate\n2=menuspin:animate\n3=art:userobject\n"
      "[title]\nskinrect=30,10,180,40\ntextrect=0,0,150,30\nactivepictureindex=0\nactiveskinrect=90,40,120,60\n"
      "animateskinrect=0,40,90,60\nframecount=3\nanimateinterval=25\n"
      "[spin]\nskinrect=250,10,270,30\nactivepictureindex=0\nactiveskinrect=0,0,20,20\ncountframes=3\n"
      "buttonstyle=1\ntimerinterval=25\ncommand=cmrollup\ndownskinrect=60,0,80,20\n"
      "[menuspin]\nskinrect=220,10,240,30\nactivepictureindex=0\nactiveskinrect=0,20,20,40\ncountframes=3\n"
      "buttonstyle=1\ntimerinterval=25\ncommand=cmdefault\n"
      "[art]\nskinrect=190,10,210,30\n[SKINCONTROLS]\ncount=0\n");
}

class FrameObjects : public SkinnedWindowTest {
 protected:
  void SetUp() override {
    WriteObjectsSkin();
    ASSERT_TRUE(objects.LoadFromIniFile("skin.ini"));
    form.SetBorderStyle(TFormBorderStyle::bsSingle);
    engine.OnActivateCustomObject = [](const QString& name, bool& visible) { visible = name == "menuspin"; };
    engine.SetSkinData(&skin);
    skin.SetCompressedStoredSkin(&objects);
    ASSERT_TRUE(engine.Skinned());
    form.SetBounds(100, 80, 320, 120);
    form.Perform(WM_ACTIVATE, 1, 0);
    ASSERT_TRUE(form.Active());
    // The caption's animation on activation is looked at on its own: here it plays to its end.
    for (int i = 0; i < 10 && engine.FrameAnimateTimer().Active(); ++i) Tick();
  }

  TSkinAnimateObject& Animate(const QString& name) {
    return const_cast<TSkinAnimateObject&>(static_cast<const TSkinAnimateObject&>(Object(name)));
  }
  // The colour the frame shows in the middle of an object.
  QRgb ColourOf(const QString& name) {
    const TRect r = Object(name).ObjectRect;
    return Frame().pixel(r.Left + r.Width() / 2, r.Top + r.Height() / 2) | 0xFF000000u;
  }
  void Tick() { engine.FrameAnimateTimer().Tick(); }
  // Shows the window with the caption's animation on activation played to its end.
  void ShowSettled() {
    ShowActive();
    for (int i = 0; i < 10 && engine.FrameAnimateTimer().Active(); ++i) Tick();
  }

  TCompressedStoredSkin objects;
};

}  // namespace

TEST_F(FrameObjects, AnAnimateButtonPlaysForwardOnEnteringAndBackOnLeaving) {
  TSkinAnimateObject& spin = Animate(QStringLiteral("spin"));
  MoveTo(260, 20);
  Poll();
  ASSERT_TRUE(engine.FrameAnimateTimer().Active());
  Tick();
  EXPECT_EQ(ColourOf("spin"), kFrame2);
  Tick();
  EXPECT_EQ(ColourOf("spin"), kFrame3);
  EXPECT_FALSE(spin.Active);  // a one-way run ends on the last frame
  Tick();
  EXPECT_FALSE(engine.FrameAnimateTimer().Active());

  MoveTo(100, 80);  // the client area
  Poll();
  Tick();
  Tick();
  EXPECT_EQ(ColourOf("spin"), kFrame1);
  EXPECT_EQ(spin.AnimateFrame, 1);
  Tick();
  EXPECT_FALSE(engine.FrameAnimateTimer().Active());
}

TEST_F(FrameObjects, AnAnimateButtonShowsItsPressedLookAndRunsItsCommandOnTheRelease) {
  MoveTo(260, 20);
  Poll();
  Press(260, 20);
  EXPECT_EQ(ColourOf("spin"), kDown);
  EXPECT_FALSE(engine.RollUpState());
  Release(260, 20);
  EXPECT_TRUE(engine.RollUpState());
  EXPECT_EQ(form.Height(), 60);  // this skin's frame bands
}

TEST_F(FrameObjects, AnAnimateButtonWithAMenuOpensItAndPlaysBackWhenItCloses) {
  TSkinAnimateObject& menuspin = Animate(QStringLiteral("menuspin"));
  EXPECT_TRUE(menuspin.Visible);  // made visible by the program
  TPopupMenu menu;
  menu.Items().Add(QStringLiteral("&One"));
  menu.Items().Add(QStringLiteral("&Two"));
  menuspin.MenuItem = &menu.Items();
  MoveTo(230, 20);
  Poll();
  Press(230, 20);
  Release(230, 20);
  ASSERT_TRUE(engine.SkinMenu().Visible());
  EXPECT_TRUE(menuspin.MenuOpen);
  EXPECT_EQ(engine.SkinMenu().PopupWindow(0)->pos(), Global(220, 30));
  QTest::keyClick(form.Window(), Qt::Key_Escape);
  EXPECT_FALSE(menuspin.MenuOpen);
  EXPECT_TRUE(menuspin.Active);
  EXPECT_FALSE(menuspin.Forward);
  EXPECT_EQ(menuspin.AnimateFrame, 3);
  EXPECT_TRUE(engine.FrameAnimateTimer().Active());
}

TEST_F(FrameObjects, TheProgramPaintsItsAreaAndHearsThePointerOverIt) {
  QStringList heard;
  TRect painted{};
  engine.OnPaintEvent = [&](const QString& name, TCanvas& canvas, const TRect& r) {
    painted = r;
    canvas.Brush.Color = clRed;
    canvas.FillRect(r);
    heard << "paint " + name;
  };
  engine.OnMouseEnterEvent = [&](const QString& name) { heard << "enter " + name; };
  engine.OnMouseLeaveEvent = [&](const QString& name) { heard << "leave " + name; };
  engine.OnMouseDownEvent = [&](const QString& name, int x, int y, const TRect&, TMouseButton) {
    heard << QStringLiteral("down %1 %2,%3").arg(name).arg(x).arg(y);
  };
  engine.OnMouseUpEvent = [&](const QString& name, int x, int y, const TRect&, TMouseButton) {
    heard << QStringLiteral("up %1 %2,%3").arg(name).arg(x).arg(y);
  };
  ShowSettled();
  form.RedrawFrame();
  EXPECT_EQ(painted, (TRect{190, 10, 210, 30}));
  EXPECT_EQ(ColourOf("art"), qRgb(255, 0, 0));
  heard.clear();
  MoveTo(200, 20);
  Poll();
  Press(200, 20, Qt::RightButton);
  Release(200, 20, Qt::RightButton);
  MoveTo(100, 80);
  Poll();
  // The release of a press that held the pointer comes at (-1, -1).
  EXPECT_EQ(heard, (QStringList{"enter art", "down art 200,20", "up art -1,-1", "leave art"}));
}

TEST_F(FrameObjects, ActivationPlaysTheCaptionsAnimationIntoItsActiveLook) {
  ShowSettled();
  form.Perform(WM_ACTIVATE, 0, 0);
  form.Perform(WM_ACTIVATE, 1, 0);
  EXPECT_EQ(ColourOf("title"), kCaption1);
  ASSERT_TRUE(engine.FrameAnimateTimer().Active());
  Tick();
  EXPECT_EQ(ColourOf("title"), kCaption2);
  Tick();
  EXPECT_EQ(ColourOf("title"), kCaption3);
  Tick();
  EXPECT_EQ(ColourOf("title"), kCaptionActive);
  Tick();
  EXPECT_FALSE(engine.FrameAnimateTimer().Active());
}

TEST_F(FrameObjects, HoveredButtonsShowTheirDefaultHintsWhichFollowTheSkinsTexts) {
  TSkinHint hint(&form);
  engine.SetSkinHint(&hint);
  engine.ShowObjectHint = true;
  EXPECT_EQ(Object("spin").Hint, QStringLiteral("Roll Up"));
  MoveTo(260, 20);
  Poll();
  EXPECT_TRUE(hint.ObjectHintPending());
  MoveTo(100, 80);
  Poll();
  EXPECT_FALSE(hint.ObjectHintPending());

  TResourceStrData texts;
  texts.SetResStrings({QStringLiteral("ROLLUPBUTTON_HINT=Einrollen")});
  skin.SetResourceStrData(&texts);
  form.Perform(SKINMSG_RESSTR_CHANGE, reinterpret_cast<WPARAM>(&skin), 0);
  EXPECT_EQ(Object("spin").Hint, QStringLiteral("Einrollen"));
  skin.SetResourceStrData(nullptr);
}
