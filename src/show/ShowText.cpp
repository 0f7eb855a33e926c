// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "show/ShowText.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/Exceptions.h"
#include "show/Gb18030Tables.h"

namespace {

constexpr char kShowEncoding[] = "GB18030";

// Each line is converted on its own: a broken sequence at the end of one line must not swallow
// the start of the next.
constexpr QStringConverter::Flags kFlags = QStringConverter::Flag::Stateless;

// How much is gathered for one converter call: large enough that the call's own cost vanishes,
// small enough that the gathered copy stays small beside the show itself.
constexpr qsizetype kPieceSize = 1 << 16;
// The tables of the converter's answers take a few milliseconds to build: worth it for a long
// show, not for the handful of texts a working state usually holds at start-up.
constexpr qsizetype kTextsWorthTheTables = 1000;

bool IsAscii(QByteArrayView bytes) {
  // Eight bytes at a time: every byte of a show's text passes here.
  const char* p = bytes.data();
  const char* const end = p + bytes.size();
  std::uint64_t any = 0;
  for (; end - p >= 8; p += 8) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    any |= word;
  }
  for (; p != end; ++p) any |= static_cast<unsigned char>(*p);
  return (any & 0x8080808080808080u) == 0;
}

bool IsAscii(const QString& text) {
  for (const QChar c : text)
    if (c.unicode() >= 0x80) return false;
  return true;
}

bool InRange(unsigned char c, unsigned char low, unsigned char high) { return c >= low && c <= high; }

// Whether the bytes are whole GB18030 sequences (one byte below 0x80; a lead byte 0x81..0xFE with
// a trail byte 0x40..0x7E or 0x80..0xFE; or four bytes 0x81..0xFE 0x30..0x39 0x81..0xFE 0x30..0x39)
// and hold no line feed: converting such texts one after another, joined by line feeds, gives
// each text what converting it alone gives.
bool IsWholeGb18030(QByteArrayView bytes) {
  if (bytes.contains('\n')) return false;
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const qsizetype n = bytes.size();
  for (qsizetype i = 0; i < n;) {
    if (p[i] < 0x80) {
      ++i;
    } else if (!InRange(p[i], 0x81, 0xFE) || i + 1 >= n) {
      return false;
    } else if (InRange(p[i + 1], 0x40, 0x7E) || InRange(p[i + 1], 0x80, 0xFE)) {
      i += 2;
    } else if (InRange(p[i + 1], 0x30, 0x39) && i + 3 < n && InRange(p[i + 2], 0x81, 0xFE) &&
               InRange(p[i + 3], 0x30, 0x39)) {
      i += 4;
    } else {
      return false;
    }
  }
  return true;
}

// Whether every surrogate of the text is one half of a pair: such texts encode the same whether
// alone or joined to others.
bool HasOnlyPairedSurrogates(const QString& text) {
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text[i];
    if (!c.isSurrogate()) continue;
    if (!c.isHighSurrogate() || i + 1 >= n || !text[i + 1].isLowSurrogate()) return false;
    ++i;
  }
  return true;
}

void RequireValid(bool valid) {
  if (!valid) throw Exception(QStringLiteral("The text encoding %1 is not available").arg(QLatin1String(kShowEncoding)));
}

}  // namespace

ShowTextDecoder::ShowTextDecoder() : decoder_(kShowEncoding, kFlags) { RequireValid(decoder_.isValid()); }

QString ShowTextDecoder::Decode(QByteArrayView bytes) {
  if (IsAscii(bytes)) return QString::fromLatin1(bytes);  // the common case, without a conversion
  return decoder_.decode(bytes);
}

QStringList ShowTextDecoder::DecodeAll(const QList<QByteArrayView>& texts) {
  QStringList decoded(texts.size());
  std::string joined;  // appends of a few bytes cost least here
  QList<qsizetype> joinedIndexes;
  const auto convertJoined = [&] {
    if (joinedIndexes.isEmpty()) return;
    const QString text = decoder_.decode(QByteArrayView(joined.data(), qsizetype(joined.size())));
    qsizetype start = 0;
    for (const qsizetype index : joinedIndexes) {
      const qsizetype end = text.indexOf(u'\n', start);
      decoded[index] = text.mid(start, end - start);
      start = end + 1;
    }
    joined.clear();  // keeps its room for the next piece
    joinedIndexes.resize(0);
  };
  const bool byTable = texts.size() >= kTextsWorthTheTables;
  for (qsizetype i = 0; i < texts.size(); ++i) {
    const QByteArrayView bytes = texts[i];
    if (IsAscii(bytes)) {
      decoded[i] = QString::fromLatin1(bytes);
    } else if (byTable && DecodeGb18030ByTable(bytes, decoded[i])) {
      // two-byte codes and ASCII only: the converter's own answers, without a call
    } else if (IsWholeGb18030(bytes)) {
      joined.append(bytes.data(), std::size_t(bytes.size()));
      joined += '\n';
      joinedIndexes.append(i);
      if (joined.size() >= std::size_t(kPieceSize)) convertJoined();
    } else {
      decoded[i] = decoder_.decode(bytes);
    }
  }
  convertJoined();
  return decoded;
}

QStringView ShowTextDecoder::DecodeView(QByteArrayView bytes) {
  ++viewed_;
  const bool ascii = IsAscii(bytes);
  if (ascii || viewed_ >= kTextsWorthTheTables) {
    // Only ever grown: growing it again after a short text would fill it with zeros first.
    if (characters_.size() < std::size_t(bytes.size())) characters_.resize(std::size_t(bytes.size()));
    char16_t* const out = characters_.data();
    if (ascii) {
      const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
      for (qsizetype i = 0; i < bytes.size(); ++i) out[i] = p[i];
      return QStringView(out, bytes.size());
    }
    const qsizetype count = DecodeGb18030ByTable(bytes, out);
    if (count >= 0) return QStringView(out, count);
  }
  converted_ = decoder_.decode(bytes);
  return converted_;
}

bool ShowTextRoundTrip::ComesBackUnchanged(QByteArrayView bytes) {
  if (IsAscii(bytes)) return true;
  return ++asked_ >= kTextsWorthTheTables && Gb18030EncodesBack(bytes);
}

ShowTextEncoder::ShowTextEncoder() : encoder_(kShowEncoding, kFlags) { RequireValid(encoder_.isValid()); }

void ShowTextEncoder::AppendEncoded(QByteArray& out, const QString& text) {
  if (IsAscii(text)) {
    out += text.toLatin1();
    return;
  }
  out += QByteArray(encoder_.encode(text));
}

void ShowTextWriter::AppendText(const QString& text) {
  if (IsAscii(text)) {
    AppendAscii(text.toLatin1());
  } else if (EncodeGb18030ByTable(text, bytes_)) {
    if (bytes_.size() >= std::size_t(kPieceSize)) Flush();
  } else if (HasOnlyPairedSurrogates(text) && !text.contains(u'\n')) {
    gaps_.push_back(bytes_.size());
    texts_ += text;
    texts_ += u'\n';
    if (texts_.size() >= kPieceSize) Flush();
  } else {
    Flush();
    encoder_.AppendEncoded(out_, text);
  }
}

void ShowTextWriter::AppendAscii(QByteArrayView ascii) {
  if (bytes_.empty() && gaps_.empty()) {  // nothing waits to be flushed before it: no need to gather it
    out_.append(ascii);
    return;
  }
  bytes_.append(ascii.data(), std::size_t(ascii.size()));
  if (bytes_.size() >= std::size_t(kPieceSize)) Flush();
}

void ShowTextWriter::AppendNumber(std::int32_t value) {
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  AppendAscii(QByteArrayView(digits, result.ptr - digits));
}

void ShowTextWriter::Flush() {
  // The gathered texts were joined by line feeds, which no other character encodes into.
  QByteArray encoded;
  if (!texts_.isEmpty()) encoder_.AppendEncoded(encoded, texts_);
  std::size_t from = 0;
  qsizetype start = 0;
  for (const std::size_t gap : gaps_) {
    out_.append(bytes_.data() + from, qsizetype(gap - from));
    const qsizetype end = encoded.indexOf('\n', start);
    out_.append(encoded.constData() + start, end - start);
    start = end + 1;
    from = gap;
  }
  out_.append(bytes_.data() + from, qsizetype(bytes_.size() - from));
  bytes_.clear();  // all three keep their room for the next piece
  gaps_.clear();
  texts_.resize(0);
}

QByteArray ShowTextWriter::Finish() {
  Flush();
  return std::move(out_);
}
