// Converting many show texts at once must give each text exactly what converting it alone gives,
// whatever the bytes or characters: checked on random texts full of sequences that are whole,
// cut short, stray or unassigned, and characters that need four bytes or have no pair.
#include <gtest/gtest.h>

#include <random>

#include "console/ShowText.h"
#include "support/RandomText.h"

namespace {

QByteArray RandomBytes(std::mt19937& random) {
  const auto byteIn = [&](int low, int high) { return char(std::uniform_int_distribution<int>(low, high)(random)); };
  QByteArray bytes;
  const int pieces = std::uniform_int_distribution<int>(0, 8)(random);
  for (int i = 0; i < pieces; ++i) {
    switch (std::uniform_int_distribution<int>(0, 9)(random)) {
      case 0: bytes += byteIn(0x20, 0x7E); break;                                       // ASCII
      case 1: bytes += byteIn(0x00, 0x1F); break;                                       // controls, no LF
      case 2: bytes += byteIn(0x81, 0xFE); bytes += byteIn(0x80, 0xFE); break;          // two bytes
      case 3: bytes += byteIn(0x81, 0xFE); bytes += byteIn(0x40, 0x7E); break;          // ASCII trail
      case 4:                                                                           // four bytes
        bytes += byteIn(0x81, 0xFE); bytes += byteIn(0x30, 0x39);
        bytes += byteIn(0x81, 0xFE); bytes += byteIn(0x30, 0x39);
        break;
      case 5: bytes += byteIn(0x81, 0xFE); break;                                       // lead alone
      case 6: bytes += byteIn(0x81, 0xFE); bytes += byteIn(0x30, 0x39); break;          // four cut short
      case 7: bytes += char(std::uniform_int_distribution<int>(0, 1)(random) ? 0x80 : 0xFF); break;
      case 8: bytes += "\xb5\xda\xd2\xbb\xc4\xbb"; break;                               // 第一幕
      default: bytes += byteIn(0x81, 0xFE); bytes += byteIn(0x30, 0x39); bytes += byteIn(0x20, 0x7E); break;
    }
  }
  bytes.replace('\n', ' ');  // texts never hold a line feed
  return bytes;
}

}  // namespace

TEST(ShowText, DecodingManyTextsGivesEachWhatDecodingItAloneGives) {
  std::mt19937 random(1234);
  for (int round = 0; round < 200; ++round) {
    QList<QByteArray> storage;
    for (int i = 0; i < 40; ++i) storage.append(RandomBytes(random));
    QList<QByteArrayView> texts(storage.begin(), storage.end());
    ShowTextDecoder together;
    const QStringList decoded = together.DecodeAll(texts);
    ASSERT_EQ(decoded.size(), texts.size());
    for (qsizetype i = 0; i < texts.size(); ++i) {
      ShowTextDecoder alone;
      ASSERT_EQ(decoded[i], alone.Decode(texts[i])) << "round " << round << " text " << i << ": "
                                                     << storage[i].toHex(' ').toStdString();
    }
  }
}

TEST(ShowText, WritingManyTextsGivesTheBytesOfWritingEachAlone) {
  std::mt19937 random(5678);
  for (int round = 0; round < 200; ++round) {
    ShowTextWriter writer;
    ShowTextEncoder alone;
    QByteArray expected;
    for (int i = 0; i < 40; ++i) {
      const QString text = RandomText(random, 8);
      writer.AppendText(text);
      alone.AppendEncoded(expected, text);
      const std::int32_t number = std::int32_t(random());
      writer.AppendNumber(number);
      writer.AppendAscii("\r\n");
      expected += QByteArray::number(number) + "\r\n";
    }
    ASSERT_EQ(writer.Finish(), expected) << "round " << round;
  }
}
