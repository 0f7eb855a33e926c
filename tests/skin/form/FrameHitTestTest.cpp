// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The hit-test answers on crafted layouts: sizing edges of a sizeable window with and without a
// mask, the caption, the client area and the rest of the frame, and the default frame's margins.
#include <gtest/gtest.h>

#include "platform/NonClientMessages.h"
#include "skin/form/FrameHitTest.h"

namespace {

// A 200 x 100 window: client (10, 30, 190, 90), a caption object (20, 5, 150, 25), hit-test
// corner points 12 pixels in from each corner.
struct Frame {
  TFrameLayout layout;
  std::vector<TObjectPlace> objects;
  THitTestState state;

  Frame() {
    layout.NewClientRect = {10, 30, 190, 90};
    layout.NewMaskRectArea = {10, 30, 190, 90};
    layout.NewHitTestPoints = {TPoint{12, 12}, TPoint{188, 12}, TPoint{12, 88}, TPoint{188, 88}};
    TObjectPlace caption;
    caption.Kind = TFrameObjectKind::Caption;
    caption.ObjectRect = {20, 5, 150, 25};
    objects.push_back(caption);
    state.W = 200;
    state.H = 100;
  }
  int At(int x, int y, const TMaskTest& mask = {}) const {
    return HitTestSkinnedFrame(layout, 4, objects, state, {x, y}, mask);
  }
};

}  // namespace

TEST(FrameHitTest, NotSizeableFrameAnswersCaptionClientAndObject) {
  Frame f;
  EXPECT_EQ(f.At(20, 5), HTCAPTION);
  EXPECT_EQ(f.At(100, 50), HTCLIENT);
  EXPECT_EQ(f.At(5, 50), HTOBJECT);
  EXPECT_EQ(f.At(0, 0), HTOBJECT);  // no sizing edges on a fixed window
  // Right and bottom edges are outside: the client's, the caption's.
  EXPECT_EQ(f.At(190, 50), HTOBJECT);
  EXPECT_EQ(f.At(100, 90), HTOBJECT);
  EXPECT_EQ(f.At(150, 10), HTOBJECT);
  EXPECT_EQ(f.At(20, 25), HTOBJECT);
  // A hidden caption object still moves the window.
  f.objects[0].Visible = false;
  EXPECT_EQ(f.At(20, 5), HTCAPTION);
  // While an object is hovered the frame outside the caption and the client belongs to it...
  f.state.ObjectHovered = true;
  EXPECT_EQ(f.At(5, 50), HTOBJECT);
  EXPECT_EQ(f.At(100, 50), HTCLIENT);
  // ...and rolled up only the caption answers anything else than HTOBJECT.
  f.state = {200, 100, true, false, true, false, false};
  EXPECT_EQ(f.At(20, 5), HTCAPTION);
  EXPECT_EQ(f.At(100, 50), HTOBJECT);
  EXPECT_EQ(f.At(0, 0), HTOBJECT);
}

TEST(FrameHitTest, SizeableWithoutMaskSizesWithinTheBorderWidthOfTheWindowEdge) {
  Frame f;
  f.state.Sizeable = true;
  EXPECT_EQ(f.At(0, 0), HTTOPLEFT);
  EXPECT_EQ(f.At(199, 2), HTTOPRIGHT);
  EXPECT_EQ(f.At(3, 99), HTBOTTOMLEFT);
  EXPECT_EQ(f.At(199, 99), HTBOTTOMRIGHT);
  EXPECT_EQ(f.At(100, 0), HTTOP);
  EXPECT_EQ(f.At(100, 96), HTBOTTOM);
  EXPECT_EQ(f.At(3, 50), HTLEFT);
  EXPECT_EQ(f.At(196, 50), HTRIGHT);
  // The probe reaches 4 pixels: one pixel further in is not near the edge.
  EXPECT_EQ(f.At(4, 50), HTOBJECT);
  EXPECT_EQ(f.At(195, 50), HTOBJECT);
  EXPECT_EQ(f.At(100, 4), HTOBJECT);
  // Near the edge inside the caption: the sizing code wins.
  EXPECT_EQ(f.At(25, 2), HTTOP);
  // Maximised windows have no sizing edges.
  f.state.Maximised = true;
  EXPECT_EQ(f.At(0, 0), HTOBJECT);
}

TEST(FrameHitTest, SizeableWithMaskSizesWhereAProbeLeavesTheOutline) {
  Frame f;
  f.state.Sizeable = true;
  // A window with its outline 6 pixels in from every side, as a rounded mask would cut it.
  const TMaskTest mask = [](TPoint p) { return TRect{6, 6, 194, 94}.Contains(p); };
  EXPECT_EQ(f.At(100, 8, mask), HTTOP);       // 8 - 4 falls outside the outline
  EXPECT_EQ(f.At(160, 10, mask), HTOBJECT);   // all four probes inside
  EXPECT_EQ(f.At(6, 50, mask), HTLEFT);
  EXPECT_EQ(f.At(191, 50, mask), HTRIGHT);
  EXPECT_EQ(f.At(8, 8, mask), HTTOPLEFT);
  // Inside the mask area nothing sizes, whatever the probes say.
  EXPECT_EQ(f.At(12, 32, mask), HTCLIENT);
  // The window's rectangle alone would have said "near the edge" here; the mask does not.
  EXPECT_EQ(f.At(100, 3, [](TPoint) { return true; }), HTOBJECT);
}

TEST(FrameHitTest, DefaultFrameHasTwoPixelMarginsWhenSizeable) {
  THitTestState s{200, 100, true, false, false, false, false};
  const TRect caption{20, 3, 163, 19};
  const auto at = [&](TFormBorderStyle style, int x, int y) { return HitTestDefaultFrame(caption, style, s, {x, y}); };
  EXPECT_EQ(at(TFormBorderStyle::bsSizeable, 2, 2), HTTOPLEFT);
  EXPECT_EQ(at(TFormBorderStyle::bsSizeable, 198, 50), HTRIGHT);
  EXPECT_EQ(at(TFormBorderStyle::bsSizeable, 100, 98), HTBOTTOM);
  EXPECT_EQ(at(TFormBorderStyle::bsSizeable, 100, 10), HTCAPTION);
  EXPECT_EQ(at(TFormBorderStyle::bsSizeable, 100, 50), HTCLIENT);
  EXPECT_EQ(at(TFormBorderStyle::bsSingle, 2, 2), HTOBJECT);
  EXPECT_EQ(at(TFormBorderStyle::bsSingle, 10, 10), HTOBJECT);  // the system-menu button's place
  EXPECT_EQ(at(TFormBorderStyle::bsSingle, 197, 50), HTOBJECT);  // client right edge is outside
  EXPECT_EQ(at(TFormBorderStyle::bsToolWindow, 5, 18), HTCLIENT);
  EXPECT_EQ(HitTestName(HTCAPTION), QStringLiteral("HTCAPTION"));
  EXPECT_EQ(HitTestName(HTOBJECT), QStringLiteral("HTOBJECT"));
}
