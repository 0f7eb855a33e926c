// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "show/TextEncoding.h"

#include <QStringDecoder>

#include "show/ShowText.h"

namespace {

constexpr QByteArrayView kUtf8Mark("\xEF\xBB\xBF", 3);
constexpr QByteArrayView kUtf16LeMark("\xFF\xFE", 2);
constexpr QByteArrayView kUtf16BeMark("\xFE\xFF", 2);

QString DecodeUtf16(QByteArrayView bytes, QStringConverter::Encoding encoding) {
  // An odd last byte or a lone surrogate becomes a replacement character; the lines around it
  // are kept.
  QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
  return decoder.decode(bytes);
}

}  // namespace

QString DecodeImportedText(QByteArrayView bytes) {
  if (bytes.startsWith(kUtf8Mark)) return QString::fromUtf8(bytes.sliced(kUtf8Mark.size()));
  if (bytes.startsWith(kUtf16LeMark)) return DecodeUtf16(bytes.sliced(kUtf16LeMark.size()), QStringConverter::Utf16LE);
  if (bytes.startsWith(kUtf16BeMark)) return DecodeUtf16(bytes.sliced(kUtf16BeMark.size()), QStringConverter::Utf16BE);
  if (bytes.isValidUtf8()) return QString::fromUtf8(bytes);
  ShowTextDecoder decoder;
  return decoder.Decode(bytes);
}
