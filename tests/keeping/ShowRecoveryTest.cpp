// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The recovery copy of the working state: kept shortly after every change the working state
// records (and only then), written safely, removed by a clean close, taken up after a start that
// follows a crash, set aside when damaged, and kept by one console at a time.
#include <QDir>
#include <QFile>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextCursor>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "keeping/ConsoleStateFolder.h"
#include "keeping/RecoveryWriter.h"
#include "keeping/ShowPosition.h"
#include "keeping/ShowPositionTracker.h"
#include "platform/SafeFileWriter.h"
#include "show/SettingsFile.h"
#include "support/ConsoleFixture.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/PtySign.h"

namespace {

QString StatePath(const char* name) { return QDir(ConsoleStateFolder()).filePath(QLatin1String(name)); }
QString RecoveryPath() { return StatePath(kRecoveryFileName); }
QString PositionPath() { return StatePath(kRecoveryPositionFileName); }

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

TEST(ShowPositionTest, ResumesAtTheRecordedLineAndReadsAnOlderConsolesFile) {
  constexpr int kNone = kResumeNotRecorded;
  struct Case {
    ShowPosition position;
    int lines;
    int resume;
  } cases[] = {
      // An older console's file: after the last sent (wrapping), else the selected line.
      {{-1, -1, kNone, {}}, 5, -1}, {{2, -1, kNone, {}}, 5, 2}, {{2, 3, kNone, {}}, 5, 4}, {{0, 4, kNone, {}}, 5, 0},
      {{7, -1, kNone, {}}, 5, -1},  {{1, 9, kNone, {}}, 5, 0},  {{-1, 0, kNone, {}}, 0, -1}, {{-1, 0, kNone, {}}, 1, 0},
      // Ours: the line recorded, whatever the others say, while it is a line of the show.
      {{4, 1, 4, "12-ab"}, 5, 4}, {{4, 1, 2, {}}, 5, 2}, {{4, 1, 5, {}}, 5, -1}, {{-1, -1, -1, {}}, 5, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ResumeLine(c.position, c.lines), c.resume) << c.position.selected << " " << c.position.sent;
    EXPECT_EQ(DecodeShowPosition(EncodeShowPosition(c.position)), c.position);
  }
  EXPECT_EQ(DecodeShowPosition("selected 3\r\nsent 2\r\n"), (ShowPosition{3, 2, kNone, {}}));
  EXPECT_EQ(DecodeShowPosition("selected x\nsent -7\nresume -3\ncopy A/B\ngarbage\n"), ShowPosition{});
}

TEST(ShowPositionTest, ALineFollowsTheEditsAroundIt) {
  const QStringList show = {"A", "B", "C", "D"};
  struct Case {
    const char* edit;
    int first;
    QStringList before, after;
    int line, expected;
    bool deleted;
  } cases[] = {
      {"a line inserted above", 0, {"A"}, {"new", "A"}, 2, 3, false},
      {"a line inserted below", 1, {"B"}, {"B", "new"}, 1, 1, false},
      {"the line typed in", 2, {"C"}, {"C!"}, 2, 2, false},
      {"the line split", 2, {"C"}, {"C1", "C2"}, 2, 2, false},
      {"the line itself deleted", 1, {"B", "C"}, {"C"}, 1, 1, true},
      {"the line after a deleted one", 1, {"B", "C"}, {"C"}, 2, 1, false},
      {"two lines joined", 1, {"B", "C"}, {"BC"}, 2, 1, false},
      {"the show replaced", 0, show, {"X"}, 3, 0, false},
  };
  for (const Case& c : cases) {
    bool deleted = false;
    EXPECT_EQ(LineAfterEdit(c.line, c.first, c.before, c.after, &deleted), c.expected) << c.edit;
    EXPECT_EQ(deleted, c.deleted) << c.edit;
  }
}

// The playhead through sends (S), cues (C), selections (L) and edits (E) of a show A B C D E: the
// line after the one sent last unless a cue moved it since, kept on its line through edits; with a
// remote input on the show is taken up there, without at the resume line as before.
TEST(ShowPositionTest, ThePlayheadFollowsSendsCuesAndEditsAndNoSelection) {
  struct Step {
    char kind;
    int line;
    QStringList before = {}, after = {};
  };
  const struct {
    const char* what;
    std::vector<Step> steps;
    int lines, playhead, resume;
  } cases[] = {
      {"nothing yet", {}, 5, 0, -1},
      {"a send", {{'S', 1}}, 5, 2, 2},
      {"the last line sent", {{'S', 4}}, 5, 0, 0},
      {"a selection", {{'S', 1}, {'L', 4}}, 5, 2, 4},
      {"a cue", {{'S', 1}, {'C', 4}}, 5, 4, 2},
      {"a send after a cue", {{'C', 4}, {'S', 0}}, 5, 1, 1},
      {"a line inserted above", {{'S', 1}, {'E', 0, {"A"}, {"new", "A"}}}, 6, 3, 3},
      {"the sent line deleted", {{'S', 1}, {'E', 1, {"B"}, {}}}, 4, 1, 1},
      {"the sent line split", {{'S', 1}, {'E', 1, {"B"}, {"B1", "B2"}}}, 6, 2, 2},
      {"the sent line joined with the next", {{'S', 1}, {'E', 1, {"B", "C"}, {"BC"}}}, 4, 2, 2},
      {"the cued last line deleted", {{'C', 4}, {'E', 4, {"E"}, {}}}, 4, 0, -1},
      {"a line added after the last one sent", {{'S', 4}, {'E', 5, {}, {"F"}}}, 6, 5, 5},
      {"every line deleted", {{'S', 1}, {'E', 0, {"A", "B", "C", "D", "E"}, {}}}, 0, -1, -1},
  };
  for (const auto& c : cases) {
    ShowPositionTracker tracker;
    for (const Step& step : c.steps) {
      if (step.kind == 'S') tracker.Sent(step.line);
      if (step.kind == 'C') tracker.Cued(step.line);
      if (step.kind == 'L') tracker.Selected(step.line);
      if (step.kind == 'E') tracker.Edited(step.line, step.before, step.after);
    }
    EXPECT_EQ(tracker.Playhead(c.lines), c.playhead) << c.what;
    EXPECT_EQ(tracker.Position(c.lines, true).resume, c.playhead) << c.what;
    EXPECT_EQ(tracker.Position(c.lines).resume, c.resume) << c.what;
  }
}

TEST_F(ShowRecoveryTest, EveryChangeTheWorkingStateRecordsIsKeptAfterTheTimerAndNothingElseIs) {
  WriteBytes(QStringLiteral("act.txt"), "Imported one\r\nImported two\r\n");
  qputenv("LUMETRA_COM17", "/nonexistent/com17");  // the port typed below: its sends fail at once
  SetCaptions({"Act One", "Scene 2"});
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
  SetCaptions({"Act One", "Scene 2", "Scene 3", "End"});
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

TEST_F(ShowRecoveryTest, AStartAfterACrashResumesAtTheLineTheShowStoodAtWhateverWasEditedSince) {
  const auto insertAtTop = [this] { QTextCursor(form->Memo1->document()).insertText(QStringLiteral("New\n")); };
  const auto deleteLine = [this](int line) {
    QTextCursor cursor(form->Memo1->document()->findBlockByNumber(line));
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
  };
  struct Case {
    const char* name;
    std::function<void()> act;
    QString resumed;
  } cases[] = {
      {"Enter, then a line inserted above", [&] { ClickLine(1), PressKeyInPlayList(Qt::Key_Return), insertAtTop(); }, "C"},
      {"Enter, then a line deleted above", [&] { ClickLine(3), PressKeyInPlayList(Qt::Key_Return), deleteLine(0); }, "E"},
      {"a line selected after the send", [&] { DoubleClickLine(1), ClickLine(3); }, "D"},
      {"the sent line deleted", [&] { DoubleClickLine(2), deleteLine(2); }, "D"},
      {"a selection, then a line inserted above", [&] { ClickLine(2), insertAtTop(); }, "C"},
      {"an older console's position", [] { WriteBytes(PositionPath(), "selected 1\nsent 2\n"); }, "D"},
      {"another copy's position", [] { WriteBytes(PositionPath(), "resume 1\ncopy 1-1\n"); }, ""},
  };
  qputenv("LUMETRA_COM1", "/nonexistent/com1");  // the sends fail at once; where the show stands counts
  for (const Case& c : cases) {
    SetCaptions({"A", "B", "C", "D", "E"});
    KeepNow(*form);
    c.act();
    KeepNow(*form);
    form.reset();  // no close: the console just ends
    form = StartAnother();
    const int line = form->ListBox1->SelectedLine();
    EXPECT_EQ(line >= 0 ? form->ListBox1->Lines()[line] : QString(), c.resumed) << c.name;
  }
}

TEST_F(ShowRecoveryTest, AfterAFillTheCopyTakesWhatTheCaptionListEndedWith) {
  QStringList show;
  for (int i = 0; i < 20000; ++i) show << QStringLiteral("Line %1").arg(i);
  show[10] += QStringLiteral("\u2028split");  // the caption list keeps this as two lines
  WriteBytes(QStringLiteral("long.txt"), "\xEF\xBB\xBF" + show.join(QStringLiteral("\r\n")).toUtf8());
  dialogs->openAnswers.push_back(QDir::current().absoluteFilePath(QStringLiteral("long.txt")));
  form->SkinButton1->click();
  KeepNow(*form);
  TypeText(form->Memo1, QStringLiteral("typed"));  // refused while the lines go in: nothing to lose
  for (int turn = 0; turn < 100000 && form->Memo1->isReadOnly(); ++turn) QCoreApplication::processEvents();
  ASSERT_FALSE(form->Memo1->isReadOnly());
  EXPECT_TRUE(form->Recovery.Timer().Active());  // without waiting for the next edit
  KeepNow(*form);
  EXPECT_EQ(ReadBytes(RecoveryPath()), WorkingStateOf(*form));
}

TEST_F(ShowRecoveryTest, ACleanCloseRemovesTheFilesAndAFailedOneKeepsThem) {
  SetCaptions({"Act One"});
  ClickLine(0);
  KeepNow(*form);
  const QString files[] = {RecoveryPath(), PositionPath()};
  for (const QString& file : files) ASSERT_TRUE(QFile::exists(file));
  // "lw1.ini" cannot be written beside the program nor in the per-user folder: the window stays.
  QDir().mkpath(QStringLiteral("lw1.ini"));
  QDir().mkpath(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/lumetra/lw1.ini"));
  form->SkinButton4->click();  // "退出系统"
  EXPECT_TRUE(form->Visible());
  for (const QString& file : files) EXPECT_TRUE(QFile::exists(file));
  QDir().rmdir(QStringLiteral("lw1.ini"));
  form->SkinButton4->click();
  EXPECT_FALSE(form->Visible());
  EXPECT_TRUE(ReadBytes(QStringLiteral("lw1.ini")).contains("Act One"));
  for (const QString& file : files) EXPECT_FALSE(QFile::exists(file));
}

TEST_F(ShowRecoveryTest, AFailedWriteKeepsThePreviousCopyAndItsPositionIsToldOnceAndTriedAgainUnasked) {
  QStringList show;
  for (int i = 0; i < 100; ++i) show << QStringLiteral("Line %1 of a show too long for the disk").arg(i);
  SetCaptions(show);
  ClickLine(5);
  KeepNow(*form);
  const QByteArray previous = ReadBytes(RecoveryPath());
  const QByteArray position = ReadBytes(PositionPath());
  ASSERT_TRUE(position.contains("copy " + StampOfCopy(previous))) << position.constData();
  testing::internal::CaptureStderr();
  {
    const FileSizeLimit fullDisk(1000);  // room for the position and standard error, not for the copy
    for (const QString& typed : {QStringLiteral("x"), QStringLiteral("y")}) {
      TypeText(form->Memo1, typed);
      ClickLine(7);  // a position in lines that are not the copy's
      KeepNow(*form);
      form->Recovery.RetryTimer().Tick();
      ASSERT_TRUE(form->Recovery.WaitUntilWritten());
      EXPECT_EQ(ReadBytes(RecoveryPath()), previous);
      EXPECT_EQ(ReadBytes(PositionPath()), position);
    }
  }
  const QString told = QString::fromStdString(testing::internal::GetCapturedStderr());
  EXPECT_TRUE(told.startsWith(QStringLiteral("lumetra: cannot write the recovery file"))) << told.toStdString();
  EXPECT_EQ(told.count(QStringLiteral("lumetra:")), 1) << told.toStdString();
  EXPECT_TRUE(dialogs->messages.isEmpty());  // never a message box in the middle of a show
  // Room again: the retry keeps the copy and then its position, with no edit to prompt it.
  EXPECT_TRUE(form->Recovery.RetryTimer().Active());
  form->Recovery.RetryTimer().Tick();
  ASSERT_TRUE(form->Recovery.WaitUntilWritten());
  const QByteArray kept = ReadBytes(RecoveryPath());
  EXPECT_EQ(kept, WorkingStateOf(*form));
  EXPECT_EQ(DecodeShowPosition(ReadBytes(PositionPath())).copy, StampOfCopy(kept));
  form->Recovery.RetryTimer().Tick();
  EXPECT_FALSE(form->Recovery.RetryTimer().Active());  // nothing left to try
}

TEST(RecoveryWriterTest, AFailedOrThrowingWriteIsTriedAgainAndNothingIsWrittenOnceACloseBegan) {
  std::mutex mutex;
  std::condition_variable changed;
  enum class Step { kThrow, kHold, kHeld, kRelease, kDone, kPass } step = Step::kThrow;
  const auto advance = [&](Step to) {
    const std::lock_guard lock(mutex);
    step = to;
    changed.notify_all();
  };
  const auto reach = [&](Step wanted) {
    std::unique_lock lock(mutex);
    return changed.wait_for(lock, std::chrono::seconds(10), [&] { return step == wanted; });
  };
  // The disk as the test plays it: one write throws what no file write does, one hangs until let go.
  const RecoveryWriter::FileWrite write = [&](const QString& path, const QByteArray& bytes) {
    std::unique_lock lock(mutex);
    if (step == Step::kThrow) {
      step = Step::kPass;
      throw 42;
    }
    if (step == Step::kHold) {
      step = Step::kHeld;
      changed.notify_all();
      changed.wait(lock, [&] { return step == Step::kRelease; });
    }
    lock.unlock();
    WriteFileSafely(path, bytes);
    lock.lock();
    if (step == Step::kRelease) step = Step::kDone;
    changed.notify_all();
  };
  QDir().mkpath(QStringLiteral("state"));
  const QString state = QStringLiteral("state/recovery.lw"), position = QStringLiteral("state/recovery.pos");
  auto writer = std::make_unique<RecoveryWriter>(state, position, write);
  testing::internal::CaptureStderr();
  writer->WriteState(RecoveryState{"1\r\n", {"A"}, {}}, ShowPosition{0, -1, 0, {}});
  ASSERT_TRUE(writer->WaitUntilIdle(std::chrono::seconds(10)));
  EXPECT_FALSE(QFile::exists(state));
  EXPECT_FALSE(QFile::exists(position));  // never without its state
  EXPECT_TRUE(writer->RetryUnwritten());
  ASSERT_TRUE(writer->WaitUntilIdle(std::chrono::seconds(10)));
  EXPECT_TRUE(ReadBytes(state).startsWith("1\r\n"));
  EXPECT_TRUE(QFile::exists(position));
  EXPECT_FALSE(writer->RetryUnwritten());
  EXPECT_TRUE(QString::fromStdString(testing::internal::GetCapturedStderr()).contains(QStringLiteral("unknown failure")));

  // A close begins while a write hangs: it times out, the writer goes, and then the write ends.
  ASSERT_TRUE(QFile::remove(state) && QFile::remove(position));
  advance(Step::kHold);
  writer->WriteState(RecoveryState{"2\r\n", {"B"}, {}}, ShowPosition{});
  ASSERT_TRUE(reach(Step::kHeld));
  EXPECT_FALSE(writer->Discard(std::chrono::milliseconds(10)));
  std::thread([w = std::move(writer)]() mutable { w.reset(); }).detach();  // its end waits for the write
  advance(Step::kRelease);
  ASSERT_TRUE(reach(Step::kDone));
  const QDeadlineTimer bound(10000);  // for the writer's last step after the file is in place
  while (QFile::exists(state) && !bound.hasExpired()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  EXPECT_FALSE(QFile::exists(state));
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
  SetCaptions({"First console"});
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
