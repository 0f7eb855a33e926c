#include "support/CliRunner.h"

#include <QProcess>
#include <gtest/gtest.h>

CliRun RunCli(const QStringList& arguments, const QProcessEnvironment& environment) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(LUMETRA_CLI_PATH), arguments);
  EXPECT_TRUE(process.waitForFinished(30000));
  return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}
