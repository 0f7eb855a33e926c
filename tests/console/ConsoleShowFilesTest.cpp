// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QTest>

#include "support/ConsoleFixture.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/Iconv.h"

namespace {

const QByteArray kSongName = "\xcb\xce\xcc\xe5";  // "宋体" in GB2312
const QByteArray kInitialShow = "1\r\n14\r\n255\r\n" + kSongName + "\r\nA\r\n0\r\n5\r\n0\r\n";

}  // namespace

class ConsoleShowFiles : public ConsoleFixture {
 protected:
  void Save(const QString& chosen) {
    dialogs->saveAnswers.push_back(chosen);
    QTest::mouseClick(form->SkinButton2, Qt::LeftButton);
  }
  void Load(const QString& chosen) {
    dialogs->openAnswers.push_back(chosen);
    QTest::mouseClick(form->SkinButton1, Qt::LeftButton);
  }
};

TEST_F(ConsoleShowFiles, SavesTheInitialShowAsEightLines) {
  SetCaptions({"A"});
  Save(QStringLiteral("act1"));
  EXPECT_EQ(ReadBytes(QStringLiteral("act1.lw")), kInitialShow);
  EXPECT_EQ(dialogs->filters.last(), QStringLiteral("设置文件|*.lw"));
  Save(QStringLiteral("act2.txt"));
  EXPECT_EQ(ReadBytes(QStringLiteral("act2.lw")), kInitialShow);
  EXPECT_FALSE(QFile::exists(QStringLiteral("act2.txt")));
  dialogs->saveAnswers.push_back(std::nullopt);
  QTest::mouseClick(form->SkinButton2, Qt::LeftButton);  // cancelled: nothing more is written
  EXPECT_EQ(QDir::current().entryList(QDir::Files).size(), 2);
  EXPECT_TRUE(dialogs->messages.isEmpty());
}

TEST_F(ConsoleShowFiles, ASaveThatFailsMidwayKeepsThePreviousFile) {
  SetCaptions({"A"});
  Save(QStringLiteral("show.lw"));
  const QByteArray good = ReadBytes(QStringLiteral("show.lw"));
  QStringList many;
  for (int i = 0; i < 2000; ++i) many << QStringLiteral("第%1行字幕").arg(i);
  SetCaptions(many);
  {
    const FileSizeLimit fullDisk(4096);  // the disk fills up part-way through the write
    Save(QStringLiteral("show.lw"));
  }
  ASSERT_EQ(dialogs->messages.size(), 1);
  EXPECT_EQ(dialogs->messages[0], QStringLiteral("Disk full."));
  EXPECT_EQ(ReadBytes(QStringLiteral("show.lw")), good);
  EXPECT_EQ(QDir::current().entryList(QDir::Files), QStringList{"show.lw"});  // no leftovers
}

TEST_F(ConsoleShowFiles, AnEmptyShowRoundTripsWithoutTouchingTheTable) {
  Save(QStringLiteral("empty.lw"));
  EXPECT_EQ(ReadBytes(QStringLiteral("empty.lw")), "1\r\n14\r\n255\r\n" + kSongName + "\r\n");
  SetCaptions({"X", "Y"});
  form->LineSettings[1] = LineSetting{1, 2, 3};
  Load(QStringLiteral("empty.lw"));
  EXPECT_TRUE(form->CaptionLines().isEmpty());
  EXPECT_EQ(form->ListBox1->count(), 0);
  EXPECT_EQ(form->LineSettings[1], (LineSetting{1, 2, 3}));
}

TEST_F(ConsoleShowFiles, LoadsAShowAndShowsItsFirstLine) {
  WriteBytes(QStringLiteral("show.lw"), "0\r\n12\r\n-2147483634\r\n" + kSongName +
                                            "\r\nOne\r\n3\r\n4\r\n7\r\nTwo\r\n1\r\n2\r\n19");  // no last line end
  form->LineSettings[5] = LineSetting{9, 9, 9};
  Load(QStringLiteral("show.lw"));
  EXPECT_EQ(form->CaptionLines(), (QStringList{"One", "Two"}));
  EXPECT_EQ(form->ListBox1->Lines(), (QStringList{"One", "Two"}));
  EXPECT_EQ(form->ListBox1->SelectedLine(), -1);
  EXPECT_EQ(form->PortNumber(), 1);  // 0 is kept within the selector's range
  EXPECT_EQ(form->CaptionFont.Size(), 12);
  EXPECT_EQ(form->CaptionFont.Color, -2147483634);  // a system colour
  EXPECT_EQ(form->LineSettings[1], (LineSetting{1, 2, 19}));
  EXPECT_EQ(form->LineSettings[5], (LineSetting{9, 9, 9}));  // beyond the show: kept
  EXPECT_EQ(form->CurrentSpeed(), 3);
  EXPECT_EQ(form->CurrentDwell(), 4);
  EXPECT_EQ(form->CurrentMode(), 7);

  // Captions still draw in pure red whatever colour the font carries.
  ClickLine(0);
  qputenv("LUMETRA_COM1", "/nonexistent/device");
  PressKeyInPlayList(Qt::Key_Return);
  const QImage& preview = form->Image1->Picture().Image();
  bool lit = false;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 192; ++x) {
      const QColor c(preview.pixel(x, y));
      ASSERT_TRUE(c == QColor(Qt::black) || c == QColor(255, 0, 0));
      lit |= c != QColor(Qt::black);
    }
  EXPECT_TRUE(lit);
}

TEST_F(ConsoleShowFiles, ABlankLineAfterTheLastRecordIsOneMoreEmptyCaption) {
  WriteBytes(QStringLiteral("show.lw"), "300\r\n14\r\n255\r\n" + kSongName + "\r\nOne\r\n1\r\n2\r\n3\r\n\r\n");
  Load(QStringLiteral("show.lw"));
  EXPECT_EQ(form->CaptionLines(), (QStringList{"One", ""}));
  EXPECT_EQ(form->ListBox1->count(), 2);
  EXPECT_EQ(form->LineSettings[1], (LineSetting{0, 0, 0}));
  EXPECT_EQ(form->PortNumber(), 255);
  // Saved again, the empty caption stays a line of its own.
  Save(QStringLiteral("again.lw"));
  EXPECT_EQ(ReadBytes(QStringLiteral("again.lw")),
            "255\r\n14\r\n255\r\n" + kSongName + "\r\nOne\r\n1\r\n2\r\n3\r\n\r\n0\r\n0\r\n0\r\n");
}

TEST_F(ConsoleShowFiles, TellsSettingsFromTextByTheExactLwInThePath) {
  QDir().mkpath(QStringLiteral("shows.lw"));
  WriteBytes(QStringLiteral("shows.lw/act1.txt"), "7\r\n14\r\n255\r\n" + kSongName + "\r\nSet\r\n0\r\n5\r\n2\r\n");
  Load(QStringLiteral("shows.lw/act1.txt"));
  EXPECT_EQ(form->CaptionLines(), (QStringList{"Set"}));
  EXPECT_EQ(form->PortNumber(), 7);

  form->LineSettings[0] = LineSetting{4, 4, 4};
  WriteBytes(QStringLiteral("ACT1.LW"), "first\r\nsecond\nthird\rfourth");
  Load(QStringLiteral("ACT1.LW"));
  EXPECT_EQ(form->CaptionLines(), (QStringList{"first", "second", "third", "fourth"}));
  EXPECT_EQ(form->ListBox1->count(), 4);
  EXPECT_EQ(form->PortNumber(), 7);  // an import leaves port, font and table alone
  EXPECT_EQ(form->LineSettings[0], (LineSetting{4, 4, 4}));
  EXPECT_EQ(dialogs->filters.last(), QStringLiteral("文本文件;设置文件|*.txt;*.lw|字幕文件|*.srt"));
}

TEST_F(ConsoleShowFiles, ImportsCaptionScriptsFromTodaysEditorsAndSavesThemAsBefore) {
  const QStringList lines{QStringLiteral("第一幕"), QStringLiteral("朱镕基"), QStringLiteral("End")};
  const QString script = lines.join(QStringLiteral("\r\n"));
  WriteBytes(QStringLiteral("utf8.txt"), Iconv(script, QStringLiteral("UTF-8")));
  WriteBytes(QStringLiteral("utf16.txt"), Iconv(QChar(0xFEFF) + script + u'\n', QStringLiteral("UTF-16BE")));
  WriteBytes(QStringLiteral("old.txt"), Iconv(script, QStringLiteral("GBK")));
  for (const QString& name : {QStringLiteral("utf8.txt"), QStringLiteral("utf16.txt"), QStringLiteral("old.txt")}) {
    SetCaptions({});
    Load(name);
    EXPECT_EQ(form->CaptionLines(), lines) << name.toStdString();
    EXPECT_EQ(form->ListBox1->Lines(), lines) << name.toStdString();
  }
  EXPECT_TRUE(dialogs->messages.isEmpty());
  Save(QStringLiteral("act1"));
  EXPECT_EQ(ReadBytes(QStringLiteral("act1.lw")),
            "1\r\n14\r\n255\r\n" + kSongName + "\r\n" + Iconv(lines.join(QStringLiteral("\r\n0\r\n5\r\n0\r\n")) + QStringLiteral("\r\n0\r\n5\r\n0\r\n"),
                                          QStringLiteral("GB18030")));
}

TEST_F(ConsoleShowFiles, AFailedLoadKeepsWhatWasReadAndSaysWhy) {
  WriteBytes(QStringLiteral("bad.lw"), "9\r\n14\r\n255\r\n" + kSongName + "\r\nOne\r\n1\r\n2\r\n3\r\nTwo\r\nx\r\n");
  Load(QStringLiteral("bad.lw"));
  ASSERT_EQ(dialogs->messages.size(), 1);
  EXPECT_EQ(dialogs->messages[0], QStringLiteral("Invalid numeric input."));
  EXPECT_EQ(dialogs->messageTitles[0], QString());  // the test sets no application title
  EXPECT_EQ(form->PortNumber(), 9);
  EXPECT_EQ(form->CaptionLines(), (QStringList{"One", "Two"}));
  EXPECT_EQ(form->LineSettings[0], (LineSetting{1, 2, 3}));

  Load(QStringLiteral("missing.lw"));
  EXPECT_EQ(dialogs->messages.last(), QStringLiteral("File not found."));
  Load(QStringLiteral("missing.txt"));
  EXPECT_TRUE(dialogs->messages.last().startsWith(QStringLiteral("Cannot open file")));
}

TEST_F(ConsoleShowFiles, CloseWritesTheWorkingStateBesideTheProgram) {
  QDir().mkpath(QStringLiteral("program"));
  form->ProgramFolder = QDir(QStringLiteral("program")).absolutePath();
  SetCaptions({"A"});
  QTest::mouseClick(form->SkinButton4, Qt::LeftButton);
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(ReadBytes(QStringLiteral("program/lw1.ini")), kInitialShow);
  EXPECT_FALSE(QFile::exists(QStringLiteral("lw1.ini")));
}

TEST_F(ConsoleShowFiles, TestsNeverWriteTheWorkingStateBesideTheTestProgram) {
  // Parallel test processes would share that file and read each other's shows.
  const QFileInfo besideProgram(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("lw1.ini")));
  const bool existed = besideProgram.exists();
  const QDateTime written = besideProgram.lastModified();
  SetCaptions({"A"});
  QTest::mouseClick(form->SkinButton4, Qt::LeftButton);
  EXPECT_EQ(ReadBytes(QStringLiteral("lw1.ini")), kInitialShow);  // the test's own folder
  const QFileInfo after(besideProgram.filePath());
  EXPECT_EQ(after.exists(), existed);
  EXPECT_EQ(after.lastModified(), written);
  EXPECT_TRUE(qEnvironmentVariable("XDG_CONFIG_HOME").startsWith(QDir::currentPath()));
}

TEST_F(ConsoleShowFiles, AFailedCloseKeepsTheWindowOpen) {
  WriteBytes(QStringLiteral("not-a-folder"), "x");
  form->ProgramFolder = QDir::current().filePath(QStringLiteral("not-a-folder/program"));
  form->Window()->close();  // the window system's close request takes the same path
  EXPECT_TRUE(form->Visible());
  ASSERT_EQ(dialogs->messages.size(), 1);
  EXPECT_EQ(dialogs->messages[0], QStringLiteral("Invalid filename."));
}

TEST(ConsoleRestore, RestoresFromTheWorkingDirectoryAndShowsLineZero) {
  ScriptedDialogs::Install();
  WriteBytes(QStringLiteral("lw1.ini"), "4\r\n14\r\n255\r\n" + kSongName + "\r\nSaved\r\n8\r\n6\r\n11\r\n");
  QDir().mkpath(QStringLiteral("program"));
  {
    TForm1 form(QDir(QStringLiteral("program")).absolutePath());
    form.Show();
    EXPECT_EQ(form.CaptionLines(), (QStringList{"Saved"}));
    EXPECT_EQ(form.PortNumber(), 4);
    EXPECT_EQ(form.CurrentMode(), 11);
    EXPECT_EQ(form.CurrentDwell(), 6);
    form.Close();
  }
  // Written beside the program; the working directory's file stays as it was.
  EXPECT_EQ(ReadBytes(QStringLiteral("program/lw1.ini")),
            "4\r\n14\r\n255\r\n" + kSongName + "\r\nSaved\r\n8\r\n6\r\n11\r\n");
  EXPECT_EQ(ReadBytes(QStringLiteral("lw1.ini")), "4\r\n14\r\n255\r\n" + kSongName + "\r\nSaved\r\n8\r\n6\r\n11\r\n");
}

TEST(ConsoleRestore, ACaptionLineWithABreakInsideStaysOneLineWithItsSettings) {
  // A lone CR and a paragraph separator (GB18030 81 36 A6 36) inside caption lines.
  ScriptedDialogs::Install();
  WriteBytes(QStringLiteral("lw1.ini"), "1\r\n14\r\n255\r\n" + kSongName +
                                            "\r\na\rb\r\n1\r\n5\r\n2\r\nc\x81\x36\xA6\x36" + "d\r\n2\r\n5\r\n3\r\ne\r\n3\r\n5\r\n4\r\n");
  TForm1 form(QDir::currentPath());
  form.Show();
  EXPECT_EQ(form.CaptionLines(), (QStringList{"a b", "c d", "e"}));
  EXPECT_EQ(form.LineSettings[2].Mode, 4);  // "e" keeps its own settings
  EXPECT_EQ(form.ListBox1->count(), 3);
}

TEST(ConsoleRestore, WithoutAWorkingStateShowsTheDefaults) {
  ScriptedDialogs& dialogs = ScriptedDialogs::Install();
  TForm1 form(QDir::currentPath());
  form.Show();
  EXPECT_TRUE(form.CaptionLines().isEmpty());
  EXPECT_EQ(form.CurrentDwell(), 5);
  EXPECT_EQ(form.CurrentMode(), 0);
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST(ConsoleRestore, AFailedRestoreLeavesTheConsoleRunning) {
  ScriptedDialogs& dialogs = ScriptedDialogs::Install();
  WriteBytes(QStringLiteral("lw1.ini"), "2\r\n14\r\n255\r\n" + kSongName + "\r\nKept\r\nbad\r\n");
  TForm1 form(QDir::currentPath());
  form.Show();
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0], QStringLiteral("Invalid numeric input."));
  EXPECT_EQ(form.PortNumber(), 2);
  EXPECT_EQ(form.CaptionLines(), (QStringList{"Kept"}));
  EXPECT_TRUE(form.Visible());
}
