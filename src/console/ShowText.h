#pragma once
// Texts in show files are GB18030: a superset of the GB2312/GBK texts that older files hold, so
// those read back byte for byte, and able to store every character the operator can type.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

class ShowTextDecoder {
 public:
  ShowTextDecoder();
  QString Decode(QByteArrayView bytes);

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
