// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include "platform/InOutError.h"
#include "platform/TextFile.h"
#include "show/ShowDocument.h"
#include "show/TextImport.h"
#include "support/FileBytes.h"
#include "support/Iconv.h"

#include <QFile>

namespace {

const QChar kMark(0xFEFF);

// Every line end the import knows, and a last line without one.
const QString kScript = QStringLiteral("第一幕\r\n朱镕基 GBK\n\rlast");
const QStringList kScriptLines{QStringLiteral("第一幕"), QStringLiteral("朱镕基 GBK"), QString(),
                               QStringLiteral("last")};

QStringList Imported(const QByteArray& bytes) {
  WriteBytes(QStringLiteral("script.txt"), bytes);
  return ImportTextFile(QStringLiteral("script.txt"));
}

}  // namespace

TEST(TextImport, ReadsTheEncodingsThatEditorsWrite) {
  // "镕" is a GBK character outside GB2312; "𠀀" needs four bytes in GB18030 and a surrogate
  // pair in UTF-16.
  EXPECT_EQ(Imported(Iconv(kScript, QStringLiteral("GBK"))), kScriptLines);
  const QString wide = kScript + QStringLiteral(" 𠀀");
  QStringList wideLines = kScriptLines;
  wideLines.last() += QStringLiteral(" 𠀀");
  for (const QString& encoding : {QStringLiteral("GB18030"), QStringLiteral("UTF-8")})
    EXPECT_EQ(Imported(Iconv(wide, encoding)), wideLines) << encoding.toStdString();
  for (const QString& encoding : {QStringLiteral("UTF-8"), QStringLiteral("UTF-16LE"), QStringLiteral("UTF-16BE")})
    EXPECT_EQ(Imported(Iconv(kMark + wide, encoding)), wideLines) << encoding.toStdString() << " with its mark";
}

TEST(TextImport, OldTextsReadAsBeforeAndOnlyValidUtf8IsTakenForIt) {
  // Pure ASCII is the same text either way.
  EXPECT_EQ(Imported("Act 1\r\nScene 2\r"), (QStringList{"Act 1", "Scene 2"}));
  // A GB text with its bytes invalid as UTF-8 stays GB, also when only one byte gives it away.
  EXPECT_EQ(Imported(Iconv(QStringLiteral("English first, 字幕 last"), QStringLiteral("GB18030"))),
            QStringList{QStringLiteral("English first, 字幕 last")});
  // The one ambiguity: a GB text whose every byte also forms valid UTF-8 reads as UTF-8. It
  // takes a whole file of characters such as these two.
  EXPECT_EQ(Imported(Iconv(QStringLiteral("陆路"), QStringLiteral("GB18030"))), QStringList{QStringLiteral("½·")});
}

TEST(TextImport, AMarkedFileWithBrokenBytesKeepsEveryLine) {
  // Broken bytes become replacement characters in the declared encoding; nothing falls back to
  // GB18030 and no line is lost.
  EXPECT_EQ(DecodeCaptionText(QByteArray("\xEF\xBB\xBF") + "a\xFF\nb"), (QStringList{QStringLiteral("a\uFFFD"), "b"}));
  EXPECT_EQ(DecodeCaptionText(QByteArray("\xFF\xFE") + QByteArray("a\0\n\0b", 5)),
            (QStringList{"a", QStringLiteral("\uFFFD")}));
  // A mark alone is an empty text.
  EXPECT_TRUE(DecodeCaptionText("\xFF\xFE").isEmpty());
  EXPECT_TRUE(DecodeCaptionText("\xEF\xBB\xBF").isEmpty());
}

TEST(TextImport, ShowFilesStayGb18030BothWays) {
  // Bytes that would be valid UTF-8 are still GB18030 in a settings file.
  const QByteArray gb = Iconv(QStringLiteral("陆路"), QStringLiteral("GB18030"));
  ShowDocument show;
  WriteBytes(QStringLiteral("show.lw"), "1\r\n14\r\n255\r\n" + gb + "\r\n" + gb + "\r\n0\r\n5\r\n0\r\n");
  show.Load(QStringLiteral("show.lw"));
  EXPECT_EQ(show.Font.Name, QStringLiteral("陆路"));
  EXPECT_EQ(show.Lines, QStringList{QStringLiteral("陆路")});

  // An imported UTF-16 script is saved as GB18030.
  WriteBytes(QStringLiteral("script.txt"), Iconv(kMark + QStringLiteral("第一幕\r\n𠀀"), QStringLiteral("UTF-16LE")));
  show.Load(QStringLiteral("script.txt"));
  const QByteArray saved = show.Encode();
  EXPECT_TRUE(saved.endsWith(
      Iconv(QStringLiteral("第一幕\r\n0\r\n5\r\n0\r\n𠀀\r\n0\r\n5\r\n0\r\n"), QStringLiteral("GB18030"))));
}

TEST(TextImport, AFileThatClaimsMoreThanAShowCanHoldIsRefusedUnread) {
  // Sparse files: their size is only a claim, and nothing may be set aside for it.
  for (const qint64 size : {kMaxFileBytes + 1, qint64(1) << 40}) {
    for (const QString& name : {QStringLiteral("huge.lw"), QStringLiteral("huge.txt")}) {
      QFile file(name);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(size)) << size;
      file.close();
    }
    ShowDocument show;
    show.Lines = {QStringLiteral("kept")};
    try {
      show.Load(QStringLiteral("huge.lw"));
      ADD_FAILURE() << "a settings file of " << size << " bytes was read";
    } catch (const EInOutError& error) {
      EXPECT_EQ(error.ErrorCode, kNotEnoughMemory);
      EXPECT_EQ(error.Message(), QStringLiteral("Not enough memory"));
    }
    try {
      show.Load(QStringLiteral("huge.txt"));
      ADD_FAILURE() << "a text of " << size << " bytes was imported";
    } catch (const Exception& error) {
      EXPECT_EQ(error.Message(), QStringLiteral("Cannot open file \"huge.txt\". ") + qt_error_string(ENOMEM));
    }
    EXPECT_EQ(show.Lines, QStringList{QStringLiteral("kept")});
  }
}
