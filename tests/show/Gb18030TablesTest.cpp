// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The looked-up conversions must be the converter's own, code for code: every two-byte code and
// every character of the basic plane is checked against it, and the tables must hold them all.
#include <gtest/gtest.h>

#include <QStringDecoder>
#include <QStringEncoder>

#include "show/Gb18030Tables.h"

TEST(Gb18030Tables, EveryTwoByteCodeDecodesAsTheConverterDecodesIt) {
  QStringDecoder converter("GB18030", QStringConverter::Flag::Stateless);
  int held = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      const char code[] = {char(lead), char(trail), 'a'};
      QString looked = QStringLiteral("x");  // what is decoded is appended
      if (!DecodeGb18030ByTable(QByteArrayView(code, 3), looked)) continue;
      ++held;
      ASSERT_EQ(looked, "x" + converter.decode(QByteArrayView(code, 3))) << std::hex << lead << ' ' << trail;
    }
  }
  // All but the few codes the converter has no single character for.
  EXPECT_GT(held, 23900);
}

TEST(Gb18030Tables, EveryCharacterOfTheBasicPlaneEncodesAsTheConverterEncodesIt) {
  QStringEncoder converter("GB18030", QStringConverter::Flag::Stateless);
  for (char32_t c = 0; c <= 0xFFFF; ++c) {
    if (QChar::isSurrogate(c)) continue;
    const QString text = QString(QChar(char16_t(c))) + u'a';
    std::string looked = "x";
    ASSERT_TRUE(EncodeGb18030ByTable(text, looked)) << std::hex << unsigned(c);
    const QByteArray expected = converter.encode(text);
    ASSERT_EQ(looked, "x" + expected.toStdString()) << std::hex << unsigned(c);
  }
}

TEST(Gb18030Tables, WhatTheTablesDoNotHoldIsLeftWithTheOutputUntouched) {
  QString decoded = QStringLiteral("kept");
  EXPECT_FALSE(DecodeGb18030ByTable("ab\x81\x30\x81\x30", decoded));  // a four-byte code
  EXPECT_FALSE(DecodeGb18030ByTable("ab\x81", decoded));              // cut short
  EXPECT_FALSE(DecodeGb18030ByTable("\x80", decoded));                // no code
  EXPECT_EQ(decoded, QStringLiteral("kept"));
  std::string encoded = "kept";
  EXPECT_FALSE(EncodeGb18030ByTable(QStringLiteral("ab") + QChar(0xD83D) + QChar(0xDE00), encoded));
  EXPECT_FALSE(EncodeGb18030ByTable(QString(QChar(0xDC00)), encoded));  // a half pair
  EXPECT_EQ(encoded, "kept");
}

TEST(Gb18030Tables, ATwoByteCodeEncodesBackOnlyWhenTheConverterGivesItBack) {
  QStringDecoder decoder("GB18030", QStringConverter::Flag::Stateless);
  QStringEncoder encoder("GB18030", QStringConverter::Flag::Stateless);
  int back = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x30; trail <= 0xFF; ++trail) {
      const char code[] = {'a', char(lead), char(trail)};
      const QByteArrayView bytes(code, 3);
      const bool expected = QByteArray(encoder.encode(decoder.decode(bytes))) == bytes;
      ASSERT_EQ(Gb18030EncodesBack(bytes), expected && trail >= 0x40) << std::hex << lead << ' ' << trail;
      back += expected;
    }
  }
  EXPECT_GT(back, 23000);
  EXPECT_FALSE(Gb18030EncodesBack("\x81\x30\x81\x30"));  // four bytes are left to the converter
  EXPECT_FALSE(Gb18030EncodesBack("ab\x81"));            // cut short
  EXPECT_TRUE(Gb18030EncodesBack("plain\r\t\x01"));
}
