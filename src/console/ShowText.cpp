#include "console/ShowText.h"

#include "platform/Exceptions.h"

namespace {

constexpr char kShowEncoding[] = "GB18030";

// Each line is converted on its own: a broken sequence at the end of one line must not swallow
// the start of the next.
constexpr QStringConverter::Flags kFlags = QStringConverter::Flag::Stateless;

bool IsAscii(QByteArrayView bytes) {
  for (const char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

bool IsAscii(const QString& text) {
  for (const QChar c : text)
    if (c.unicode() >= 0x80) return false;
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

ShowTextEncoder::ShowTextEncoder() : encoder_(kShowEncoding, kFlags) { RequireValid(encoder_.isValid()); }

void ShowTextEncoder::AppendEncoded(QByteArray& out, const QString& text) {
  if (IsAscii(text)) {
    out += text.toLatin1();
    return;
  }
  out += QByteArray(encoder_.encode(text));
}
