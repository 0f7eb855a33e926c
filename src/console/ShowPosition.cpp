// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "console/ShowPosition.h"

#include <QList>

namespace {

constexpr char kSelected[] = "selected";
constexpr char kSent[] = "sent";

}  // namespace

QByteArray EncodeShowPosition(const ShowPosition& position) {
  return kSelected + (' ' + QByteArray::number(position.selected)) + '\n' + kSent + ' ' +
         QByteArray::number(position.sent) + '\n';
}

ShowPosition DecodeShowPosition(QByteArrayView bytes) {
  ShowPosition position;
  for (const QByteArray& line : bytes.toByteArray().split('\n')) {
    const QList<QByteArray> words = line.simplified().split(' ');
    if (words.size() != 2) continue;
    bool ok = false;
    const int value = words[1].toInt(&ok);
    if (!ok || value < -1) continue;
    if (words[0] == kSelected) position.selected = value;
    if (words[0] == kSent) position.sent = value;
  }
  return position;
}

int ResumeLine(const ShowPosition& position, int lineCount) {
  if (lineCount <= 0) return -1;
  if (position.sent >= 0) return position.sent < lineCount - 1 ? position.sent + 1 : 0;
  return position.selected < lineCount ? position.selected : -1;
}
