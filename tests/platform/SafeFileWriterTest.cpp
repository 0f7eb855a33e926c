// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <functional>

#include "platform/InOutError.h"
#include "platform/SafeFileWriter.h"
#include "support/FileBytes.h"

namespace {

const QByteArray kPrevious = "previous show\r\n1\r\n";

int WriteErrorCode(const QString& path, const QByteArray& bytes) {
  try {
    WriteFileSafely(path, bytes);
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Message(), InOutErrorMessage(error.ErrorCode));
    return error.ErrorCode;
  }
  return 0;
}

QStringList FolderEntries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Runs `action` in a child process under an unprivileged user, so that file permissions apply
// even when the tests run as root; returns the child's exit status, or -1 when no such user
// could be taken on.
int RunAsUnprivilegedUser(const std::function<int()>& action) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(100);
    ::_exit(action());
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) == 100) return -1;
  return WEXITSTATUS(status);
}

}  // namespace

TEST(SafeFileWriter, ReplacesTheFileKeepingItsPermissionsAndLeavesNoTemporaryFile) {
  ASSERT_TRUE(QDir().mkdir(QStringLiteral("shows")));
  WriteBytes(QStringLiteral("shows/act1.lw"), kPrevious);
  ASSERT_EQ(::chmod("shows/act1.lw", 0640), 0);
  WriteFileSafely(QStringLiteral("shows/act1.lw"), "new\r\n");
  EXPECT_EQ(ReadBytes(QStringLiteral("shows/act1.lw")), QByteArray("new\r\n"));
  struct stat info {};
  ASSERT_EQ(::stat("shows/act1.lw", &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);

  WriteFileSafely(QStringLiteral("shows/empty.lw"), QByteArray());
  EXPECT_EQ(ReadBytes(QStringLiteral("shows/empty.lw")), QByteArray());
  EXPECT_EQ(FolderEntries(QStringLiteral("shows")), (QStringList{"act1.lw", "empty.lw"}));
}

TEST(SafeFileWriter, WritesThroughASymbolicLinkToItsFile) {
  WriteBytes(QStringLiteral("real.lw"), kPrevious);
  ASSERT_EQ(::symlink("real.lw", "link.lw"), 0);
  WriteFileSafely(QStringLiteral("link.lw"), "new");
  EXPECT_TRUE(QFileInfo(QStringLiteral("link.lw")).isSymLink());
  EXPECT_EQ(ReadBytes(QStringLiteral("real.lw")), QByteArray("new"));
}

TEST(SafeFileWriter, AMissingFolderOrAFolderInTheWayIsRefused) {
  EXPECT_EQ(WriteErrorCode(QStringLiteral("no-folder/act1.lw"), "x"), kPathNotFound);
  EXPECT_EQ(WriteErrorCode(QString(), "x"), kPathNotFound);
  ASSERT_TRUE(QDir().mkdir(QStringLiteral("act1.lw")));
  EXPECT_EQ(WriteErrorCode(QStringLiteral("act1.lw"), "x"), kAccessDenied);
  EXPECT_TRUE(QFileInfo(QStringLiteral("act1.lw")).isDir());
  EXPECT_EQ(FolderEntries(QStringLiteral(".")), QStringList{"act1.lw"});
}

TEST(SafeFileWriter, AReadOnlyFolderOrFileIsAccessDeniedAndKeepsThePreviousFile) {
  // The child process needs to reach the folder.
  ASSERT_EQ(::chmod(".", 0755), 0);
  ASSERT_TRUE(QDir().mkdir(QStringLiteral("locked")));
  WriteBytes(QStringLiteral("locked/act1.lw"), kPrevious);
  ASSERT_EQ(::chmod("locked", 0555), 0);
  ASSERT_TRUE(QDir().mkdir(QStringLiteral("open")));
  WriteBytes(QStringLiteral("open/act2.lw"), kPrevious);
  ASSERT_EQ(::chmod("open", 0777), 0);
  ASSERT_EQ(::chmod("open/act2.lw", 0444), 0);

  const int folderCode = RunAsUnprivilegedUser([] { return WriteErrorCode(QStringLiteral("locked/act1.lw"), "new"); });
  if (folderCode < 0) GTEST_SKIP() << "no unprivileged user to run as";
  EXPECT_EQ(folderCode, kAccessDenied);
  EXPECT_EQ(ReadBytes(QStringLiteral("locked/act1.lw")), kPrevious);
  EXPECT_EQ(FolderEntries(QStringLiteral("locked")), QStringList{"act1.lw"});

  EXPECT_EQ(RunAsUnprivilegedUser([] { return WriteErrorCode(QStringLiteral("open/act2.lw"), "new"); }), kAccessDenied);
  EXPECT_EQ(ReadBytes(QStringLiteral("open/act2.lw")), kPrevious);
  EXPECT_EQ(FolderEntries(QStringLiteral("open")), QStringList{"act2.lw"});
  ::chmod("locked", 0755);
}

TEST(SafeFileWriter, AFileWrittenInPiecesReplacesTheTargetOnlyOnCommit) {
  WriteBytes(QStringLiteral("act1.lw"), kPrevious);
  {
    SafeFileWriter file(QStringLiteral("act1.lw"));
    file.Write("first ");
    file.Write("second");
    EXPECT_EQ(ReadBytes(QStringLiteral("act1.lw")), kPrevious);
    file.Commit();
  }
  EXPECT_EQ(ReadBytes(QStringLiteral("act1.lw")), QByteArray("first second"));

  {  // given up part-way, as a failed read gives it up
    SafeFileWriter file(QStringLiteral("act1.lw"));
    file.Write("half");
  }
  EXPECT_EQ(ReadBytes(QStringLiteral("act1.lw")), QByteArray("first second"));
  EXPECT_EQ(FolderEntries(QStringLiteral(".")), QStringList{QStringLiteral("act1.lw")});
}
