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
