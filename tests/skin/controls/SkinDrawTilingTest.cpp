// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include "skin/controls/SkinDrawTiling.h"

TEST(TileSpan, CutsTheLastTileAtTheEndOfTheSpan) {
  const std::vector<TTilePiece> tiles = TileSpan(10, 35, 10);
  ASSERT_EQ(tiles.size(), 3u);
  EXPECT_EQ(tiles[0], (TTilePiece{10, 10}));
  EXPECT_EQ(tiles[1], (TTilePiece{20, 10}));
  EXPECT_EQ(tiles[2], (TTilePiece{30, 5}));
}

TEST(TileSpan, ExactDivisionEndsWithAZeroWidthTile) {
  const std::vector<TTilePiece> tiles = TileSpan(0, 30, 10);
  ASSERT_EQ(tiles.size(), 4u);
  EXPECT_EQ(tiles[3], (TTilePiece{30, 0}));
  // An empty span still has its one zero-width tile, and draws nothing.
  EXPECT_EQ(TileSpan(5, 5, 3), (std::vector<TTilePiece>{{5, 0}}));
}

TEST(TileSpan, NothingForAnInvertedSpanOrASourceWithoutLength) {
  EXPECT_TRUE(TileSpan(10, 9, 4).empty());
  EXPECT_TRUE(TileSpan(0, 100, 0).empty());
  EXPECT_TRUE(TileSpan(0, 100, -3).empty());
}
