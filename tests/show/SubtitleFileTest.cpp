// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include "platform/Exceptions.h"
#include "show/SubtitleFile.h"
#include "support/FileBytes.h"
#include "support/Iconv.h"
#include "support/QtPrinters.h"

namespace {

// The message of the failure SubtitleCaptions raises, or "" when it reads the text.
QString FailureOf(const QString& text) {
  try {
    SubtitleCaptions(text);
  } catch (const Exception& error) {
    return error.Message();
  }
  return {};
}

}  // namespace

TEST(SubtitleFile, EveryTextLineOfEveryCueBecomesACaption) {
  const QString text = QStringLiteral(
      "1\r\n00:00:01,000 --> 00:00:04,000\r\n<i>Who goes there?</i>\r\n{\\an8}第二行\r\n\r\n\r\n"
      "2\r\n00:00:05.5 --> 00:00:06,250 X1:100 X2:600\r\n<font color=\"#ffff00\">a < b</font>, {not a tag}\r\n"
      "3\r\n00:00:07,000 --> 00:00:08,000\r\n<B>1984</B>\r\n<i></i>\r\n\r\n"
      "00:00:09,000 --> 00:00:10,000\r\nno number\r\n\r\n"
      "4\r\n00:00:11,000 --> 00:00:12,000\r\nlast, without a line end");
  EXPECT_EQ(SubtitleCaptions(text), (QStringList{"Who goes there?", QStringLiteral("第二行"), "a < b, {not a tag}",
                                                 "1984", "no number", "last, without a line end"}));
  EXPECT_TRUE(SubtitleCaptions(QStringLiteral("\n\n")).isEmpty());
}

// A cue that shows nothing blanks the sign: one empty caption line, wherever the cue stands.
TEST(SubtitleFile, ACueWithoutTextBecomesAnEmptyLine) {
  const QString time = QStringLiteral("00:00:01,000 --> 00:00:02,000\n");
  const struct {
    const char* name;
    QString text;
    QStringList captions;
  } cases[] = {
      {"between cues", "1\n" + time + "A\n\n2\n" + time + "\n3\n" + time + "B\n", {"A", "", "B"}},
      {"blank lines after it", "1\n" + time + "\n\n\n2\n" + time + "B\n", {"", "B"}},
      {"at the end of the file", "1\n" + time + "A\n\n2\n" + time, {"A", ""}},
      {"straight before the next cue", "1\n" + time + "2\n" + time + "B\n", {"", "B"}},
      {"tags alone", "1\n" + time + "<i></i>\n{\\an8}\n\n2\n" + time + "B\n", {"", "B"}},
      {"spaces alone", "1\n" + time + "   \n\n2\n" + time + "B\n", {"", "B"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SubtitleCaptions(c.text), c.captions) << c.name;
}

TEST(SubtitleFile, UnclosedTagsStayTextAndEndAtTheNextTag) {
  EXPECT_EQ(WithoutSubtitleTags(QStringLiteral("<font a<i>b</i> {\\an1{\\an8}c")), QStringLiteral("<font ab {\\an1c"));
  // A line of 100,000 unclosed tags is read in one pass, not searched to its end once per tag.
  const QString unclosed = QStringLiteral("<font {\\x ").repeated(100000);
  EXPECT_EQ(WithoutSubtitleTags(unclosed), unclosed);
}

TEST(SubtitleFile, AMalformedTextNamesTheLineWhereTheCuesBreak) {
  EXPECT_EQ(FailureOf(QStringLiteral("1\nHello\n")),
            QStringLiteral("line 2: expected a time line such as \"00:00:01,000 --> 00:00:04,000\""));
  EXPECT_TRUE(FailureOf(QStringLiteral("1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n\r\n2\r\n"))
                  .startsWith("line 6: expected a time line"));
  EXPECT_EQ(FailureOf(QStringLiteral("WEBVTT\n\n1\n00:00:01,000 --> 00:00:02,000\nA\n")),
            QStringLiteral("line 1: expected a cue number, found \"WEBVTT\""));
  // A blank line inside a cue leaves its second half where the next cue should start.
  EXPECT_EQ(FailureOf(QStringLiteral("1\n00:00:01,000 --> 00:00:02,000\nA\n\n") + QString(50, u'x')),
            QStringLiteral("line 5: expected a cue number, found \"%1...\"").arg(QString(40, u'x')));
  EXPECT_TRUE(FailureOf(QStringLiteral("1\n00:00:01 --> 00:00:02\nA\n")).startsWith("line 2: "));
}

TEST(SubtitleFile, ReadsFilesInEveryImportEncodingAndNamesTheFileOnFailure) {
  const QString text = QStringLiteral("1\r\n00:00:01,000 --> 00:00:02,000\r\n第一句\r\n第二句\r\n");
  const QStringList captions{QStringLiteral("第一句"), QStringLiteral("第二句")};
  for (const QString& encoding : {QStringLiteral("GB18030"), QStringLiteral("UTF-8")}) {
    WriteBytes(QStringLiteral("act1.srt"), Iconv(text, encoding));
    EXPECT_EQ(ImportSubtitleFile(QStringLiteral("act1.srt")), captions);
  }
  for (const QString& encoding : {QStringLiteral("UTF-8"), QStringLiteral("UTF-16LE"), QStringLiteral("UTF-16BE")}) {
    WriteBytes(QStringLiteral("act1.srt"), Iconv(QChar(0xFEFF) + text, encoding));
    EXPECT_EQ(ImportSubtitleFile(QStringLiteral("act1.srt")), captions);
  }

  WriteBytes(QStringLiteral("bad.srt"),
             Iconv(QChar(0xFEFF) + QStringLiteral("1\r\n第一句\r\n"), QStringLiteral("UTF-16LE")));
  try {
    ImportSubtitleFile(QStringLiteral("bad.srt"));
    ADD_FAILURE() << "a cue without its time line was read";
  } catch (const Exception& error) {
    EXPECT_TRUE(error.Message().startsWith(QStringLiteral("bad.srt, line 2: "))) << error.what();
  }
  EXPECT_TRUE(IsSubtitleFilePath(QStringLiteral("shows.lw/ACT1.SRT")));
  EXPECT_FALSE(IsSubtitleFilePath(QStringLiteral("act1.srt.txt")));
}
