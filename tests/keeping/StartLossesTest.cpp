// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The safety nets a start can lose with its state folder, told in one notice.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "keeping/ShowRecovery.h"
#include "keeping/StartLosses.h"

TEST(StartLosses, ASecondConsoleAndAnUnwritableStateFolderAreToldInOneNotice) {
  const QString folder = QDir::current().filePath(QStringLiteral("state"));
  ShowRecovery first([] { return RecoveryState{}; });
  first.Begin(folder);
  ASSERT_TRUE(first.Active());
  ShowRecovery second([] { return RecoveryState{}; });
  second.Begin(folder);  // the first console holds the copy

  // A file where the folder should be: unwritable for every user, root too.
  const QString locked = QDir::current().filePath(QStringLiteral("locked"));
  QFile file(locked);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  const struct {
    bool active;
    QString folder;
    QString loss;
  } cases[] = {
      {first.Active(), folder, {}},
      {second.Active(), folder, QStringLiteral("另一个控制台正在运行：本控制台不保存恢复副本")},
      {false, locked, QStringLiteral("状态文件夹 %1 无法写入：没有恢复副本，也没有发送记录。").arg(locked)},
      {false, locked + QStringLiteral("/lumetra"), QStringLiteral("状态文件夹 %1/lumetra 无法写入").arg(locked)},
  };
  StartLosses all;
  for (const auto& c : cases) {
    StartLosses losses;
    NoteStateFolderLosses(losses, c.active, c.folder);
    NoteStateFolderLosses(all, c.active, c.folder);
    EXPECT_EQ(losses.Empty(), c.loss.isEmpty()) << c.folder.toStdString();
    EXPECT_TRUE(losses.Notice().contains(c.loss)) << losses.Notice().toStdString();
  }
  EXPECT_EQ(all.Notice().count(u'•'), 3);
}
