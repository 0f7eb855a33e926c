// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Text in another encoding, made by the system's iconv, so that tests read files as another
// program wrote them rather than as our own encoder would.
#include <QByteArray>
#include <QString>

// `text` converted to `encoding` (an iconv name: "GB18030", "GBK", "UTF-16LE", ...). A leading
// U+FEFF in `text` becomes the encoding's byte-order mark.
QByteArray Iconv(const QString& text, const QString& encoding);
