// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "support/RandomText.h"

#include <iterator>

QString RandomText(std::mt19937& random, int maxLength) {
  static const char16_t kSpecial[] = {u'"', u'\\', u'\b', u'\f', u'\n', u'\r', u'\t', 0x01, 0x1F, 0x7F, 0x80, 0xA0,
                                      0x2028, 0xFFFD, 0xFEFF};
  const auto in = [&](int low, int high) { return char16_t(std::uniform_int_distribution<int>(low, high)(random)); };
  QString text;
  const int length = std::uniform_int_distribution<int>(0, maxLength)(random);
  for (int i = 0; i < length; ++i) {
    switch (std::uniform_int_distribution<int>(0, 7)(random)) {
      case 0: text += QChar(in(0x20, 0x7E)); break;
      case 1: text += QChar(kSpecial[in(0, int(std::size(kSpecial)) - 1)]); break;
      case 2: text += QChar(in(0x4E00, 0x9FA5)); break;
      case 3: text += QChar(in(0xD800, 0xDBFF)); text += QChar(in(0xDC00, 0xDFFF)); break;  // a pair
      case 4: text += QChar(in(0xD800, 0xDBFF)); break;                                     // high alone
      case 5: text += QChar(in(0xDC00, 0xDFFF)); break;                                     // low alone
      case 6: text += QChar(in(0xE000, 0xFFFD)); break;
      default: text += QChar(in(0x80, 0xFFFF)); break;
    }
  }
  return text;
}

QByteArray RandomShowTextBytes(std::mt19937& random) {
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

QByteArray RandomSettingsFile(std::mt19937& random, int records) {
  const auto chance = [&](int percent) { return std::uniform_int_distribution<int>(0, 99)(random) < percent; };
  const auto lineEnd = [&] { return chance(80) ? QByteArray("\r\n") : QByteArray("\n"); };
  const auto number = [&] {
    QByteArray text;
    if (chance(10)) text += lineEnd();  // a blank line before it
    if (chance(10)) text += "  ";
    const std::int32_t value = chance(80) ? std::uniform_int_distribution<std::int32_t>(-3, 300)(random) : std::int32_t(random());
    if (value >= 0 && chance(10)) text += '+';
    text += QByteArray::number(value);
    if (chance(10)) text += " trailing words";
    return text + lineEnd();
  };
  // A Ctrl-Z ends the text: one now and then, not one in every long show.
  const auto text = [&] { return RandomShowTextBytes(random).replace('\x1a', '\x1b') + lineEnd(); };
  const int broken = chance(15) ? std::uniform_int_distribution<int>(0, records)(random) : -1;
  const int ended = chance(10) ? std::uniform_int_distribution<int>(0, records)(random) : -1;
  QByteArray file = number() + number() + number() + text();
  for (int i = 0; i < records; ++i) {
    file += text() + (i == broken ? QByteArray("12x") + lineEnd() : number()) + number() + number();
    if (i == ended) file += '\x1a';
  }
  if (records > 0 && chance(20)) file.chop(std::uniform_int_distribution<int>(1, 12)(random));  // cut short
  return file;
}
