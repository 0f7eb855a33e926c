// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>

#include "platform/InOutError.h"
#include "platform/InstalledLayout.h"
#include "show/ShowDocument.h"
#include "show/ShowPaths.h"
#include "show/WorkingState.h"
#include "support/FileBytes.h"

TEST(ShowPaths, LwAnywhereInThePathInExactCaseMeansASettingsFile) {
  EXPECT_TRUE(IsSettingsFilePath(QStringLiteral("/shows/act1.lw")));
  EXPECT_TRUE(IsSettingsFilePath(QStringLiteral("/shows.lw/act1.txt")));
  EXPECT_TRUE(IsSettingsFilePath(QStringLiteral("/a/b.lwx")));
  EXPECT_FALSE(IsSettingsFilePath(QStringLiteral("/shows/ACT1.LW")));
  EXPECT_FALSE(IsSettingsFilePath(QStringLiteral("/shows/act1.txt")));

  // Through a real load: the folder decides, and an upper-case name is imported as text.
  ASSERT_TRUE(QDir().mkdir(QStringLiteral("shows.lw")));
  WriteBytes(QStringLiteral("shows.lw/act1.txt"), "2\r\n14\r\n255\r\nF\r\nA\r\n1\r\n2\r\n3\r\n");
  WriteBytes(QStringLiteral("ACT1.LW"), "2\r\n14\r\n");
  ShowDocument show;
  EXPECT_EQ(show.Load(QStringLiteral("shows.lw/act1.txt")), ShowFileKind::Settings);
  EXPECT_EQ(show.Port, 2);
  EXPECT_EQ(show.Load(QStringLiteral("ACT1.LW")), ShowFileKind::Text);
  EXPECT_EQ(show.Lines, (QStringList{"2", "14"}));
}

TEST(ShowPaths, SavingReplacesTheFileNamesExtensionByLw) {
  EXPECT_EQ(WithSettingsExtension(QStringLiteral("/s/act1")), QStringLiteral("/s/act1.lw"));
  EXPECT_EQ(WithSettingsExtension(QStringLiteral("/s/act1.txt")), QStringLiteral("/s/act1.lw"));
  EXPECT_EQ(WithSettingsExtension(QStringLiteral("/s/act1.lw")), QStringLiteral("/s/act1.lw"));
  EXPECT_EQ(WithSettingsExtension(QStringLiteral("/s/act1.old.txt")), QStringLiteral("/s/act1.old.lw"));
  EXPECT_EQ(WithSettingsExtension(QStringLiteral("/s.d/act1")), QStringLiteral("/s.d/act1.lw"));
  EXPECT_EQ(WithSettingsExtension(QStringLiteral("act1.")), QStringLiteral("act1.lw"));
  EXPECT_EQ(WithSettingsExtension(QStringLiteral("act1")), QStringLiteral("act1.lw"));
}

TEST(WorkingState, WrittenBesideTheProgramOrInTheUserFolderWhenThatIsRefused) {
  const QString here = QDir::currentPath();
  ASSERT_TRUE(QDir().mkpath(QStringLiteral("program")));
  const QString user = here + QStringLiteral("/config/lumetra");

  EXPECT_EQ(SaveWorkingState("state", here + QStringLiteral("/program"), user), here + QStringLiteral("/program/lw1.ini"));
  EXPECT_EQ(ReadBytes(QStringLiteral("program/lw1.ini")), QByteArray("state"));
  EXPECT_FALSE(QFileInfo::exists(user));

  // The program folder is in the way (a folder named lw1.ini refuses like a read-only folder).
  ASSERT_TRUE(QDir().mkpath(QStringLiteral("installed/lw1.ini")));
  EXPECT_EQ(SaveWorkingState("moved", here + QStringLiteral("/installed"), user), user + QStringLiteral("/lw1.ini"));
  EXPECT_EQ(ReadBytes(user + QStringLiteral("/lw1.ini")), QByteArray("moved"));

  // Both refused: the program folder's error.
  ASSERT_TRUE(QDir().mkpath(QStringLiteral("blocked/lw1.ini")));
  WriteBytes(QStringLiteral("notafolder"), "x");
  try {
    SaveWorkingState("lost", here + QStringLiteral("/blocked"), here + QStringLiteral("/notafolder/lumetra"));
    FAIL() << "no error";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Message(), QStringLiteral("File access denied"));
  }

  // Other failures are not moved elsewhere.
  EXPECT_THROW(SaveWorkingState("x", here + QStringLiteral("/missing"), user), EInOutError);
}

TEST(WorkingState, RestoredFromTheCurrentFolderElseTheUserFolder) {
  const QString here = QDir::currentPath();
  ASSERT_TRUE(QDir().mkpath(QStringLiteral("cwd")));
  ASSERT_TRUE(QDir().mkpath(QStringLiteral("user")));
  EXPECT_EQ(WorkingStateToRestore(here + QStringLiteral("/cwd"), here + QStringLiteral("/user")), QString());
  WriteBytes(QStringLiteral("user/lw1.ini"), "u");
  EXPECT_EQ(WorkingStateToRestore(here + QStringLiteral("/cwd"), here + QStringLiteral("/user")),
            here + QStringLiteral("/user/lw1.ini"));
  WriteBytes(QStringLiteral("cwd/lw1.ini"), "c");
  EXPECT_EQ(WorkingStateToRestore(here + QStringLiteral("/cwd"), here + QStringLiteral("/user")),
            here + QStringLiteral("/cwd/lw1.ini"));

  qputenv("XDG_CONFIG_HOME", "/xdg");
  EXPECT_EQ(UserStateFolder(), QStringLiteral("/xdg/lumetra"));
  qputenv("XDG_CONFIG_HOME", "relative");
  EXPECT_EQ(UserStateFolder(), QDir::homePath() + QStringLiteral("/.config/lumetra"));
}

// Installed, the program's folder belongs to the package manager even where it could be written
// (root): the state goes to the user folder and is read back from there before the current folder.
TEST(WorkingState, AnInstalledConsoleKeepsItInTheUserFolderAndReadsItBackFromThere) {
  const QString here = QDir::currentPath();
  const QString bin = here + QStringLiteral("/usr/bin");
  ASSERT_TRUE(QDir().mkpath(PackageDataFolder(bin)) && QDir().mkpath(bin));
  const QString user = here + QStringLiteral("/config/lumetra");
  const QString userFile = user + QStringLiteral("/lw1.ini");

  WriteBytes(QStringLiteral("lw1.ini"), "here");
  EXPECT_EQ(WorkingStateToRestore(here, user, bin), here + QStringLiteral("/lw1.ini")) << "the first start";
  EXPECT_EQ(SaveWorkingState("state", bin, user), userFile);
  EXPECT_EQ(ReadBytes(userFile), QByteArray("state"));
  EXPECT_FALSE(QFileInfo::exists(bin + QStringLiteral("/lw1.ini")));
  EXPECT_EQ(WorkingStateToRestore(here, user, bin), userFile);

  // From a build folder, as ever: beside the program, restored from the current folder first.
  ASSERT_TRUE(QDir().mkpath(QStringLiteral("build/src/app")));
  const QString built = here + QStringLiteral("/build/src/app");
  EXPECT_EQ(SaveWorkingState("built", built, user), built + QStringLiteral("/lw1.ini"));
  EXPECT_EQ(WorkingStateToRestore(here, user, built), here + QStringLiteral("/lw1.ini"));
}
