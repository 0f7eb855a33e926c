// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The frame's layout rules on crafted skin geometry: where the skin's points move, where objects
// land by the four-corner rule and in the button row, and how thick the frame is.
#include <gtest/gtest.h>

#include "skin/form/FrameLayout.h"
#include "support/QtPrinters.h"

namespace {

// A 100 x 50 frame picture with the corner points splitting it into four areas:
// LT (0,0)-(40,20), RT (60,0)-(100,20), LB (0,30)-(40,50), RB (60,30)-(100,50).
TFrameSkinGeometry Crafted() {
  TFrameSkinGeometry g;
  g.PW = 100;
  g.PH = 50;
  g.LT = {40, 20};
  g.RT = {60, 20};
  g.LB = {40, 30};
  g.RB = {60, 30};
  g.ClientRect = {10, 20, 90, 45};
  g.MaskRectArea = {5, 15, 95, 48};
  g.HitTestPoints = {TPoint{8, 8}, TPoint{92, 8}, TPoint{8, 42}, TPoint{92, 42}};
  return g;
}

TObjectPlace InFrame(TRect skinRect) {
  TObjectPlace o;
  o.SkinRect = o.ObjectRect = skinRect;
  return o;
}

TObjectPlace Button(SkinCommand command, int size = 12) {
  TObjectPlace o;
  o.Kind = TFrameObjectKind::StdButton;
  o.Command = command;
  o.SkinRectInAPicture = true;
  o.SkinRect = o.ObjectRect = {0, 0, size, size};
  return o;
}

TObjectPlace Caption(TRect skinRect) {
  TObjectPlace o = InFrame(skinRect);
  o.Kind = TFrameObjectKind::Caption;
  return o;
}

}  // namespace

TEST(FrameLayout, MovesTheSkinGeometryWithTheWindowSize) {
  TFrameSkinGeometry g = Crafted();
  g.CaptionRect = {10, 2, 90, 18};
  g.ButtonsRect = {70, 2, 90, 18};  // in the right half: follows the right edge
  const TFrameLayout l = CalcFrameLayout(g, 150, 80);
  EXPECT_EQ(l.NewLT, (TPoint{40, 20}));
  EXPECT_EQ(l.NewRT, (TPoint{110, 20}));
  EXPECT_EQ(l.NewLB, (TPoint{40, 60}));
  EXPECT_EQ(l.NewRB, (TPoint{110, 60}));
  EXPECT_EQ(l.NewClientRect, (TRect{10, 20, 140, 75}));
  EXPECT_EQ(l.NewCaptionRect, (TRect{10, 2, 140, 18}));
  EXPECT_EQ(l.NewButtonsRect, (TRect{120, 2, 140, 18}));
  EXPECT_EQ(l.NewMaskRectArea, (TRect{5, 15, 145, 78}));
  EXPECT_EQ(l.NewHitTestPoints[0], (TPoint{8, 8}));
  EXPECT_EQ(l.NewHitTestPoints[1], (TPoint{142, 8}));
  EXPECT_EQ(l.NewHitTestPoints[2], (TPoint{8, 72}));
  EXPECT_EQ(l.NewHitTestPoints[3], (TPoint{142, 72}));

  // A buttons rectangle in the left half stays; empty rectangles stay empty.
  g.ButtonsRect = {10, 2, 50, 18};
  g.CaptionRect = {};
  const TFrameLayout left = CalcFrameLayout(g, 150, 80);
  EXPECT_EQ(left.NewButtonsRect, g.ButtonsRect);
  EXPECT_TRUE(left.NewCaptionRect.IsEmpty());
}

TEST(FrameLayout, PlacesFramePiecesByTheFourCornerRule) {
  const TFrameSkinGeometry g = Crafted();
  const TFrameLayout l = CalcFrameLayout(g, 150, 80);  // dW 50, dH 30
  struct Case {
    TRect skin;
    TRect expected;
  };
  const Case cases[] = {
      {{5, 5, 15, 15}, {5, 5, 15, 15}},        // LT and LT: stays
      {{70, 5, 80, 15}, {120, 5, 130, 15}},    // RT and RT: with the right edge
      {{5, 35, 15, 45}, {5, 65, 15, 75}},      // LB and LB: with the bottom
      {{70, 35, 80, 45}, {120, 65, 130, 75}},  // RB and RB: with the corner
      {{5, 5, 80, 45}, {5, 5, 130, 75}},       // LT to RB: grows both ways
      {{5, 5, 80, 15}, {5, 5, 130, 15}},       // LT to RT: widens (the caption of a skin)
      {{5, 35, 80, 45}, {5, 65, 130, 75}},     // LB to RB: widens and moves down
      {{5, 5, 15, 45}, {5, 5, 15, 75}},        // LT to LB: grows down
      {{70, 5, 80, 45}, {120, 5, 130, 75}},    // RT to RB: moves right and grows down
      {{45, 22, 55, 28}, {45, 22, 55, 28}},    // in no area: stays
      // The right and bottom edges of an area are outside it: a corner at (40, 20) is in no area.
      {{5, 5, 40, 20}, {5, 5, 40, 20}},
  };
  for (const Case& c : cases) {
    TObjectPlace o = InFrame(c.skin);
    ArrangeFrameObjects(g, l, {&o, 1}, {16, 16}, false);
    EXPECT_EQ(o.ObjectRect, c.expected) << c.skin.Left << "," << c.skin.Top << "," << c.skin.Right << "," << c.skin.Bottom;
  }
  // Buttons with pictures of their own keep their skin rectangle when no row is laid out.
  TObjectPlace separate = Button(SkinCommand::cmClose);
  ArrangeFrameObjects(g, l, {&separate, 1}, {16, 16}, false);
  EXPECT_EQ(separate.ObjectRect, (TRect{0, 0, 12, 12}));
}

TEST(FrameLayout, RowsTheCaptionButtonsFromTheRightWithTheSystemMenuAtTheCaptionsLeft) {
  TFrameSkinGeometry g = Crafted();
  g.CaptionRect = {10, 2, 90, 18};
  g.ButtonsOffset = 2;
  const TFrameLayout l = CalcFrameLayout(g, 150, 80);  // caption (10, 2, 140, 18)
  std::vector<TObjectPlace> objects = {Caption({10, 2, 90, 18}),       Button(SkinCommand::cmSysMenu),
                                       Button(SkinCommand::cmDefault), Button(SkinCommand::cmRollUp),
                                       Button(SkinCommand::cmMinimize), Button(SkinCommand::cmClose),
                                       Button(SkinCommand::cmMaximize)};
  TObjectPlace hidden = Button(SkinCommand::cmClose);
  hidden.Visible = false;
  objects.insert(objects.begin() + 1, hidden);  // an invisible button takes no place in the row
  ArrangeFrameObjects(g, l, objects, {16, 16}, false);
  const auto at = [&](std::size_t i) { return objects[i].ObjectRect; };
  EXPECT_EQ(at(6), (TRect{128, 2, 140, 14}));  // close
  EXPECT_EQ(at(7), (TRect{114, 2, 126, 14}));  // maximise
  EXPECT_EQ(at(5), (TRect{100, 2, 112, 14}));  // minimise
  EXPECT_EQ(at(4), (TRect{86, 2, 98, 14}));    // roll-up
  EXPECT_EQ(at(3), (TRect{72, 2, 84, 14}));    // default
  EXPECT_EQ(at(1), (TRect{0, 0, 12, 12}));     // the hidden one stays put
  // The system-menu button is centred at the caption's left end; the caption gives way to both.
  EXPECT_EQ(at(2), (TRect{10, 4, 22, 16}));
  EXPECT_EQ(at(0), (TRect{22, 2, 72, 18}));

  // With the window's icon shown, the system-menu button takes the icon's size.
  ArrangeFrameObjects(g, l, objects, {16, 16}, true);
  EXPECT_EQ(objects[2].ObjectRect, (TRect{10, 2, 26, 18}));
  EXPECT_EQ(objects[0].ObjectRect.Left, 26);
}

TEST(FrameLayout, RowsTheCaptionButtonsFromTheLeftWithTheSystemMenuLast) {
  TFrameSkinGeometry g = Crafted();
  g.CaptionRect = {10, 2, 90, 18};
  g.ButtonsOffset = 1;
  g.ButtonsInLeft = true;
  const TFrameLayout l = CalcFrameLayout(g, 150, 80);
  std::vector<TObjectPlace> objects = {Caption({10, 2, 90, 18}), Button(SkinCommand::cmSysMenu),
                                       Button(SkinCommand::cmMinimize), Button(SkinCommand::cmClose)};
  ArrangeFrameObjects(g, l, objects, {16, 16}, false);
  EXPECT_EQ(objects[3].ObjectRect, (TRect{10, 2, 22, 14}));  // close first
  EXPECT_EQ(objects[2].ObjectRect, (TRect{23, 2, 35, 14}));  // then minimise
  EXPECT_EQ(objects[1].ObjectRect, (TRect{36, 2, 48, 14}));  // the system menu last
  EXPECT_EQ(objects[0].ObjectRect.Left, 50);                 // x 49 plus the offset

  // In a buttons rectangle of their own the row leaves the caption and the system menu alone.
  g.ButtonsRect = {10, 20, 60, 30};
  const TFrameLayout own = CalcFrameLayout(g, 150, 80);
  std::vector<TObjectPlace> again = {Caption({10, 2, 90, 18}), Button(SkinCommand::cmSysMenu),
                                     Button(SkinCommand::cmClose)};
  ArrangeFrameObjects(g, own, again, {16, 16}, false);
  EXPECT_EQ(again[2].ObjectRect, (TRect{10, 20, 22, 32}));
  EXPECT_EQ(again[1].ObjectRect, (TRect{0, 0, 12, 12}));
  EXPECT_EQ(again[0].ObjectRect, (TRect{10, 2, 140, 18}));  // widened by the four-corner rule only
}

TEST(FrameLayout, FrameThicknessComesFromTheSkinsBandsAndNeverInverts) {
  TFrameSkinGeometry g;
  g.PW = 277;
  g.PH = 116;
  g.ClientRect = {13, 46, 265, 107};
  EXPECT_EQ(SkinnedClientRect(g, {100, 50, 655, 442}), (TRect{113, 96, 643, 433}));  // 13, 46, 12, 9
  // A window smaller than the frame gets an empty client area at the client's corner.
  EXPECT_EQ(SkinnedClientRect(g, {0, 0, 20, 30}), (TRect{13, 46, 13, 46}));
  EXPECT_EQ(DefaultClientRect(TFormBorderStyle::bsSingle, {0, 0, 200, 100}), (TRect{3, 22, 197, 97}));
  EXPECT_EQ(DefaultClientRect(TFormBorderStyle::bsToolWindow, {0, 0, 200, 100}), (TRect{3, 18, 197, 97}));
}

TEST(FrameLayout, DefaultButtonsRunRightToLeftAndLeaveTheCaptionAreaBetween) {
  std::vector<TObjectPlace> buttons = {Button(SkinCommand::cmClose, 1), Button(SkinCommand::cmMaximize, 1),
                                       Button(SkinCommand::cmRollUp, 1), Button(SkinCommand::cmSysMenu, 1)};
  buttons[1].Visible = false;
  const TRect area = ArrangeDefaultButtons(200, TFormBorderStyle::bsSingle, buttons, {16, 16}, false);
  EXPECT_EQ(buttons[0].ObjectRect, (TRect{180, 4, 197, 21}));
  EXPECT_EQ(buttons[2].ObjectRect, (TRect{163, 4, 180, 21}));
  EXPECT_EQ(buttons[3].ObjectRect, (TRect{3, 4, 20, 21}));
  EXPECT_EQ(area, (TRect{20, 3, 163, 19}));
}
