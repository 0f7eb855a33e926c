// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The recovery copy against ends that no program can handle: SIGKILL. A console that is killed
// after the operator's work comes back with that work, where the show stood (as a cue system
// asking it sees), and sends nothing on its own; a copy being written when the kill comes is the
// old copy or the new one, never a torn one. The killed programs are this test program run again
// as a child that plays one part (skipped when run on its own).
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <csignal>

#include "keeping/ConsoleStateFolder.h"
#include "keeping/RecoveryWriter.h"
#include "keeping/ShowRecovery.h"
#include "show/CaptionFont.h"
#include "show/SettingsFile.h"
#include "support/ConsoleFixture.h"
#include "support/ConsoleProcess.h"
#include "support/FileBytes.h"
#include "support/OscClient.h"
#include "support/PtySign.h"
#include "support/SignPackets.h"

namespace {

constexpr char kChildStateHome[] = "LUMETRA_RECOVERY_CHILD_STATE_HOME";
constexpr int kPort = 13;

QString StateFile(const QString& name) { return QDir(ConsoleStateFolder()).filePath(name); }

// Starts this program as a child running `test` with this test's state folder, and waits until it
// says it is ready to be killed.
bool StartChild(QProcess& child, const char* test) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QLatin1String(kChildStateHome), qEnvironmentVariable("XDG_STATE_HOME"));
  child.setProcessEnvironment(environment);
  child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=") + QLatin1String(test)});
  QByteArray said;
  while (child.waitForReadyRead(30000))
    if ((said += child.readAllStandardOutput()).contains("READY")) return true;
  ADD_FAILURE() << said.toStdString() << child.readAllStandardError().toStdString();
  return false;
}

void Kill(QProcess& child) {
  ::kill(pid_t(child.processId()), SIGKILL);
  child.waitForFinished(10000);
}

void SayReady() {
  std::printf("READY\n");
  std::fflush(stdout);
}

// The child's part of the first test: the operator's work in a console that is then killed.
class RecoveryChild : public ConsoleFixture {
 protected:
  void SetUp() override {
    const QByteArray stateHome = qgetenv(kChildStateHome);
    if (stateHome.isEmpty()) GTEST_SKIP() << "played by RecoveryAfterKill's tests";
    qputenv("XDG_STATE_HOME", stateHome);
    ConsoleFixture::SetUp();
  }
};

TEST_F(RecoveryChild, PreparesAShowAndWaitsForTheKill) {
  qputenv(qPrintable(QStringLiteral("LUMETRA_COM%1").arg(kPort)), "/nonexistent/com");  // its sends fail at once
  SetCaptions({QStringLiteral("Act One"), QStringLiteral("幕间休息"), QStringLiteral("Scene 3")});
  TypeText(form->Memo1, QStringLiteral("!"));
  ClickLine(1);
  ChooseMode(7);
  TypeText(form->Edit3, QStringLiteral("3"));  // port 1 becomes 13
  dialogs->fontAnswers.push_back([](TFont& font) { font.SetSize(12); });
  form->SkinButton3->click();
  ClickLine(0);
  PressKeyInPlayList(Qt::Key_Return);  // line 0 sent (the port fails at once), line 1 next
  form->Recovery.Timer().Tick();
  ASSERT_TRUE(form->Recovery.WaitUntilWritten());
  ASSERT_EQ(form->PortNumber(), kPort);
  WriteBytes(StateFile(QStringLiteral("expected.lw")),
             EncodeSettingsFile(form->PortNumber(), form->CaptionFont, form->CaptionLines(), form->LineSettings));
  SayReady();
  QTest::qWait(60000);
  FAIL() << "the kill never came";
}

// The child's part of the second test: a long show written over and over in two versions.
RecoveryState BigState(int port) {
  RecoveryState state;
  state.head = EncodeSettingsHead(port, InitialCaptionFont());
  for (int i = 0; i < 100000; ++i) state.lines << QStringLiteral("第%1行 Line %1 of a long show").arg(i);
  state.table.fill(LineSetting{0, 5, port});
  return state;
}

QByteArray BytesOf(const RecoveryState& state) { return EncodeSettingsFile(state.head, state.lines, state.table); }

TEST(RecoveryWriterChild, WritesTwoVersionsInTurnUntilKilled) {
  const QString stateHome = qEnvironmentVariable(kChildStateHome);
  if (stateHome.isEmpty()) GTEST_SKIP() << "played by RecoveryAfterKill's tests";
  const RecoveryState versions[] = {BigState(1), BigState(2)};
  RecoveryWriter writer(stateHome + QStringLiteral("/recovery.lw"), stateHome + QStringLiteral("/recovery.pos"));
  SayReady();
  for (int i = 0; i < 100000; ++i) {
    writer.WriteState(versions[i % 2], ShowPosition{});
    ASSERT_TRUE(writer.WaitUntilIdle(std::chrono::seconds(30)));
  }
  FAIL() << "the kill never came";
}

TEST(RecoveryAfterKill, TheNextStartOfTheProgramHasTheOperatorsWorkStandsWhereItStoodAndSendsNothing) {
  QProcess child;
  ASSERT_TRUE(StartChild(child, "RecoveryChild.PreparesAShowAndWaitsForTheKill"));
  Kill(child);
  const QByteArray expected = ReadBytes(StateFile(QStringLiteral("expected.lw")));
  ASSERT_TRUE(expected.contains("Scene 3") && expected.contains("!"));
  ASSERT_EQ(ReadBytes(StateFile(QStringLiteral("recovery.lw"))), expected);

  PtySign sign(kPort);
  ConsoleProcess console;
  console.process.setArguments(console.process.arguments() << QStringLiteral("--osc") << QStringLiteral("0"));
  ASSERT_TRUE(console.StartAndWaitForHandlers());
  // The cue server starts once the window has shown and restored; a cue system asks where the
  // show stands.
  QByteArray err;
  const int cuePort = ListeningPort(console.process, err);
  ASSERT_NE(cuePort, 0) << err.constData();
  OscClient cues(cuePort);
  const std::optional<RemoteState> standing = cues.Ask(OscMessage("/lumetra/state"));
  ASSERT_TRUE(standing);
  EXPECT_EQ(standing->playhead, 2);  // the line after the one sent last (1-based)
  EXPECT_EQ(standing->text, QStringLiteral("幕间休息"));
  EXPECT_EQ(standing->lineCount, 3);
  // Going on sends that line with its own mode, and it is the first thing the sign receives.
  ASSERT_TRUE(cues.Ask(OscMessage("/lumetra/go")));
  TFont font = InitialCaptionFont();
  font.SetSize(12);
  const PacketReport first = sign.TakePacket();
  EXPECT_EQ(first.offset, 0);
  EXPECT_TRUE(SamePacket(first, ExpectedPacket(QStringLiteral("幕间休息"), font, 7)));

  ASSERT_TRUE(console.Stop());
  EXPECT_EQ(console.process.exitCode(), 0);
  // What the restored console kept is what the killed one had: lines, modes, port and font.
  EXPECT_EQ(ReadBytes(QStringLiteral("program/lw1.ini")), expected);
  EXPECT_FALSE(QFile::exists(StateFile(QStringLiteral("recovery.lw"))));  // a clean close
  EXPECT_FALSE(QFile::exists(StateFile(QStringLiteral("recovery.pos"))));
}

TEST(RecoveryAfterKill, AKillWhileALongShowIsWrittenLeavesTheOldCopyOrTheNewOne) {
  const QByteArray versions[] = {BytesOf(BigState(1)), BytesOf(BigState(2))};
  QDir().mkpath(qEnvironmentVariable("XDG_STATE_HOME"));
  const QString copy = qEnvironmentVariable("XDG_STATE_HOME") + QStringLiteral("/recovery.lw");
  WriteBytes(copy, versions[0]);
  for (int round = 0; round < 50; ++round) {
    QProcess child;
    ASSERT_TRUE(StartChild(child, "RecoveryWriterChild.WritesTwoVersionsInTurnUntilKilled")) << round;
    QTest::qWait(int(QRandomGenerator::global()->bounded(200)));  // a random moment of the writing
    Kill(child);
    const QByteArray kept = ReadBytes(copy);
    ASSERT_TRUE(kept == versions[0] || kept == versions[1]) << "round " << round << ": " << kept.size() << " bytes";
  }
  // The next start clears away what the cut-off writes left.
  ShowRecovery recovery([] { return RecoveryState{}; });
  recovery.Begin(QFileInfo(copy).absolutePath());
  EXPECT_EQ(QDir(QFileInfo(copy).absolutePath()).entryList({QStringLiteral("*.tmp")}, QDir::Files | QDir::Hidden),
            QStringList{});
}

}  // namespace
