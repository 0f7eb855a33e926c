// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "platform/Streams.h"

TEST(Streams, MemoryStreamsReadWriteSeekAndCopyLikeFiles) {
  TMemoryStream stream;
  stream.WriteInt32(-2);
  stream.Seek(2, soFromCurrent);  // writing past the end fills the gap with zeros
  stream.WriteBuffer("x", 1);
  EXPECT_EQ(stream.Memory(), QByteArray("\xFE\xFF\xFF\xFF\0\0x", 7));
  stream.SetPosition(0);
  EXPECT_EQ(stream.ReadInt32(), -2);
  char buffer[8];
  EXPECT_EQ(stream.Read(buffer, 8), 3);
  EXPECT_EQ(stream.Seek(-3, soFromEnd), 4);
  try {
    stream.ReadBuffer(buffer, 4);
    FAIL() << "no error";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), "Stream read error");
  }

  TMemoryStream source(QByteArray(100000, 'a') + "end");  // more than one copy piece
  source.SetPosition(99990);
  TMemoryStream copy;
  EXPECT_EQ(copy.CopyFrom(source, 0), 100003);  // 0 = the whole source, from its start
  EXPECT_EQ(copy.Memory(), source.Memory());
  source.SetPosition(100001);
  EXPECT_THROW(copy.CopyFrom(source, 5), EReadError);
}

TEST(Streams, FileStreamsNameTheFileAndTheReasonWhenTheyCannotOpen) {
  try {
    TFileStream stream(QStringLiteral("missing.bmp"), fmOpenRead);
    FAIL() << "no error";
  } catch (const EFOpenError& e) {
    EXPECT_TRUE(e.Message().startsWith("Cannot open file \"/")) << e.Message().toStdString();
    EXPECT_TRUE(e.Message().contains(QRegularExpression("/missing\\.bmp\"\\. \\w"))) << e.Message().toStdString();
  }
  EXPECT_THROW(TFileStream(QStringLiteral("."), fmOpenRead), EFOpenError);
  EXPECT_THROW(TFileStream(QStringLiteral("no/such/dir/file"), fmCreate), EFCreateError);

  TMemoryStream(QByteArray(70000, 'b')).SaveToFile(QStringLiteral("data.bin"));
  TFileStream file(QStringLiteral("data.bin"), fmOpenRead);
  EXPECT_EQ(file.Size(), 70000);
  EXPECT_EQ(file.Seek(-4, soFromEnd), 69996);
  char buffer[8];
  EXPECT_EQ(file.Read(buffer, 8), 4);
  EXPECT_THROW(file.WriteBuffer("x", 1), EWriteError);  // opened for reading only
}
