// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "support/CliRunner.h"
#include "support/FileBytes.h"
#include "support/Iconv.h"

namespace {

QJsonObject ShowJson(const QString& path) {
  const CliRun run = RunCli({"show", path, "--json"});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(run.out, &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
  return document.object();
}

// A line as a text import gives it: the console's default speed, dwell and mode.
QJsonObject ImportedLine(int line, const QString& text) {
  return QJsonObject{{"line", line}, {"text", text}, {"speed", 0}, {"dwell", 5}, {"mode", 0}};
}

const QByteArray kInitialHeader = "1\r\n14\r\n255\r\n\xcb\xce\xcc\xe5\r\n";
const QByteArray kInitialShow = kInitialHeader + "A\r\n0\r\n5\r\n0\r\n";

}  // namespace

TEST(CliShow, PrintsASettingsFileAndATextImportAsJson) {
  WriteBytes(QStringLiteral("act1.lw"), "300\r\n20\r\n-16777208\r\n\xcb\xce\xcc\xe5\r\n\xb5\xda\xd2\xbb\r\n1\r\n2\r\n3\r\n");
  const QJsonObject settings = ShowJson(QStringLiteral("act1.lw"));
  EXPECT_EQ(settings[QStringLiteral("kind")].toString(), QStringLiteral("settings"));
  EXPECT_EQ(settings[QStringLiteral("port")].toInt(), 255);
  const QJsonObject font = settings[QStringLiteral("font")].toObject();
  EXPECT_EQ(font[QStringLiteral("size")].toInt(), 20);
  EXPECT_EQ(font[QStringLiteral("color")].toInt(), -16777208);
  EXPECT_EQ(font[QStringLiteral("name")].toString(), QStringLiteral("宋体"));
  const QJsonArray lines = settings[QStringLiteral("lines")].toArray();
  ASSERT_EQ(lines.size(), 1);
  EXPECT_EQ(lines[0].toObject(),
            (QJsonObject{{"line", 1}, {"text", QStringLiteral("第一")}, {"speed", 1}, {"dwell", 2}, {"mode", 3}}));

  WriteBytes(QStringLiteral("act1.txt"), "one\rtwo\n");
  const QJsonObject text = ShowJson(QStringLiteral("act1.txt"));
  EXPECT_EQ(text[QStringLiteral("kind")].toString(), QStringLiteral("text"));
  EXPECT_TRUE(text[QStringLiteral("port")].isNull());
  EXPECT_TRUE(text[QStringLiteral("font")].isNull());
  EXPECT_EQ(text[QStringLiteral("lines")].toArray(),
            (QJsonArray{ImportedLine(1, "one"), ImportedLine(2, "two")}));

  const CliRun plain = RunCli({"show", "act1.lw"});
  EXPECT_EQ(plain.exitCode, 0);
  EXPECT_TRUE(plain.out.contains("port 255")) << plain.out.toStdString();
  EXPECT_TRUE(plain.out.contains("\n1: 1 2 3 第一\n")) << plain.out.toStdString();  // numbered from 1
}

// The listing is written line by line, not through a document; it must still be the very text a
// JSON document of the same show gives, and the plain listing the same line for line.
TEST(CliShow, ListingsOfAnAwkwardShowAreExactlyTheDocumentsText) {
  const QStringList texts = {QStringLiteral("quote \" back \\ tab \t bell \a del \x7f"), QString(),
                             QStringLiteral("第一幕 café"), QStringLiteral("😀 and \u2028 and \x01\x1f")};
  WriteBytes(QStringLiteral("awkward.txt"), "\xEF\xBB\xBF" + texts.join(u'\n').toUtf8());
  QJsonArray lines;
  QByteArray listing = "text file\n4 lines (line: speed dwell mode text)\n";
  for (int i = 0; i < texts.size(); ++i) {
    lines.append(ImportedLine(i + 1, texts[i]));
    listing += (QStringLiteral("%1: 0 5 0 %2\n").arg(i + 1).arg(texts[i])).toUtf8();
  }
  const QJsonObject text{{"kind", "text"}, {"port", QJsonValue()}, {"font", QJsonValue()}, {"lines", lines}};
  EXPECT_EQ(RunCli({"show", "--json", "awkward.txt"}).out.toStdString(),
            (QJsonDocument(text).toJson(QJsonDocument::Compact) + '\n').toStdString());
  EXPECT_EQ(RunCli({"show", "awkward.txt"}).out.toStdString(), listing.toStdString());

  WriteBytes(QStringLiteral("awkward.lw"), "300\r\n-20\r\n-16777208\r\n\\\"\r\nA\r\n-1\r\n2147483647\r\n-2147483648\r\n");
  const QJsonObject settings{
      {"kind", "settings"},
      {"port", 255},
      {"font", QJsonObject{{"size", -20}, {"color", -16777208}, {"name", "\\\""}}},
      {"lines", QJsonArray{QJsonObject{
                    {"line", 1}, {"text", "A"}, {"speed", -1}, {"dwell", 2147483647}, {"mode", -2147483647 - 1}}}}};
  EXPECT_EQ(RunCli({"show", "--json", "awkward.lw"}).out.toStdString(),
            (QJsonDocument(settings).toJson(QJsonDocument::Compact) + '\n').toStdString());
}

TEST(CliShow, AFailedReadPrintsTheConsolesMessageAndFails) {
  WriteBytes(QStringLiteral("bad.lw"), "1\r\n14\r\nred\r\n");
  const CliRun bad = RunCli({"show", "bad.lw"});
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_TRUE(bad.err.contains("Invalid numeric input")) << bad.err.toStdString();
  EXPECT_TRUE(bad.out.isEmpty());

  EXPECT_TRUE(RunCli({"show", "gone.lw"}).err.contains("File not found"));
  EXPECT_TRUE(RunCli({"show", "gone.txt"}).err.contains("Cannot open file \"gone.txt\". "));
  EXPECT_EQ(RunCli({"show"}).exitCode, 1);
}

TEST(CliConvert, WritesWhatTheConsoleSavesUnderALwName) {
  WriteBytes(QStringLiteral("act1.txt"), "A");
  const CliRun run = RunCli({"convert", "act1.txt", "out.txt"});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.out, QByteArray("out.lw\n"));
  EXPECT_EQ(ReadBytes(QStringLiteral("out.lw")), kInitialShow);
  EXPECT_FALSE(QFile::exists(QStringLiteral("out.txt")));

  // A settings file converts to itself, byte for byte.
  WriteBytes(QStringLiteral("act2.lw"), "3\r\n9\r\n-5\r\n\xbf\xac\xcc\xe5\r\n\xb5\xda\r\n-1\r\n0\r\n19\r\n\r\n0\r\n0\r\n0\r\n");
  EXPECT_EQ(RunCli({"convert", "act2.lw", "copy"}).exitCode, 0);
  EXPECT_EQ(ReadBytes(QStringLiteral("copy.lw")), ReadBytes(QStringLiteral("act2.lw")));

  // A failed read writes nothing.
  WriteBytes(QStringLiteral("bad.lw"), "x");
  const CliRun failed = RunCli({"convert", "bad.lw", "never"});
  EXPECT_EQ(failed.exitCode, 1);
  EXPECT_TRUE(failed.err.contains("Invalid numeric input"));
  EXPECT_FALSE(QFile::exists(QStringLiteral("never.lw")));
}

TEST(CliConvert, ASubtitleFileGivesOneCaptionPerTextLine) {
  // Two-line cues, tags, CR LF and no blank line at the end, as a Windows editor saves them.
  const QString subtitles = QStringLiteral(
      "1\r\n00:00:01,000 --> 00:00:03,000\r\n<i>第一幕</i>\r\n{\\an8}幕启\r\n\r\n"
      "2\r\n00:00:04,000 --> 00:00:05,000\r\nEnd");
  WriteBytes(QStringLiteral("act1.srt"), Iconv(QChar(0xFEFF) + subtitles, QStringLiteral("UTF-16LE")));
  const CliRun run = RunCli({"convert", "act1.srt", "act1"});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(
      ReadBytes(QStringLiteral("act1.lw")),
      kInitialHeader + Iconv(QStringLiteral("第一幕\r\n0\r\n5\r\n0\r\n幕启\r\n0\r\n5\r\n0\r\nEnd\r\n0\r\n5\r\n0\r\n"),
                             QStringLiteral("GB18030")));

  const QJsonObject shown = ShowJson(QStringLiteral("act1.srt"));
  EXPECT_EQ(shown[QStringLiteral("kind")].toString(), QStringLiteral("subtitles"));
  EXPECT_EQ(shown[QStringLiteral("lines")].toArray().size(), 3);
  const CliRun plain = RunCli({"show", "act1.srt"});
  EXPECT_TRUE(plain.out.startsWith("subtitle file\n3 lines")) << plain.out.toStdString();
  EXPECT_TRUE(plain.out.contains("\n2: 0 5 0 幕启\n")) << plain.out.toStdString();

  // A cue without text is an empty line, which blanks the sign.
  WriteBytes(QStringLiteral("blank.srt"), "1\n00:00:01,000 --> 00:00:02,000\nA\n\n2\n00:00:02,500 --> 00:00:03,000\n\n"
                                          "3\n00:00:04,000 --> 00:00:05,000\nB\n");
  const QJsonArray blank = ShowJson(QStringLiteral("blank.srt"))[QStringLiteral("lines")].toArray();
  ASSERT_EQ(blank.size(), 3);
  EXPECT_EQ(blank[1].toObject(), ImportedLine(2, ""));

  // A malformed file: one line naming the file and the line, and nothing written.
  WriteBytes(QStringLiteral("bad.srt"), "1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n\r\n2\r\nB\r\n");
  for (const QStringList& command : {QStringList{"show", "bad.srt"}, QStringList{"convert", "bad.srt", "never"}}) {
    const CliRun bad = RunCli(command);
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.out.isEmpty());
    EXPECT_EQ(bad.err, "lumetra-cli " + command[0].toUtf8() +
                           ": bad.srt, line 6: expected a time line such as \"00:00:01,000 --> 00:00:04,000\"\n");
  }
  EXPECT_FALSE(QFile::exists(QStringLiteral("never.lw")));
}

TEST(CliConvert, ACaptionScriptInUtf8IsSavedAsTheConsoleSavesIt) {
  WriteBytes(QStringLiteral("script.txt"), Iconv(QStringLiteral("第一幕\n第二幕\n"), QStringLiteral("UTF-8")));
  EXPECT_TRUE(RunCli({"show", "script.txt"}).out.contains("\n1: 0 5 0 第一幕\n"));
  EXPECT_EQ(RunCli({"convert", "script.txt", "script"}).exitCode, 0);
  EXPECT_EQ(ReadBytes(QStringLiteral("script.lw")),
            kInitialHeader +
                Iconv(QStringLiteral("第一幕\r\n0\r\n5\r\n0\r\n第二幕\r\n0\r\n5\r\n0\r\n"), QStringLiteral("GB18030")));
}
