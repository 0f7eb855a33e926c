// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// A quit signal closes the console as its window's close does: the working state is saved, no
// dialog holds the close up, and an error goes to standard error.
#include <QDir>
#include <QFontDialog>
#include <csignal>

#include "platform/FontDialog.h"
#include "platform/QuitSignals.h"
#include "support/ConsoleFixture.h"
#include "support/ConsoleProcess.h"
#include "support/FileBytes.h"
#include "support/ModalDriver.h"

namespace {

const QByteArray kSongName = "\xcb\xce\xcc\xe5";  // "宋体" in GB2312
const QByteArray kTwoLines =
    "1\r\n14\r\n255\r\n" + kSongName + "\r\nAct One\r\n0\r\n5\r\n0\r\nScene 2\r\n0\r\n5\r\n0\r\n";

}  // namespace

TEST(ConsoleQuitSignal, EachQuitSignalSavesTheWorkingStateAndEndsTheProgram) {
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    WriteBytes(QStringLiteral("lw1.ini"), kTwoLines);
    QFile::remove(QStringLiteral("program/lw1.ini"));
    ConsoleProcess console;
    ASSERT_TRUE(console.StartAndWaitForHandlers()) << signal;
    ASSERT_TRUE(console.Stop(signal)) << signal;
    EXPECT_EQ(console.process.exitStatus(), QProcess::NormalExit) << signal;
    EXPECT_EQ(console.process.exitCode(), 0) << signal;
    EXPECT_EQ(ReadBytes(QStringLiteral("program/lw1.ini")), kTwoLines) << signal;
  }
}

TEST(ConsoleQuitSignal, EndsAlsoWhileTheStartUpErrorMessageWaitsForTheOperator) {
  // The restore fails and its message box is up (or about to be) when the signal comes.
  WriteBytes(QStringLiteral("lw1.ini"), "1\r\n14\r\n255\r\n" + kSongName + "\r\nKept\r\nbad\r\n");
  ConsoleProcess console;
  ASSERT_TRUE(console.StartAndWaitForHandlers());
  ASSERT_TRUE(console.Stop());
  EXPECT_EQ(console.process.exitCode(), 0);
  EXPECT_TRUE(ReadBytes(QStringLiteral("program/lw1.ini")).contains("Kept"));
}

TEST(ConsoleQuitSignal, AFailedSaveIsReportedOnStandardErrorAndTheProgramStillEnds) {
  ConsoleProcess console;
  // Folders where the file should go, beside the program and in the per-user fallback.
  QDir().mkpath(QStringLiteral("program/lw1.ini"));
  QDir().mkpath(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/lumetra/lw1.ini"));
  ASSERT_TRUE(console.StartAndWaitForHandlers());
  ASSERT_TRUE(console.Stop());
  EXPECT_EQ(console.process.exitCode(), 1);
  const QString err = QString::fromLocal8Bit(console.process.readAllStandardError());
  EXPECT_TRUE(err.contains(QStringLiteral("Lumetra: "))) << err.toStdString();
  EXPECT_TRUE(err.contains(QStringLiteral("the working state was not saved"))) << err.toStdString();
}

class ConsoleQuitSignalInProcess : public ConsoleFixture {};

TEST_F(ConsoleQuitSignalInProcess, AnOpenDialogDoesNotHoldTheCloseUp) {
  SetDialogService(nullptr);  // the real font dialog, waiting for an operator who is not there
  Application().MainForm = form.get();
  SetCaptions({QStringLiteral("Act One")});
  auto driver = ModalDriver::For<TFontDialogWindow>([](TFontDialogWindow*) { CloseMainFormForSignal(SIGTERM); });
  form->SkinButton3->click();
  ASSERT_TRUE(driver->Ran());
  EXPECT_FALSE(form->Visible());
  EXPECT_TRUE(ReadBytes(QStringLiteral("lw1.ini")).contains("Act One"));
  Application().MainForm = nullptr;
}
