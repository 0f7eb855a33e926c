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

 private:
  QStringDecoder decoder_;
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
  void AppendNumber(std::int32_t value);
  // Room for at least this many bytes, so that a long file is never copied while it grows.
  void Reserve(qsizetype bytes) { out_.reserve(bytes); }
  QByteArray Finish();

 private:
  void Flush();

  ShowTextEncoder encoder_;
  std::string bytes_;               // the bytes since the last flush, gathered texts left out
  std::vector<std::size_t> gaps_;   // where in it each gathered text belongs
  QString texts_;                   // the gathered texts, each followed by a line feed
  QByteArray out_;
};
