// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Texts in show files are GB18030: a superset of the GB2312/GBK texts that older files hold, so
// those read back byte for byte, and able to store every character the operator can type.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <string>
#include <vector>

class ShowTextDecoder {
 public:
  ShowTextDecoder();
  QString Decode(QByteArrayView bytes);
  // Each text exactly as Decode gives it. A converter call costs far more than the bytes it
  // converts, so texts of two-byte codes are looked up, other texts made of whole sequences are
  // converted many at a time, and any other text alone, so that a broken sequence cannot reach
  // into its neighbour.
  QStringList DecodeAll(const QList<QByteArrayView>& texts);
  // The text exactly as Decode gives it, in room of the decoder's own that the next call reuses:
  // for texts passed on at once, which need no string of their own. Once many texts have come
  // through here, two-byte codes are looked up.
  QStringView DecodeView(QByteArrayView bytes);

 private:
  QStringDecoder decoder_;
  std::vector<char16_t> characters_;
  QString converted_;
  qsizetype viewed_ = 0;
};

// Whether the show file's bytes of a text, decoded and encoded again as the console does, give
// exactly these bytes back. Once many texts have been asked about, two-byte codes are looked up;
// until then only ASCII texts are known to come back unchanged.
class ShowTextRoundTrip {
 public:
  bool ComesBackUnchanged(QByteArrayView bytes);

 private:
  qsizetype asked_ = 0;
};

class ShowTextEncoder {
 public:
  ShowTextEncoder();
  // Appends the encoded text to `out`.
  void AppendEncoded(QByteArray& out, const QString& text);

 private:
  QStringEncoder encoder_;
};

// The bytes of a show file, built in order from texts (encoded) and ASCII pieces (numbers, line
// ends). Like the decoder, it hands the encoder large pieces instead of one text at a time, and
// only what needs encoding: ASCII is copied as it is, characters of the basic plane are looked up.
class ShowTextWriter {
 public:
  void AppendText(const QString& text);
  void AppendAscii(QByteArrayView ascii);
  // Bytes already in the show's encoding, such as a text read from another show file.
  void AppendEncoded(QByteArrayView bytes) { AppendAscii(bytes); }
  void AppendNumber(std::int32_t value);
  // Room for at least this many bytes, so that a long file is never copied while it grows.
  void Reserve(qsizetype bytes) { out_.reserve(bytes); }
  QByteArray Finish();
  // Once at least `piece` bytes are finished, hands them to `take` and forgets them, keeping the
  // room: a long file written as it is made needs no more memory than a piece of it.
  template <typename Take>
  void HandOverFinished(qsizetype piece, Take take) {
    if (out_.size() + qsizetype(bytes_.size()) < piece) return;
    Flush();
    take(QByteArrayView(out_));
    out_.resize(0);
  }

 private:
  void Flush();

  ShowTextEncoder encoder_;
  std::string bytes_;               // the bytes since the last flush, gathered texts left out
  std::vector<std::size_t> gaps_;   // where in it each gathered text belongs
  QString texts_;                   // the gathered texts, each followed by a line feed
  QByteArray out_;
};
