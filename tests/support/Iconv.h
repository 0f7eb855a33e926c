#pragma once
// Text in another encoding, made by the system's iconv, so that tests read files as another
// program wrote them rather than as our own encoder would.
#include <QByteArray>
#include <QString>

// `text` converted to `encoding` (an iconv name: "GB18030", "GBK", "UTF-16LE", ...). A leading
// U+FEFF in `text` becomes the encoding's byte-order mark.
QByteArray Iconv(const QString& text, const QString& encoding);
