// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include "platform/InOutError.h"
#include "platform/TextFile.h"
#include "show/SettingsFile.h"
#include "show/ShowDocument.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"

#include <QDir>

namespace {

const QByteArray kSong = "\xcb\xce\xcc\xe5";  // "宋体" in GB2312

QByteArray Header(const QByteArray& port = "1", const QByteArray& size = "14", const QByteArray& colour = "255") {
  return port + "\r\n" + size + "\r\n" + colour + "\r\n" + kSong + "\r\n";
}

ShowDocument LoadedFrom(const QByteArray& bytes, ShowDocument show = ShowDocument()) {
  TTextReader reader(bytes);
  ReadSettings(reader, show);
  return show;
}

QByteArray Saved(const ShowDocument& show) {
  return show.Encode();
}

}  // namespace

TEST(SettingsFile, TheInitialShowWithOneLineSavesEightCrLfLines) {
  ShowDocument show;
  show.Lines = {QStringLiteral("A")};
  EXPECT_EQ(Saved(show), Header() + "A\r\n0\r\n5\r\n0\r\n");

  show.Lines.clear();
  EXPECT_EQ(Saved(show), Header());
}

TEST(SettingsFile, LoadingReplacesHeaderAndLinesButOnlyTheEntriesItReads) {
  ShowDocument show;
  show.Lines = {QStringLiteral("old 1"), QStringLiteral("old 2")};
  show.Settings[0] = {9, 9, 9};
  show.Settings[1] = {8, 8, 8};
  show = LoadedFrom(Header("3", "20", "-2147483640") + "Hello\r\n-1\r\n1000\r\n19\r\n", show);
  EXPECT_EQ(show.Port, 3);
  EXPECT_EQ(show.Font.Size(), 20);
  EXPECT_EQ(show.Font.Height, -27);
  EXPECT_EQ(show.Font.Color, TColor(0x80000008));  // a system colour is kept as it is
  EXPECT_EQ(show.Font.Name, QStringLiteral("宋体"));
  EXPECT_EQ(show.Lines, QStringList{QStringLiteral("Hello")});
  EXPECT_EQ(show.Settings[0], (LineSetting{-1, 1000, 19}));
  EXPECT_EQ(show.Settings[1], (LineSetting{8, 8, 8}));
  EXPECT_EQ(Saved(show), Header("3", "20", "-2147483640") + "Hello\r\n-1\r\n1000\r\n19\r\n");

  // An empty show empties the caption list and leaves every entry alone.
  show = LoadedFrom(Header(), show);
  EXPECT_TRUE(show.Lines.isEmpty());
  EXPECT_EQ(show.Settings[0], (LineSetting{-1, 1000, 19}));
}

TEST(SettingsFile, LineEndsAndTheEndOfTheFileFollowTheReadingRules) {
  const QByteArray record = "A\r\n1\r\n2\r\n3";
  const ShowDocument withEnd = LoadedFrom(Header() + record + "\r\n");
  const ShowDocument withoutEnd = LoadedFrom(Header() + record);
  const ShowDocument lfOnly = LoadedFrom("1\n14\n255\n" + kSong + "\nA\n1\n2\n3\n");
  const ShowDocument ctrlZ = LoadedFrom(Header() + record + "\r\n\x1a" "B\r\n4\r\n5\r\n6\r\n");
  for (const ShowDocument* show : {&withEnd, &withoutEnd, &lfOnly, &ctrlZ}) {
    EXPECT_EQ(show->Lines, QStringList{QStringLiteral("A")});
    EXPECT_EQ(show->Settings[0], (LineSetting{1, 2, 3}));
    EXPECT_EQ(show->Font.Name, QStringLiteral("宋体"));
  }

  // A blank line after the last record is one more record whose numbers meet the end: all 0.
  const ShowDocument blank = LoadedFrom(Header() + record + "\r\n\r\n");
  EXPECT_EQ(blank.Lines, (QStringList{QStringLiteral("A"), QString()}));
  EXPECT_EQ(blank.Settings[1], (LineSetting{0, 0, 0}));

  // Numbers skip blank lines and drop what follows them on their line.
  const ShowDocument loose = LoadedFrom(Header() + "A\r\n\r\n  1 speed\r\n\t2\r\n3 x y\r\nB\r\n4\r\n5\r\n6\r\n");
  EXPECT_EQ(loose.Lines, (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
  EXPECT_EQ(loose.Settings[0], (LineSetting{1, 2, 3}));
  EXPECT_EQ(loose.Settings[1], (LineSetting{4, 5, 6}));

  // A file cut inside the header: the numbers that meet the end are 0, the name is empty.
  const ShowDocument cut = LoadedFrom("7\r\n");
  EXPECT_EQ(cut.Port, 7);
  EXPECT_EQ(cut.Font.Size(), 0);
  EXPECT_EQ(cut.Font.Color, 0);
  EXPECT_EQ(cut.Font.Name, QString());
  EXPECT_TRUE(cut.Lines.isEmpty());
}

TEST(SettingsFile, APortOutsideTheSelectorRangeIsClamped) {
  EXPECT_EQ(LoadedFrom(Header("0")).Port, 1);
  EXPECT_EQ(LoadedFrom(Header("-5")).Port, 1);
  EXPECT_EQ(LoadedFrom(Header("300")).Port, 255);
  EXPECT_EQ(LoadedFrom(Header("255")).Port, 255);
}

TEST(SettingsFile, AnInvalidNumberStopsTheLoadLeavingWhatWasRead) {
  ShowDocument show;
  show.Settings[1] = {7, 7, 7};
  const QByteArray bytes = Header("9") + "A\r\n1\r\n2\r\n3\r\nB\r\n4\r\nfive\r\n6\r\nC\r\n0\r\n0\r\n0\r\n";
  TTextReader reader(bytes);
  try {
    ReadSettings(reader, show);
    FAIL() << "no error";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.ErrorCode, 106);
    EXPECT_EQ(error.Message(), QStringLiteral("Invalid numeric input"));
  }
  EXPECT_EQ(show.Port, 9);
  EXPECT_EQ(show.Lines, (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
  EXPECT_EQ(show.Settings[0], (LineSetting{1, 2, 3}));
  EXPECT_EQ(show.Settings[1], (LineSetting{4, 7, 7}));
}

TEST(SettingsFile, LinesBeyondTheTableKeepTheirTextAndGetDefaultSettings) {
  ShowDocument show;
  for (int i = 0; i < 1003; ++i) show.Lines << QStringLiteral("line %1").arg(i);
  show.Settings[1000] = {1, 2, 3};
  const QByteArray saved = Saved(show);
  EXPECT_TRUE(saved.endsWith("line 1000\r\n1\r\n2\r\n3\r\nline 1001\r\n0\r\n5\r\n0\r\nline 1002\r\n0\r\n5\r\n0\r\n"));

  // Reading back: every text, no entry beyond 1000 (the sink would throw on one), records in step.
  QByteArray bytes = saved;
  bytes.replace("line 1001\r\n0\r\n5\r\n0\r\n", "line 1001\r\n11\r\n12\r\n13\r\n");
  const ShowDocument loaded = LoadedFrom(bytes);
  EXPECT_EQ(loaded.Lines, show.Lines);
  EXPECT_EQ(loaded.Settings[1000], (LineSetting{1, 2, 3}));
  EXPECT_EQ(loaded.SettingOf(1001), LineSetting{});
  EXPECT_EQ(Saved(loaded), saved);

  // The most records a file can hold for its size (seven bytes each): every one is a line, and
  // still no entry beyond the table is touched.
  QByteArray records = Header();
  for (int i = 0; i < 1000000; ++i) records += "\n9\n9\n9\n";
  const ShowDocument many = LoadedFrom(records);
  EXPECT_EQ(many.Lines.size(), 1000000);
  EXPECT_EQ(many.Settings[1000], (LineSetting{9, 9, 9}));
}

TEST(SettingsFile, TextsRoundTripAsGb18030) {
  // GB2312, a GBK-only character (U+9555), one beyond GBK (U+20BB7) and a Latin accent.
  const QString text = QStringLiteral("第一幕 鑕 𠮷 café");
  ShowDocument show;
  show.Lines = {text, QString()};
  show.Font.Name = QStringLiteral("楷体_GB2312");
  const QByteArray saved = Saved(show);
  EXPECT_TRUE(saved.contains(QByteArray("\xb5\xda\xd2\xbb\xc4\xbb")));  // 第一幕 as GB2312 bytes
  EXPECT_FALSE(saved.contains('?'));
  const ShowDocument loaded = LoadedFrom(saved);
  EXPECT_EQ(loaded.Lines, show.Lines);
  EXPECT_EQ(loaded.Font.Name, show.Font.Name);
  EXPECT_EQ(Saved(loaded), saved);
}

TEST(SettingsFile, ASaveThatFailsMidwayLeavesThePreviousFileByteIdentical) {
  ShowDocument show;
  show.Lines = {QStringLiteral("A")};
  show.Save(QStringLiteral("act1.lw"));
  const QByteArray previous = ReadBytes(QStringLiteral("act1.lw"));
  for (int i = 0; i < 5000; ++i) show.Lines << QStringLiteral("caption %1").arg(i);
  try {
    const FileSizeLimit fullDisk(4096);
    show.Save(QStringLiteral("act1.lw"));
    FAIL() << "no error";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Message(), QStringLiteral("Disk full"));
  }
  EXPECT_EQ(ReadBytes(QStringLiteral("act1.lw")), previous);
  EXPECT_EQ(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("act1.lw")});
}

TEST(TextImport, OnlyTheLinesChangeWithEveryKindOfLineEnd) {
  WriteBytes(QStringLiteral("act1.txt"), "one\r\ntwo\nthree\rfour\r\n\r\n\xb5\xda\xd2\xbb\r\n");
  WriteBytes(QStringLiteral("empty.txt"), QByteArray());
  WriteBytes(QStringLiteral("ctrlz.txt"), "a\x1a" "b");
  ShowDocument show;
  show.Port = 7;
  show.Settings[0] = {1, 2, 3};
  EXPECT_EQ(show.Load(QStringLiteral("act1.txt")), ShowFileKind::Text);
  EXPECT_EQ(show.Lines, (QStringList{"one", "two", "three", "four", "", QStringLiteral("第一")}));
  EXPECT_EQ(show.Port, 7);
  EXPECT_EQ(show.Settings[0], (LineSetting{1, 2, 3}));
  EXPECT_EQ(show.Font, InitialCaptionFont());

  show.Load(QStringLiteral("ctrlz.txt"));
  EXPECT_EQ(show.Lines, QStringList{QStringLiteral("a\x1a" "b")});  // plain text knows no Ctrl-Z
  show.Load(QStringLiteral("empty.txt"));
  EXPECT_TRUE(show.Lines.isEmpty());

  try {
    show.Load(QStringLiteral("missing.txt"));
    FAIL() << "no error";
  } catch (const Exception& error) {
    EXPECT_TRUE(error.Message().startsWith(QStringLiteral("Cannot open file \"missing.txt\". ")));
    EXPECT_GT(error.Message().size(), QStringLiteral("Cannot open file \"missing.txt\". ").size());
  }
}
