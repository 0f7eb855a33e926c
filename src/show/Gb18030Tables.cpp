// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "show/Gb18030Tables.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

namespace {

constexpr unsigned kLeadFirst = 0x81, kLeadLast = 0xFE;
constexpr unsigned kTrailCount = 0xFF - 0x40;  // trail bytes 0x40..0xFE (0x7F is none)

bool IsTrail(unsigned char c) { return c >= 0x40 && c <= 0xFE && c != 0x7F; }
std::size_t PairIndex(unsigned char lead, unsigned char trail) {
  return (lead - kLeadFirst) * kTrailCount + (trail - 0x40);
}

// Every two-byte code, each followed by a line feed (which no code holds), decoded in one call:
// a code that gives exactly one character keeps it, any other is left to the converter (0).
std::vector<char16_t> BuildDecodeTable() {
  std::vector<char16_t> table((kLeadLast - kLeadFirst + 1) * kTrailCount, 0);
  QByteArray codes;
  std::vector<std::size_t> indexes;
  for (unsigned lead = kLeadFirst; lead <= kLeadLast; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      codes += char(lead);
      codes += char(trail);
      codes += '\n';
      indexes.push_back(PairIndex(lead, trail));
    }
  }
  QStringDecoder decoder("GB18030", QStringConverter::Flag::Stateless);
  const QString text = decoder.decode(codes);
  const QStringList pieces = text.split(u'\n');
  if (!decoder.isValid() || pieces.size() != qsizetype(indexes.size()) + 1) return table;
  for (std::size_t i = 0; i < indexes.size(); ++i) {
    const QString& piece = pieces[qsizetype(i)];
    if (piece.size() == 1 && !piece[0].isSurrogate() && piece[0] != QChar::ReplacementCharacter)
      table[indexes[i]] = piece[0].unicode();
  }
  return table;
}

struct EncodedCharacter {
  unsigned char bytes[4] = {};
  unsigned char length = 0;  // 0: left to the converter
};

// Every character of the basic plane from 0x80 on (no surrogates) encoded in one call; the codes
// delimit themselves (a second byte 0x30..0x39 makes four bytes, any other two).
std::vector<EncodedCharacter> BuildEncodeTable() {
  std::vector<EncodedCharacter> table(0x10000);
  QString characters;
  for (char32_t c = 0x80; c <= 0xFFFF; ++c)
    if (!QChar::isSurrogate(c)) characters += QChar(char16_t(c));
  QStringEncoder encoder("GB18030", QStringConverter::Flag::Stateless);
  const QByteArray bytes = encoder.encode(characters);
  if (!encoder.isValid()) return table;
  std::vector<EncodedCharacter> found;
  found.reserve(std::size_t(characters.size()));
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
  const auto* const end = p + bytes.size();
  while (p != end) {
    EncodedCharacter code;
    if (*p < kLeadFirst || *p > kLeadLast || end - p < 2) return table;  // not a code: trust none
    code.length = p[1] >= 0x30 && p[1] <= 0x39 ? 4 : 2;
    if (end - p < code.length) return table;
    std::copy(p, p + code.length, code.bytes);
    p += code.length;
    found.push_back(code);
  }
  if (found.size() != std::size_t(characters.size())) return table;
  for (qsizetype i = 0; i < characters.size(); ++i) table[characters[i].unicode()] = found[std::size_t(i)];
  return table;
}

const std::vector<char16_t>& DecodeTable() {
  static const std::vector<char16_t> table = BuildDecodeTable();
  return table;
}

const std::vector<EncodedCharacter>& EncodeTable() {
  static const std::vector<EncodedCharacter> table = BuildEncodeTable();
  return table;
}

// For every two-byte code, whether the tables decode it and encode its character back to it:
// asked of every code of a long show, which the encoding table is too large to answer quickly.
const std::vector<std::uint8_t>& EncodesBackTable() {
  static const std::vector<std::uint8_t> table = [] {
    const std::vector<char16_t>& decode = DecodeTable();
    const std::vector<EncodedCharacter>& encode = EncodeTable();
    std::vector<std::uint8_t> back(decode.size(), 0);
    for (unsigned lead = kLeadFirst; lead <= kLeadLast; ++lead) {
      for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
        if (!IsTrail((unsigned char)trail)) continue;
        const char16_t c = decode[PairIndex(lead, trail)];
        const EncodedCharacter& code = encode[c];
        back[PairIndex(lead, trail)] = c != 0 && code.length == 2 && code.bytes[0] == lead && code.bytes[1] == trail;
      }
    }
    return back;
  }();
  return table;
}

// The character of the two-byte code at `p` (with `left` bytes from it on), or 0 when there is
// none there or the tables do not hold it.
char16_t LookUpPair(const unsigned char* p, std::ptrdiff_t left, const std::vector<char16_t>& table) {
  return left >= 2 && *p >= kLeadFirst && *p <= kLeadLast && IsTrail(p[1]) ? table[PairIndex(p[0], p[1])] : 0;
}

}  // namespace

qsizetype DecodeGb18030ByTable(QByteArrayView bytes, char16_t* out) {
  const std::vector<char16_t>& table = DecodeTable();
  char16_t* o = out;
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* const end = p + bytes.size();
  while (p != end) {
    if (*p < 0x80) {
      *o++ = *p++;
      continue;
    }
    const char16_t c = LookUpPair(p, end - p, table);
    if (c == 0) return -1;
    *o++ = c;
    p += 2;
  }
  return o - out;
}

bool DecodeGb18030ByTable(QByteArrayView bytes, QString& out) {
  // Decoded into a buffer of its own first: `out` grows once, by exactly the characters found.
  thread_local std::vector<char16_t> characters;
  characters.resize(std::size_t(bytes.size()));
  const qsizetype count = DecodeGb18030ByTable(bytes, characters.data());
  if (count < 0) return false;
  out.append(reinterpret_cast<const QChar*>(characters.data()), count);
  return true;
}

bool Gb18030EncodesBack(QByteArrayView bytes) {
  const std::vector<std::uint8_t>& back = EncodesBackTable();
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* const end = p + bytes.size();
  while (p != end) {
    if (*p < 0x80) {
      ++p;
      continue;
    }
    if (end - p < 2 || *p < kLeadFirst || *p > kLeadLast || !IsTrail(p[1]) || !back[PairIndex(p[0], p[1])]) return false;
    p += 2;
  }
  return true;
}

bool EncodeGb18030ByTable(const QString& text, std::string& out) {
  const std::vector<EncodedCharacter>& table = EncodeTable();
  const std::size_t start = out.size();
  out.resize(start + 4 * std::size_t(text.size()));
  char* o = out.data() + start;
  for (const QChar c : text) {
    if (c.unicode() < 0x80) {
      *o++ = char(c.unicode());
      continue;
    }
    const EncodedCharacter& code = table[c.unicode()];
    if (code.length == 0) {
      out.resize(start);
      return false;
    }
    for (int i = 0; i < code.length; ++i) *o++ = char(code.bytes[i]);
  }
  out.resize(std::size_t(o - out.data()));
  return true;
}
