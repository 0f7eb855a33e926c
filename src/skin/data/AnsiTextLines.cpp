// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/data/AnsiTextLines.h"

#include <QStringDecoder>

std::vector<QByteArray> SplitTextLines(const QByteArray& text) {
  std::vector<QByteArray> lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.push_back(text.mid(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.mid(start));
  return lines;
}

QStringList DecodeAnsiLines(const std::vector<QByteArray>& lines) {
  QStringDecoder decode("GB18030");
  QStringList decoded;
  decoded.reserve(static_cast<qsizetype>(lines.size()));
  for (const QByteArray& line : lines) decoded << decode(line);
  return decoded;
}
