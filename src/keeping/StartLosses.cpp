// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "keeping/StartLosses.h"

#include <unistd.h>

#include <QFile>
#include <QFileInfo>

QString StartLosses::Notice() const {
  QString notice = QStringLiteral("本控制台启动时缺少以下保护：\n");
  for (const QString& loss : losses_) notice += QStringLiteral("\n• ") + loss;
  return notice;
}

void NoteStateFolderLosses(StartLosses& losses, bool recoveryActive, const QString& folder) {
  if (recoveryActive) return;
  // The folder as the copy and the log would use it: created and writable by this user.
  const bool writable = QFileInfo(folder).isDir() && ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
  if (writable) {
    losses.Add(QStringLiteral("另一个控制台正在运行：本控制台不保存恢复副本，意外退出后无法恢复。"));
    return;
  }
  losses.Add(QStringLiteral("状态文件夹 %1 无法写入：没有恢复副本，也没有发送记录。").arg(folder));
}
