// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Converting many show texts at once must give each text exactly what converting it alone gives,
// whatever the bytes or characters: checked on random texts full of sequences that are whole,
// cut short, stray or unassigned, and characters that need four bytes or have no pair.
#include <gtest/gtest.h>

#include <random>

#include "show/ShowText.h"
#include "support/RandomText.h"

TEST(ShowText, DecodingManyTextsGivesEachWhatDecodingItAloneGives) {
  std::mt19937 random(1234);
  for (int round = 0; round < 200; ++round) {
    QList<QByteArray> storage;
    for (int i = 0; i < 40; ++i) storage.append(RandomShowTextBytes(random));
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

// Passed-on texts are looked up once many have come: the first and the later ones alike must be
// what Decode gives.
TEST(ShowText, ViewingTextsOneByOneGivesWhatDecodingEachAloneGives) {
  std::mt19937 random(91);
  ShowTextDecoder viewing;
  ShowTextDecoder alone;
  for (int i = 0; i < 3000; ++i) {
    const QByteArray bytes = RandomShowTextBytes(random);
    ASSERT_EQ(viewing.DecodeView(bytes).toString(), alone.Decode(bytes)) << "text " << i << ": " << bytes.toHex(' ').toStdString();
  }
}
