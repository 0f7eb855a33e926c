#include "console/TextImport.h"

#include "console/CaptionLines.h"
#include "console/ShowText.h"
#include "platform/Exceptions.h"
#include "platform/TextFile.h"

QStringList DecodeCaptionText(const QByteArray& bytes) {
  ShowTextDecoder decoder;
  return SplitCaptionLines(decoder.Decode(bytes));
}

QStringList ImportTextFile(const QString& path) {
  int error = 0;
  const std::optional<QByteArray> bytes = ReadFileBytes(path, error);
  if (!bytes) throw Exception(QStringLiteral("Cannot open file \"%1\". %2").arg(path, qt_error_string(error)));
  return DecodeCaptionText(*bytes);
}
