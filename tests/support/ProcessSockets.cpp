// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "support/ProcessSockets.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include "support/FileBytes.h"

QStringList SocketsOf(qint64 pid, const QStringList& tables) {
  QStringList inodes;
  const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
  for (const QString& fd : fds.entryList(QDir::System)) {
    char target[256] = {};
    if (::readlink(QFile::encodeName(fds.filePath(fd)).constData(), target, sizeof target - 1) > 0)
      inodes << QString::fromLatin1(target);
  }
  QStringList addresses;
  for (const QString& table : tables)
    for (const QByteArray& line : ReadBytes(table).split('\n')) {
      const QList<QByteArray> fields = line.simplified().split(' ');
      if (fields.size() > 9 && inodes.contains(QStringLiteral("socket:[%1]").arg(QString::fromLatin1(fields[9]))))
        addresses << QString::fromLatin1(fields[1]);
    }
  return addresses;
}

QString SaidOnStandardError(QProcess& program, QByteArray& err, const QString& pattern) {
  const QRegularExpression said(pattern);
  for (int i = 0; i < 1000 && program.state() == QProcess::Running; ++i) {
    err += program.readAllStandardError();
    const QRegularExpressionMatch match = said.match(QString::fromLocal8Bit(err));
    if (match.hasMatch()) return match.captured(1);
    QTest::qWait(10);
  }
  return {};
}
