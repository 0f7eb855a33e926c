// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The GB18030 converter's own answers for every two-byte code and every character of the basic
// plane, asked once (in one converter call each way) and kept in tables. A long show converted a
// character at a time through them comes out exactly as the converter gives it, without the cost
// of a converter call per text; what the tables do not hold (four-byte codes, codes without
// exactly one character, characters beyond the basic plane) is left to the converter.
#include <QByteArrayView>
#include <QString>
#include <string>

// Appends the characters of `bytes` to `out`; false (with `out` as it was) when the tables do not
// hold every sequence of it.
bool DecodeGb18030ByTable(QByteArrayView bytes, QString& out);
// Writes the characters of `bytes` to `out`, which has room for bytes.size() of them, and returns
// how many it wrote; -1 when the tables do not hold every sequence of it.
qsizetype DecodeGb18030ByTable(QByteArrayView bytes, char16_t* out);

// Whether the tables hold every sequence of `bytes` and each character they give encodes back to
// the very same bytes: decoding and encoding such a text gives its bytes back.
bool Gb18030EncodesBack(QByteArrayView bytes);

// Appends the bytes of `text` to `out`; false (with `out` as it was) when the tables do not hold
// every character of it.
bool EncodeGb18030ByTable(const QString& text, std::string& out);
