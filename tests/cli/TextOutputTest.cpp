// The listing writer against Qt's own JSON and UTF-8 writers, on random texts full of characters
// that need escaping, four-byte characters and surrogates without their pair.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <random>

#include "cli/TextOutput.h"

namespace {

QString RandomText(std::mt19937& random) {
  static const char16_t kSpecial[] = {u'"', u'\\', u'\b', u'\f', u'\n', u'\r', u'\t', 0x01, 0x1F, 0x7F, 0x80, 0xA0,
                                      0x2028, 0xFFFD, 0xFEFF};
  const auto in = [&](int low, int high) { return char16_t(std::uniform_int_distribution<int>(low, high)(random)); };
  QString text;
  const int length = std::uniform_int_distribution<int>(0, 12)(random);
  for (int i = 0; i < length; ++i) {
    switch (std::uniform_int_distribution<int>(0, 5)(random)) {
      case 0: text += QChar(in(0x20, 0x7E)); break;
      case 1: text += QChar(kSpecial[in(0, std::size(kSpecial) - 1)]); break;
      case 2: text += QChar(in(0x4E00, 0x9FA5)); break;
      case 3: text += QChar(in(0xD800, 0xDBFF)); text += QChar(in(0xDC00, 0xDFFF)); break;
      case 4: text += QChar(in(0xD800, 0xDFFF)); break;  // half a pair
      default: text += QChar(in(0x80, 0xFFFF)); break;
    }
  }
  return text;
}

}  // namespace

TEST(CliTextOutput, JsonStringsAndUtf8AreWhatQtWrites) {
  std::mt19937 random(42);
  for (int round = 0; round < 2000; ++round) {
    const QString text = RandomText(random);
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
