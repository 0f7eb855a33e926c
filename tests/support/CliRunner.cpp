// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "support/CliRunner.h"

#include <QProcess>
#include <gtest/gtest.h>

CliRun RunCli(const QStringList& arguments, const QProcessEnvironment& environment) {
  return RunProgram(QStringLiteral(LUMETRA_CLI_PATH), arguments, environment);
}

CliRun RunProgram(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  EXPECT_TRUE(process.waitForFinished(30000));
  return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}
