// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "support/Iconv.h"

#include <QProcess>
#include <gtest/gtest.h>

QByteArray Iconv(const QString& text, const QString& encoding) {
  QProcess iconv;
  iconv.start(QStringLiteral("iconv"), {QStringLiteral("-f"), QStringLiteral("UTF-8"), QStringLiteral("-t"), encoding});
  iconv.write(text.toUtf8());
  iconv.closeWriteChannel();
  const bool finished = iconv.waitForFinished(30000);
  EXPECT_TRUE(finished && iconv.exitStatus() == QProcess::NormalExit && iconv.exitCode() == 0)
      << "iconv to " << encoding.toStdString() << ": " << iconv.readAllStandardError().toStdString();
  return iconv.readAllStandardOutput();
}
