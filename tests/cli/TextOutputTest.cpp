// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The listing writer against Qt's own JSON and UTF-8 writers, on random texts full of characters
// that need escaping, four-byte characters and surrogates without their pair.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <random>

#include "cli/TextOutput.h"
#include "support/RandomText.h"

TEST(CliTextOutput, JsonStringsAndUtf8AreWhatQtWrites) {
  std::mt19937 random(42);
  for (int round = 0; round < 2000; ++round) {
    const QString text = RandomText(random, 12);
    std::string json = "[";
    AppendJsonString(json, text);
    json += ']';
    ASSERT_EQ(json, QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact).toStdString())
        << QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2).toHex(' ').toStdString();
    std::string utf8;
    AppendUtf8(utf8, text);
    ASSERT_EQ(utf8, text.toUtf8().toStdString());
  }
  std::string number;
  AppendDecimal(number, -2147483648LL);
  EXPECT_EQ(number, "-2147483648");
}
