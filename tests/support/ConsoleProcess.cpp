// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "support/ConsoleProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <csignal>

namespace {

// Whether the process has its own handler for `signal` (the kernel's caught-signals mask).
bool Catches(qint64 pid, int signal) {
  QFile status(QStringLiteral("/proc/%1/status").arg(pid));
  if (!status.open(QIODevice::ReadOnly)) return false;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("SigCgt:")) return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
  return false;
}

}  // namespace

ConsoleProcess::ConsoleProcess() {
  QDir().mkpath(QStringLiteral("program"));
  QFile::copy(QStringLiteral(LUMETRA_APP_PATH), QStringLiteral("program/lumetra"));
  // Its web pages come beside it, as in a build folder.
  QFile::copy(QStringLiteral(LUMETRA_WEB_MODULE_PATH),
              QStringLiteral("program/") + QFileInfo(QStringLiteral(LUMETRA_WEB_MODULE_PATH)).fileName());
  process.setProgram(QDir::current().absoluteFilePath(QStringLiteral("program/lumetra")));
  process.setArguments({QStringLiteral("-platform"), QStringLiteral("offscreen")});
}

bool ConsoleProcess::StartAndWaitForHandlers() {
  process.start();
  if (!process.waitForStarted(10000)) return false;
  for (int i = 0; i < 1000 && process.state() == QProcess::Running; ++i) {
    if (Catches(process.processId(), SIGHUP)) return true;
    QTest::qWait(10);
  }
  return false;
}

bool ConsoleProcess::Stop(int signal) {
  ::kill(pid_t(process.processId()), signal);
  if (process.waitForFinished(10000)) return true;
  process.kill();
  process.waitForFinished(10000);
  return false;
}
