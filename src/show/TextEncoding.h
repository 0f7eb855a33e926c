// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Texts brought in from outside the console (caption scripts, subtitle files). Show files keep
// GB18030, but today's editors write UTF-8 or UTF-16, so the encoding is told from the bytes:
//   a UTF-8 byte-order mark            -> UTF-8, mark dropped
//   a UTF-16 LE or BE byte-order mark  -> UTF-16, mark dropped
//   bytes that are valid UTF-8          -> UTF-8
//   anything else                       -> GB18030, as show files
// Pure ASCII reads the same either way, so old GB2312/GBK texts read exactly as before; a GB
// text is taken for UTF-8 only when every one of its bytes happens to form valid UTF-8.
#include <QByteArrayView>
#include <QString>

// Looks at the mark, then makes at most one pass over the bytes to tell UTF-8 from GB18030
// (stopping at the first byte that cannot be UTF-8) before the one decoding pass.
QString DecodeImportedText(QByteArrayView bytes);
