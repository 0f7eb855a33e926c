// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "show/TextImport.h"

#include "platform/Exceptions.h"
#include "platform/TextFile.h"
#include "show/CaptionLines.h"
#include "show/TextEncoding.h"

QStringList DecodeCaptionText(const QByteArray& bytes) { return SplitCaptionLines(DecodeImportedText(bytes)); }

QString ReadImportedText(const QString& path) {
  int error = 0;
  const std::optional<QByteArray> bytes = ReadFileBytes(path, error);
  if (!bytes) throw Exception(QStringLiteral("Cannot open file \"%1\". %2").arg(path, qt_error_string(error)));
  return DecodeImportedText(*bytes);
}

QStringList ImportTextFile(const QString& path) { return SplitCaptionLines(ReadImportedText(path)); }
