// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>

#include "platform/InOutError.h"
#include "platform/TextFile.h"
#include "support/FileBytes.h"

namespace {

int InOutErrorCodeOf(auto&& action) {
  try {
    action();
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Message(), InOutErrorMessage(error.ErrorCode));
    return error.ErrorCode;
  }
  return 0;
}

}  // namespace

TEST(TextReader, NumbersSkipBlanksAcrossLineEndsAndDropTheRestOfTheirLine) {
  TTextReader reader(QByteArray("  \t\r\n\r\n  42 junk here\r\n-7\n+13\x01\x02zz\r\nnext"));
  EXPECT_EQ(reader.ReadInteger(), 42);
  EXPECT_EQ(reader.ReadInteger(), -7);
  EXPECT_EQ(reader.ReadInteger(), 13);  // a control byte ends the number like a space
  EXPECT_EQ(reader.ReadLine(), QByteArray("next"));
  EXPECT_TRUE(reader.Eof());
}

TEST(TextReader, NumbersCoverTheWhole32BitRangeAndNoMore) {
  TTextReader reader(QByteArray("2147483647\r\n-2147483648\r\n-0\r\n007\r\n"));
  EXPECT_EQ(reader.ReadInteger(), 2147483647);
  EXPECT_EQ(reader.ReadInteger(), std::int32_t(-2147483647 - 1));
  EXPECT_EQ(reader.ReadInteger(), 0);
  EXPECT_EQ(reader.ReadInteger(), 7);
  for (const char* bad : {"2147483648", "-2147483649", "99999999999999999999", "1e3", "0x10", "$FF", "+", "-",
                          "12a", "--1", "1.5"}) {
    TTextReader r{QByteArray(bad)};
    EXPECT_EQ(InOutErrorCodeOf([&] { r.ReadInteger(); }), kInvalidNumericInput) << bad;
  }
}

TEST(TextReader, ANumberIsAtMost32CharactersTheRestOfTheLineIsSkipped) {
  const QByteArray zeros(31, '0');
  TTextReader reader(zeros + "1" + "9\r\n" + zeros + "99\r\n5\r\n");
  EXPECT_EQ(reader.ReadInteger(), 1);  // the 33rd character is never looked at
  EXPECT_EQ(reader.ReadInteger(), 9);
  EXPECT_EQ(reader.ReadInteger(), 5);
}

TEST(TextReader, TheEndOfTheTextGivesZeroAndCtrlZEndsTheText) {
  TTextReader blank(QByteArray(" \r\n\r\n\t"));
  EXPECT_FALSE(blank.Eof());
  EXPECT_EQ(blank.ReadInteger(), 0);
  EXPECT_TRUE(blank.Eof());
  EXPECT_EQ(blank.ReadInteger(), 0);
  EXPECT_EQ(blank.ReadLine(), QByteArray());

  TTextReader ctrlZ(QByteArray("12\x1a" "34\r\nmore\r\n"));
  EXPECT_EQ(ctrlZ.ReadInteger(), 12);
  EXPECT_TRUE(ctrlZ.Eof());
  EXPECT_EQ(ctrlZ.ReadInteger(), 0);

  TTextReader ctrlZInLine(QByteArray("ab\x1a" "cd\r\n"));
  EXPECT_EQ(ctrlZInLine.ReadLine(), QByteArray("ab"));
  EXPECT_TRUE(ctrlZInLine.Eof());
}

TEST(TextReader, LinesEndAtLfOrCrLfAndKeepALoneCr) {
  const QByteArray longLine(100000, 'x');
  TTextReader reader("a\r\nb\n\r\nc\rd\n" + longLine + "\r\nlast");
  EXPECT_EQ(reader.ReadLine(), QByteArray("a"));
  EXPECT_EQ(reader.ReadLine(), QByteArray("b"));
  EXPECT_EQ(reader.ReadLine(), QByteArray());
  EXPECT_EQ(reader.ReadLine(), QByteArray("c\rd"));
  EXPECT_EQ(reader.ReadLine(), longLine);
  EXPECT_FALSE(reader.Eof());
  EXPECT_EQ(reader.ReadLine(), QByteArray("last"));
  EXPECT_TRUE(reader.Eof());
}

TEST(TextReader, OpeningReportsTheRuntimeErrors) {
  EXPECT_EQ(InOutErrorCodeOf([] { TTextReader::FromFile(QStringLiteral("missing.lw")); }), kFileNotFound);
  EXPECT_EQ(InOutErrorCodeOf([] { TTextReader::FromFile(QStringLiteral("no-folder/show.lw")); }), kPathNotFound);
  WriteBytes(QStringLiteral("plain"), "1\r\n");
  EXPECT_EQ(InOutErrorCodeOf([] { TTextReader::FromFile(QStringLiteral("plain/show.lw")); }), kPathNotFound);
  ASSERT_TRUE(QDir().mkdir(QStringLiteral("folder.lw")));
  EXPECT_EQ(InOutErrorCodeOf([] { TTextReader::FromFile(QStringLiteral("folder.lw")); }), kAccessDenied);
  ASSERT_EQ(::mkfifo("pipe.lw", 0600), 0);  // must be refused, not waited on
  EXPECT_EQ(InOutErrorCodeOf([] { TTextReader::FromFile(QStringLiteral("pipe.lw")); }), kAccessDenied);
  TTextReader reader = TTextReader::FromFile(QStringLiteral("plain"));
  EXPECT_EQ(reader.ReadInteger(), 1);
}

TEST(InOutError, NoHostErrorNumberPassesForARuntimeCodeOfOtherMeaning) {
  EXPECT_EQ(InOutErrorCodeForErrno(EROFS, QString()), kAccessDenied);
  EXPECT_EQ(InOutErrorCodeForErrno(EDQUOT, QString()), kDiskFull);
  // EIO is 5 on this host: it must not come out as "File access denied".
  EXPECT_EQ(InOutErrorMessage(InOutErrorCodeForErrno(EIO, QString())), QStringLiteral("I/O error 31"));
}
