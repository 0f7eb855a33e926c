// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Translation tracks: their tags, their files and their count against the show's.
#include <gtest/gtest.h>

#include "platform/Exceptions.h"
#include "show/TrackTag.h"
#include "show/TranslationTrack.h"
#include "support/FileBytes.h"
#include "support/Iconv.h"
#include "support/QtPrinters.h"

TEST(TrackTag, AcceptsTheFormOfALanguageTagAndSaysWhatIsWrongWithAnyOther) {
  for (const char* good : {"en", "ja", "zh-Hant", "pt-BR", "sr-Latn-RS", "de-CH-1996", "EN-gb", "yue", "abcdefgh-x-1"})
    EXPECT_EQ(TrackTagProblem(QString::fromLatin1(good)), QString()) << good;
  const std::pair<QString, const char*> bad[] = {
      {"", "the tag is empty"},
      {"e", "the language subtag \"e\" has 1 letter; it needs 2 to 8"},
      {"abcdefghi", "the language subtag \"abcdefghi\" has 9 letters; it needs 2 to 8"},
      {"e1", "the language subtag \"e1\" must be letters only"},
      {"en_GB", "\"_\" is not an ASCII letter, digit or hyphen (subtags are joined by hyphens: en-GB)"},
      {"fr ", "\" \" is not an ASCII letter, digit or hyphen"},
      {QStringLiteral("日本"), "\"日\" is not an ASCII letter, digit or hyphen"},
      {"en--GB", "a hyphen must stand between two subtags"},
      {"-en", "a hyphen must stand between two subtags"},
      {"en-", "a hyphen must stand between two subtags"},
      {"en-abcdefghi", "the subtag \"abcdefghi\" has 9 characters; a subtag has 1 to 8"},
  };
  for (const auto& [tag, problem] : bad) EXPECT_EQ(TrackTagProblem(tag), QString::fromUtf8(problem)) << tag.toStdString();
  EXPECT_TRUE(SameTrackTag(u"EN-gb", u"en-GB"));
  EXPECT_EQ(TrackNameInEnglish(QStringLiteral("ja")), QStringLiteral("Japanese"));
  EXPECT_EQ(TrackNameInEnglish(QStringLiteral("zh-Hant")), QStringLiteral("Chinese (zh-Hant)"));
  EXPECT_EQ(TrackNameInEnglish(QStringLiteral("qaa")), QStringLiteral("\"qaa\""));
}

// Line i of a file is line i of the track, whatever form the file takes; an empty line is a
// translation (no caption), distinct from none past the file's end.
TEST(TranslationTrack, EveryFileFormGivesALinePerCaptionLine) {
  const QList<TrackLine> lines = {TrackLine(QStringLiteral("Who goes there?")), TrackLine(QString()),
                                  TrackLine(QStringLiteral("寂しい 𠀀"))};
  const QString text = QStringLiteral("Who goes there?\r\n\n寂しい 𠀀\n");
  const std::pair<const char*, QByteArray> files[] = {
      {"utf8.txt", text.toUtf8()},
      {"utf16.txt", Iconv(QChar(0xFEFF) + text, QStringLiteral("UTF-16LE"))},
      {"gb.txt", Iconv(text, QStringLiteral("GB18030"))},
      // A cue is a line: its text lines joined, a cue of tags alone an empty line.
      {"cues.SRT", QStringLiteral("1\n00:00:01,000 --> 00:00:02,000\n<i>Who goes</i>\nthere?\n\n"
                                  "2\n00:00:03,000 --> 00:00:04,000\n<b></b>\n\n"
                                  "3\n00:00:05,000 --> 00:00:06,000\n寂しい 𠀀\n")
                       .toUtf8()},
  };
  for (const auto& [name, bytes] : files) {
    WriteBytes(QString::fromLatin1(name), bytes);
    EXPECT_EQ(ReadTrackFile(QString::fromLatin1(name)), lines) << name;
  }
  const TranslationTrack track{QStringLiteral("ja"), QStringLiteral("gb.txt"), 0, lines};
  EXPECT_FALSE(track.LineAt(1).IsNone());
  EXPECT_EQ(track.LineAt(1).SignText(), QString());
  EXPECT_TRUE(track.LineAt(3).IsNone());
  EXPECT_TRUE(track.LineAt(-1).IsNone());
  EXPECT_THROW(ReadTrackFile(QStringLiteral("missing.txt")), Exception);
}

TEST(TranslationTrack, ACountOtherThanTheShowsSaysWhichLinesLackWhat) {
  TranslationTrack track{QStringLiteral("en"), QStringLiteral("en.txt"), 2, QList<TrackLine>(298, TrackLine(QStringLiteral("x")))};
  EXPECT_EQ(TrackCountNote(track, 298), QString());
  EXPECT_EQ(TrackCountNote(track, 300), QStringLiteral("the English track has 298 lines, the show 300: lines 299-300 have no translation"));
  EXPECT_EQ(TrackCountNote(track, 299), QStringLiteral("the English track has 298 lines, the show 299: line 299 has no translation"));
  EXPECT_EQ(TrackCountNote(track, 296), QStringLiteral("the English track has 298 lines, the show 296: lines 297-298 have no caption line"));
  track.lines.resize(1);
  EXPECT_EQ(TrackCountNote(track, 0), QStringLiteral("the English track has 1 line, the show 0: line 1 has no caption line"));
}
