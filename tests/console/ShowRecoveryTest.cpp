// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The recovery copy of the working state: kept shortly after every change the working state
// records (and only then), written safely, removed by a clean close, taken up after a start that
// follows a crash, set aside when damaged, and kept by one console at a time.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "console/ConsoleStateFolder.h"
#include "console/SettingsFile.h"
#include "console/ShowPosition.h"
#include "support/ConsoleFixture.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/PtySign.h"

namespace {

QString StatePath(const char* name) { return QDir(ConsoleStateFolder()).filePath(QLatin1String(name)); }
QString RecoveryPath() { return StatePath(kRecoveryFileName); }

// What "lw1.ini" would hold if the console closed now.
QByteArray WorkingStateOf(TForm1& form) {
  return EncodeSettingsFile(form.PortNumber(), form.CaptionFont, form.CaptionLines(), form.LineSettings);
}

class ShowRecoveryTest : public ConsoleFixture {
 protected:
  // Lets the gathering timer run out now and waits for the write it starts.
  void KeepNow(TForm1& console) {
    console.Recovery.Timer().Tick();
    ASSERT_TRUE(console.Recovery.WaitUntilWritten());
  }
  // A second console of the same user, shown as at start.
  std::unique_ptr<TForm1> StartAnother() {
    auto another = std::make_unique<TForm1>(QDir::currentPath());
    another->Show();
    QCoreApplication::processEvents();  // the start's notice comes once the window is up
    return another;
  }
};

TEST(ShowPositionTest, ResumesAfterTheLineSentLastElseAtTheSelectedLine) {
  struct Case {
    ShowPosition position;
    int lines;
    int resume;
  } cases[] = {
      {{-1, -1}, 5, -1}, {{2, -1}, 5, 2}, {{2, 3}, 5, 4}, {{0, 4}, 5, 0},   // after the last line: the first
      {{7, -1}, 5, -1},  {{1, 9}, 5, 0},  {{-1, 0}, 0, -1}, {{-1, 0}, 1, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ResumeLine(c.position, c.lines), c.resume) << c.position.selected << " " << c.position.sent;
    EXPECT_EQ(DecodeShowPosition(EncodeShowPosition(c.position)), c.position);
  }
  EXPECT_EQ(DecodeShowPosition("selected x\nsent -7\ngarbage\n"), ShowPosition{});
}

TEST_F(ShowRecoveryTest, EveryChangeTheWorkingStateRecordsIsKeptAfterTheTimerAndNothingElseIs) {
  WriteBytes(QStringLiteral("act.txt"), "Imported one\r\nImported two\r\n");
  qputenv("LUMETRA_COM17", "/nonexistent/com17");  // the port typed below: its sends fail at once
  SetCaptions({QStringLiteral("Act One"), QStringLiteral("Scene 2")});
  KeepNow(*form);
  struct Action {
    const char* name;
    bool changes;
    std::function<void()> act;
  } actions[] = {
      {"typing", true, [&] { TypeText(form->Memo1, QStringLiteral("幕")); }},
      {"a click on a line", false, [&] { ClickLine(1); }},
      {"a mode", true, [&] { ChooseMode(6); }},
      {"arrow keys", false, [&] { PressKeyInPlayList(Qt::Key_Up); }},
      {"全部应用", true, [&] { QTest::mouseClick(form->CheckBox1, Qt::LeftButton); }},
      {"the port", true, [&] { TypeText(form->Edit3, QStringLiteral("7")); }},
      {"the font", true,
       [&] {
         dialogs->fontAnswers.push_back([](TFont& font) { font.SetSize(12); });
         form->SkinButton3->click();
       }},
      {"a send", false, [&] { PressKeyInPlayList(Qt::Key_Return); }},
      {"an import", true,
       [&] {
         dialogs->openAnswers.push_back(QDir::current().absoluteFilePath(QStringLiteral("act.txt")));
         form->SkinButton1->click();
       }},
  };
  for (const Action& action : actions) {
    QFile::remove(RecoveryPath());
    action.act();
    EXPECT_TRUE(form->Recovery.Timer().Active()) << action.name;  // gathered: nothing written yet
    EXPECT_FALSE(QFile::exists(RecoveryPath())) << action.name;
    KeepNow(*form);
    EXPECT_EQ(ReadBytes(RecoveryPath()), action.changes ? WorkingStateOf(*form) : QByteArray("<missing>"))
        << action.name;
  }
  EXPECT_EQ(form->PortNumber(), 17);
}

TEST_F(ShowRecoveryTest, AStartAfterACrashRestoresTheCopyWhereTheShowStoodAndSendsNothing) {
  PtySign sign(1);
  SetCaptions({QStringLiteral("Act One"), QStringLiteral("Scene 2"), QStringLiteral("Scene 3"), QStringLiteral("End")});
  ClickLine(2);
  ChooseMode(5);
  ClickLine(1);
  PressKeyInPlayList(Qt::Key_Return);  // sends line 1, steps to line 2
  const PacketReport sent = sign.TakePacket();
  ASSERT_TRUE(sent.valid);
  KeepNow(*form);
  const QByteArray kept = WorkingStateOf(*form);
  form.reset();  // no close: the console just ends
  dialogs->messages.clear();

  form = StartAnother();
  EXPECT_EQ(WorkingStateOf(*form), kept);
  EXPECT_EQ(form->ListBox1->SelectedLine(), 2);
  EXPECT_EQ(form->CurrentMode(), 5);  // the line's own settings, as a click shows them
  ASSERT_EQ(dialogs->messages.size(), 1);
  EXPECT_TRUE(dialogs->messages[0].contains(QStringLiteral("4 行字幕"))) << dialogs->messages[0].toStdString();
  EXPECT_TRUE(dialogs->messages[0].contains(QStringLiteral("第 3 行"))) << dialogs->messages[0].toStdString();
  // The start sent nothing: the first packet after it is the operator's next send.
  DoubleClickLine(3);
  const PacketReport next = sign.TakePacket();
  EXPECT_TRUE(next.valid);
  EXPECT_EQ(next.offset, sent.bytes);
  // Restored, the copy stays until a clean close, and a selection alone does not rewrite it.
  EXPECT_EQ(ReadBytes(RecoveryPath()), kept);
}

TEST_F(ShowRecoveryTest, ACleanCloseRemovesTheFilesAndAFailedOneKeepsThem) {
  SetCaptions({QStringLiteral("Act One")});
  ClickLine(0);
  KeepNow(*form);
  ASSERT_TRUE(QFile::exists(RecoveryPath()));
  ASSERT_TRUE(QFile::exists(StatePath(kRecoveryPositionFileName)));
  // "lw1.ini" cannot be written beside the program nor in the per-user folder: the window stays.
  QDir().mkpath(QStringLiteral("lw1.ini"));
  QDir().mkpath(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/lumetra/lw1.ini"));
  form->SkinButton4->click();  // "退出系统"
  EXPECT_TRUE(form->Visible());
  EXPECT_TRUE(QFile::exists(RecoveryPath()));
  EXPECT_TRUE(QFile::exists(StatePath(kRecoveryPositionFileName)));
  QDir().rmdir(QStringLiteral("lw1.ini"));
  form->SkinButton4->click();
  EXPECT_FALSE(form->Visible());
  EXPECT_TRUE(ReadBytes(QStringLiteral("lw1.ini")).contains("Act One"));
  EXPECT_FALSE(QFile::exists(RecoveryPath()));
  EXPECT_FALSE(QFile::exists(StatePath(kRecoveryPositionFileName)));
}

TEST_F(ShowRecoveryTest, AFailedWriteKeepsThePreviousCopyIsToldOnceAndTriedAgainAtTheNextChange) {
  QStringList show;
  for (int i = 0; i < 100; ++i) show << QStringLiteral("Line %1 of a show too long for the disk").arg(i);
  SetCaptions(show);
  KeepNow(*form);
  const QByteArray previous = ReadBytes(RecoveryPath());
  testing::internal::CaptureStderr();
  {
    const FileSizeLimit fullDisk(1000);  // room for what is told on standard error, not for the copy
    for (const QString& typed : {QStringLiteral("x"), QStringLiteral("y")}) {
      TypeText(form->Memo1, typed);
      KeepNow(*form);
      EXPECT_EQ(ReadBytes(RecoveryPath()), previous);
    }
  }
  const QString told = QString::fromStdString(testing::internal::GetCapturedStderr());
  EXPECT_TRUE(told.startsWith(QStringLiteral("lumetra: cannot write the recovery file"))) << told.toStdString();
  EXPECT_EQ(told.count(QStringLiteral("lumetra:")), 1) << told.toStdString();
  EXPECT_TRUE(dialogs->messages.isEmpty());  // never a message box in the middle of a show
  TypeText(form->Memo1, QStringLiteral("z"));
  KeepNow(*form);
  EXPECT_EQ(ReadBytes(RecoveryPath()), WorkingStateOf(*form));
}

TEST_F(ShowRecoveryTest, ADamagedCopyIsSetAsideAndTheStartCarriesOnFromTheWorkingState) {
  const QByteArray song = "\xcb\xce\xcc\xe5";
  WriteBytes(QStringLiteral("lw1.ini"), "2\r\n14\r\n255\r\n" + song + "\r\nSaved\r\n0\r\n5\r\n3\r\n");
  struct Damage {
    const char* name;
    std::function<void()> make;
  } damages[] = {
      {"not a number", [] { WriteBytes(RecoveryPath(), "1\r\n14\r\n255\r\nx\r\nLine\r\nfive\r\n"); }},
      {"a folder", [] { QDir().mkpath(RecoveryPath()); }},
  };
  for (const Damage& damage : damages) {
    form.reset();
    dialogs->messages.clear();
    damage.make();
    form = StartAnother();
    EXPECT_EQ(form->CaptionLines(), QStringList{QStringLiteral("Saved")}) << damage.name;
    EXPECT_EQ(form->PortNumber(), 2) << damage.name;
    EXPECT_FALSE(QFileInfo::exists(RecoveryPath())) << damage.name;
    EXPECT_TRUE(QFileInfo::exists(StatePath(kDamagedRecoveryFileName))) << damage.name;
    ASSERT_EQ(dialogs->messages.size(), 1) << damage.name;
    EXPECT_TRUE(dialogs->messages[0].contains(QLatin1String(kDamagedRecoveryFileName))) << damage.name;
  }
}

TEST_F(ShowRecoveryTest, ASecondConsoleRunsWithoutRecoveryAndLeavesTheFirstOnesCopyAlone) {
  SetCaptions({QStringLiteral("First console")});
  KeepNow(*form);
  const QByteArray first = ReadBytes(RecoveryPath());
  testing::internal::CaptureStderr();
  std::unique_ptr<TForm1> second = StartAnother();
  const QString told = QString::fromStdString(testing::internal::GetCapturedStderr());
  EXPECT_FALSE(second->Recovery.Active());
  EXPECT_TRUE(told.contains(QStringLiteral("runs without recovery"))) << told.toStdString();
  EXPECT_TRUE(second->CaptionLines().isEmpty());  // the first one's copy is not a crash's
  second->Memo1->setPlainText(QStringLiteral("Second console"));
  KeepNow(*second);
  second->Close();
  EXPECT_EQ(ReadBytes(RecoveryPath()), first);
}

}  // namespace
