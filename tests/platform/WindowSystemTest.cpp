// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include "platform/WindowSystem.h"

namespace {

TPlatformSession Session(QByteArray wayland, QByteArray x, QByteArray qpa = {}, QStringList arguments = {"lumetra"}) {
  return {std::move(wayland), std::move(x), std::move(qpa), std::move(arguments)};
}

}  // namespace

TEST(WindowSystem, AWaylandSessionStartsOnXWhenItOffersXElseOnWayland) {
  const TPlatformChoice both = ChoosePlatform(Session("wayland-0", ":0"));
  EXPECT_EQ(both.Platform, "xcb");
  EXPECT_TRUE(both.Reason.contains(QLatin1String("XWayland")));
  EXPECT_FALSE(both.Reason.contains(QLatin1Char('\n')));
  EXPECT_EQ(ChoosePlatform(Session("wayland-0", {})).Platform, "wayland");
  // Not a Wayland session: the toolkit's own choice.
  EXPECT_EQ(ChoosePlatform(Session({}, ":0")), TPlatformChoice{});
  EXPECT_EQ(ChoosePlatform(Session({}, {})), TPlatformChoice{});
}

TEST(WindowSystem, TheUsersOwnChoiceAlwaysStands) {
  EXPECT_EQ(ChoosePlatform(Session("wayland-0", ":0", "wayland")), TPlatformChoice{});
  EXPECT_EQ(ChoosePlatform(Session("wayland-0", {}, "offscreen")), TPlatformChoice{});
  EXPECT_EQ(ChoosePlatform(Session("wayland-0", ":0", {}, {"lumetra", "-platform", "wayland"})), TPlatformChoice{});
  EXPECT_EQ(ChoosePlatform(Session("wayland-0", ":0", {}, {"lumetra", "--platform", "wayland"})), TPlatformChoice{});
  // A file or a word that merely names a platform is no choice, nor is the program's own name.
  EXPECT_EQ(ChoosePlatform(Session("wayland-0", ":0", {}, {"-platform", "show.lw", "platform"})).Platform, "xcb");
}
