// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

#include "platform/InstalledLayout.h"

// The package unpacked anywhere: its programs' folder, with the package's data folder where the
// build installs it, runs installed; a build folder, or a program copied out alone, does not.
TEST(InstalledLayout, AProgramRunsInstalledWhereThePackagesDataLiesBesideIt) {
  const QString root = QDir::current().filePath(QStringLiteral("unpacked"));
  const QString bin = root + QStringLiteral("/usr/bin");
  ASSERT_TRUE(QDir().mkpath(bin));
  EXPECT_EQ(PackageDataFolder(bin), root + QStringLiteral("/usr/share/lumetra"));
  EXPECT_FALSE(RunsInstalled(bin)) << "a program copied out alone";
  ASSERT_TRUE(QDir().mkpath(PackageDataFolder(bin)));
  EXPECT_TRUE(RunsInstalled(bin));

  // A build folder holds the programs a level deeper, with no data folder at the way from them.
  ASSERT_TRUE(QDir().mkpath(QStringLiteral("build/src/app")));
  ASSERT_TRUE(QDir().mkpath(QStringLiteral("build/share/lumetra")));
  EXPECT_FALSE(RunsInstalled(QDir::current().filePath(QStringLiteral("build/src/app"))));
  EXPECT_FALSE(RunsInstalled(QCoreApplication::applicationDirPath())) << "the tests run from the build";
}
