// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "show/CaptionLines.h"

#include <algorithm>

QStringList SplitCaptionLines(const QString& text) {
  QStringList lines;
  qsizetype start = 0;
  const qsizetype size = text.size();
  for (qsizetype i = 0; i < size; ++i) {
    const QChar c = text[i];
    if (c != u'\n' && c != u'\r') continue;
    lines << text.mid(start, i - start);
    if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < size) lines << text.mid(start);
  return lines;
}

namespace {

bool BreaksACaptionLine(QChar c) {
  return c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator ||
         c == QChar(0xFDD0) || c == QChar(0xFDD1);
}

}  // namespace

QString AsOneCaptionLine(QString text) {
  // Looked through read-only first: writing to a shared text copies it, and almost every line of
  // a loaded show has no break.
  const QString& unchanged = text;
  if (std::none_of(unchanged.begin(), unchanged.end(), BreaksACaptionLine)) return text;
  for (QChar& c : text)
    if (BreaksACaptionLine(c)) c = u' ';
  return text;
}
