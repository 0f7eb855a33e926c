// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The entry effects and the player that strings them together.
#include <gtest/gtest.h>
#include <functional>

#include "sign/SignEffects.h"
#include "sign/SignPlayer.h"
#include "support/SignPackets.h"

namespace {

LedPage Filled(const std::function<bool(int x, int y)>& lit) {
  LedPage page;
  for (int y = 0; y < kLedHeight; ++y)
    for (int x = 0; x < kLedWidth; ++x) page.SetLit(x, y, lit(x, y));
  return page;
}

const LedPage kFull = Filled([](int, int) { return true; });

int LitCount(const LedPage& page) {
  int lit = 0;
  for (int y = 0; y < kLedHeight; ++y)
    for (int x = 0; x < kLedWidth; ++x) lit += page.IsLit(x, y);
  return lit;
}

}  // namespace

TEST(SignEffects, EveryEffectGrowsFromDarkToThePage) {
  const LedPage text = Filled([](int x, int y) { return (x * 7 + y * 3) % 5 == 0; });
  for (int mode : {0, 1, 255}) EXPECT_EQ(EffectFrame(mode, text, 0), text) << "shown at once: " << mode;
  for (int mode = 2; mode <= 19; ++mode) {
    EXPECT_EQ(EffectFrame(mode, text, 0), LedPage()) << mode;
    EXPECT_EQ(EffectFrame(mode, text, EffectSteps(mode)), text) << mode;
    int before = 0;
    for (int step = 0; step <= EffectSteps(mode); step += 8) {
      const int lit = LitCount(EffectFrame(mode, kFull, step));
      EXPECT_GE(lit, before) << "mode " << mode << " step " << step;
      before = lit;
    }
  }
}

TEST(SignEffects, EachEffectComesFromItsOwnSide) {
  const int half = kEffectSteps / 2;
  const auto centreX = [](int x) { return std::abs(2 * x + 1 - kLedWidth) < kLedWidth / 2; };
  const auto centreY = [](int y) { return std::abs(2 * y + 1 - kLedHeight) < kLedHeight / 2; };
  const std::pair<int, std::function<bool(int, int)>> halfway[] = {
      {2, [](int x, int) { return x < 96; }},       {3, [](int, int y) { return y >= 8; }},
      {4, [](int, int y) { return y < 8; }},        {5, [](int x, int) { return x >= 96; }},
      {6, [](int x, int) { return x < 96; }},       {7, [](int x, int) { return x >= 96; }},
      {8, [](int, int y) { return y >= 8; }},       {9, [](int, int y) { return y < 8; }},
      {10, [&](int x, int) { return centreX(x); }}, {11, [&](int x, int) { return !centreX(x); }},
      {12, [&](int, int y) { return centreY(y); }}, {13, [&](int, int y) { return !centreY(y); }},
      {14, [](int x, int) { return x < 96; }},      {15, [](int x, int) { return x >= 96; }},
      {16, [](int x, int) { return x < 96; }},      {17, [](int x, int) { return x >= 96; }},
      {18, [](int, int y) { return y < 8; }},       {19, [](int, int y) { return y >= 8; }},
  };
  for (const auto& [mode, lit] : halfway) EXPECT_EQ(EffectFrame(mode, kFull, half), Filled(lit)) << mode;
  // Moves carry the picture: halfway in from the left, the page's right half stands on the left.
  const LedPage rightHalf = Filled([](int x, int) { return x >= 96; });
  EXPECT_EQ(EffectFrame(2, rightHalf, half), Filled([](int x, int) { return x < 96; }));
}

TEST(SignEffects, ScrollingMovesThroughEveryPageToTheLast) {
  std::vector<LedPage> pages;
  for (int i = 0; i < 3; ++i) pages.push_back(Filled([i](int x, int y) { return (x + y) % 3 == i; }));
  EXPECT_EQ(ScrollSteps(3), 3 * kLedWidth);
  EXPECT_EQ(ScrollFrame(pages, 0), LedPage());
  for (int i = 0; i < 3; ++i) EXPECT_EQ(ScrollFrame(pages, kLedWidth * (i + 1)), pages[std::size_t(i)]) << i;
  // On the way the first page's left columns come in at the right edge.
  const LedPage quarter = ScrollFrame(pages, 48);
  for (int y = 0; y < kLedHeight; ++y)
    for (int x = 0; x < kLedWidth; ++x)
      ASSERT_EQ(quarter.IsLit(x, y), x >= 144 && pages[0].IsLit(x - 144, y)) << x << "," << y;
}

TEST(SignPlayer, PlaysThePagesInTurnAndKeepsTheLast) {
  const LedPage first = Filled([](int x, int) { return x < 10; });
  const LedPage second = Filled([](int x, int) { return x > 180; });
  SignPlayer player;
  int changes = 0;
  QObject::connect(&player, &SignPlayer::FrameChanged, [&] { ++changes; });

  player.Play(ValidPacket(0, {first, second}));
  EXPECT_EQ(player.Frame(), first);
  for (int tick = 0; tick < SignPlayer::kHoldTicks; ++tick) player.Tick();
  EXPECT_EQ(player.Frame(), first) << "a page stays a while";
  player.Tick();
  EXPECT_EQ(player.Frame(), second);
  EXPECT_FALSE(player.Moving());
  EXPECT_EQ(changes, 2) << "only changes are announced";

  // An effect plays to its end; the scrolling mode goes through all pages in one run.
  player.Play(ValidPacket(6, {first}));
  EXPECT_TRUE(player.Moving());
  while (player.Moving()) player.Tick();
  EXPECT_EQ(player.Frame(), first);
  player.Play(ValidPacket(1, {first, second}));
  int ticks = 0;
  for (; player.Moving(); ++ticks) player.Tick();
  EXPECT_EQ(ticks, ScrollSteps(2));
  EXPECT_EQ(player.Frame(), second);

  // A packet without pages leaves the matrix as it is.
  player.Play(ValidPacket(0, {}));
  EXPECT_EQ(player.Frame(), second);
}
