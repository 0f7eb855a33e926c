// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Where popups go: the vertical rules in their order, flipping, and the horizontal rules.
#include <gtest/gtest.h>

#include "skin/menus/SkinMenuPlacement.h"

namespace {

constexpr TRect kArea{0, 0, 800, 600};

TMenuPlacement Place(TRect rect, int w, int h, void (*adjust)(TMenuPlacementInput&) = nullptr) {
  TMenuPlacementInput in;
  in.Rect = rect;
  in.WorkArea = kArea;
  in.Width = w;
  in.Height = h;
  if (adjust) adjust(in);
  return PlacePopup(in);
}

}  // namespace

TEST(MenuPlacement, DownwardPopups) {
  // Fits below: under the rectangle, left-aligned.
  EXPECT_EQ(Place({100, 100, 180, 120}, 120, 300), (TMenuPlacement{100, 120, false}));
  // Lower half, fits neither below nor above: the work area's top, beside the rectangle.
  EXPECT_EQ(Place({100, 350, 180, 370}, 120, 500), (TMenuPlacement{181, 0, true}));
  // ...on its left when the right side has no room.
  EXPECT_EQ(Place({700, 350, 780, 370}, 120, 500), (TMenuPlacement{579, 0, true}));
  // Lower half, fits above: above, left-aligned.
  EXPECT_EQ(Place({100, 500, 180, 520}, 120, 300), (TMenuPlacement{100, 200, false}));
  // Upper half, does not fit below: against the bottom, beside the rectangle.
  EXPECT_EQ(Place({100, 250, 180, 270}, 120, 400), (TMenuPlacement{181, 200, true}));
  // Exactly fitting below is not a flip.
  EXPECT_EQ(Place({100, 280, 180, 300}, 120, 300), (TMenuPlacement{100, 300, false}));
  // Left-aligned popups stay inside the work area.
  EXPECT_EQ(Place({750, 10, 750, 10}, 120, 100), (TMenuPlacement{680, 10, false}));
  EXPECT_EQ(Place({-30, 10, -30, 10}, 120, 100), (TMenuPlacement{0, 10, false}));
}

TEST(MenuPlacement, UpwardPopups) {
  const auto up = [](TMenuPlacementInput& in) { in.PopupUp = true; };
  EXPECT_EQ(Place({100, 500, 180, 520}, 120, 300, up), (TMenuPlacement{100, 200, false}));
  // No room above, upper half: below when it fits there, else against the bottom.
  EXPECT_EQ(Place({100, 100, 180, 120}, 120, 300, up), (TMenuPlacement{100, 120, false}));
  EXPECT_EQ(Place({100, 100, 180, 120}, 120, 550, up), (TMenuPlacement{181, 50, true}));
  // No room above, lower half: the top.
  EXPECT_EQ(Place({100, 400, 180, 420}, 120, 450, up), (TMenuPlacement{181, 0, true}));
}

TEST(MenuPlacement, SubMenusAndScrollingPopups) {
  const auto sub = [](TMenuPlacementInput& in) {
    in.SubMenu = true;
    in.ItemsTop = 2;
  };
  // Its first item level with the parent line, to the right of it.
  EXPECT_EQ(Place({10, 100, 150, 120}, 120, 200, sub), (TMenuPlacement{151, 98, false}));
  EXPECT_EQ(Place({600, 100, 740, 120}, 120, 200, sub), (TMenuPlacement{479, 98, false}));
  // Too low for that: against the bottom (upper half) or ending at the line's bottom.
  EXPECT_EQ(Place({10, 250, 150, 270}, 120, 400, sub), (TMenuPlacement{151, 200, false}));
  EXPECT_EQ(Place({10, 500, 150, 520}, 120, 200, sub), (TMenuPlacement{151, 322, false}));
  EXPECT_EQ(Place({10, 500, 150, 520}, 120, 590, sub), (TMenuPlacement{151, 0, false}));

  // As tall as the work area: from its top, beside the rectangle; an item limit keeps the usual
  // rules.
  const auto tall = [](TMenuPlacementInput& in) { in.Scrolling = true; };
  EXPECT_EQ(Place({100, 300, 100, 300}, 120, 600, tall), (TMenuPlacement{101, 0, false}));
  const auto limited = [](TMenuPlacementInput& in) { in.Scrolling = in.LimitScrolling = true; };
  EXPECT_EQ(Place({100, 100, 100, 100}, 120, 200, limited), (TMenuPlacement{100, 100, false}));
}
