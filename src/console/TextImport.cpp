// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "console/TextImport.h"

#include "console/CaptionLines.h"
#include "console/TextEncoding.h"
#include "platform/Exceptions.h"
#include "platform/TextFile.h"

QStringList DecodeCaptionText(const QByteArray& bytes) { return SplitCaptionLines(DecodeImportedText(bytes)); }

QString ReadImportedText(const QString& path) {
  int error = 0;
  const std::optional<QByteArray> bytes = ReadFileBytes(path, error);
  if (!bytes) throw Exception(QStringLiteral("Cannot open file \"%1\". %2").arg(path, qt_error_string(error)));
  return DecodeImportedText(*bytes);
}

QStringList ImportTextFile(const QString& path) { return SplitCaptionLines(ReadImportedText(path)); }
