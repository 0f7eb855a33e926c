// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/TextOutput.h"

#include <charconv>
#include <stdexcept>

namespace {

char HexDigit(unsigned value) { return char(value < 10 ? '0' + value : 'a' + value - 10); }

// Writing goes through a raw pointer into room made beforehand: a listing has millions of
// characters, and checking the string's room for each would cost more than the writing.
char* PutUnicodeEscape(char* out, char16_t c) {
  *out++ = '\\';
  *out++ = 'u';
  for (int shift = 12; shift >= 0; shift -= 4) *out++ = HexDigit(c >> shift & 0xF);
  return out;
}

char* PutUtf8Sequence(char* out, char32_t c) {
  if (c < 0x800) {
    *out++ = char(0xC0 | c >> 6);
  } else if (c < 0x10000) {
    *out++ = char(0xE0 | c >> 12);
    *out++ = char(0x80 | (c >> 6 & 0x3F));
  } else {
    *out++ = char(0xF0 | c >> 18);
    *out++ = char(0x80 | (c >> 12 & 0x3F));
    *out++ = char(0x80 | (c >> 6 & 0x3F));
  }
  *out++ = char(0x80 | (c & 0x3F));
  return out;
}

// Runs `put(char* room, const char16_t* text, const char16_t* end) -> char* end of written` with
// room for `perUnit` bytes per UTF-16 unit of the text, then appends what was written. The room is
// a scratch buffer that stays in the cache: making it in the string itself would first fill it
// with zeros, several times the bytes that are written.
template <typename Put>
void Append(std::string& out, QStringView text, std::size_t perUnit, Put put) {
  thread_local std::string room;
  const std::size_t needed = perUnit * std::size_t(text.size()) + 2;
  if (room.size() < needed) room.resize(needed);
  const char16_t* p = text.utf16();
  out.append(room.data(), std::size_t(put(room.data(), p, p + text.size()) - room.data()));
}

}  // namespace

void AppendJsonString(std::string& out, QStringView text) {
  Append(out, text, 6, [](char* o, const char16_t* p, const char16_t* end) {
    *o++ = '"';
    while (p != end) {
      const char16_t c = *p++;
      if (c >= 0x20 && c < 0x80 && c != '"' && c != '\\') {
        *o++ = char(c);
      } else if (c < 0x80) {
        const char* escape = nullptr;
        switch (c) {
          case '"': escape = "\\\""; break;
          case '\\': escape = "\\\\"; break;
          case '\b': escape = "\\b"; break;
          case '\f': escape = "\\f"; break;
          case '\n': escape = "\\n"; break;
          case '\r': escape = "\\r"; break;
          case '\t': escape = "\\t"; break;
          default: o = PutUnicodeEscape(o, c); continue;
        }
        *o++ = escape[0];
        *o++ = escape[1];
      } else if (QChar::isHighSurrogate(c) && p != end && QChar::isLowSurrogate(*p)) {
        o = PutUtf8Sequence(o, QChar::surrogateToUcs4(c, *p++));
      } else if (QChar::isSurrogate(c)) {
        o = PutUnicodeEscape(o, c);
      } else {
        o = PutUtf8Sequence(o, c);
      }
    }
    *o++ = '"';
    return o;
  });
}

void AppendUtf8(std::string& out, QStringView text) {
  Append(out, text, 3, [](char* o, const char16_t* p, const char16_t* end) {
    while (p != end) {
      const char16_t c = *p++;
      if (c < 0x80) *o++ = char(c);
      else if (QChar::isHighSurrogate(c) && p != end && QChar::isLowSurrogate(*p)) o = PutUtf8Sequence(o, QChar::surrogateToUcs4(c, *p++));
      else if (QChar::isSurrogate(c)) *o++ = '?';
      else o = PutUtf8Sequence(o, c);
    }
    return o;
  });
}

void AppendDecimal(std::string& out, std::int64_t value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, std::size_t(result.ptr - digits));
}

void ReopenJsonObject(std::string& out, std::string_view closing) {
  if (!out.ends_with(closing)) throw std::logic_error("a JSON object reopened where none ends");
  out.resize(out.size() - closing.size());
}

void AppendJsonStringOrNull(std::string& out, QStringView text) {
  if (text.isEmpty()) out += "null";
  else AppendJsonString(out, text);
}
