// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "keeping/ShowPosition.h"

#include <QList>

namespace {

constexpr char kSelected[] = "selected";
constexpr char kSent[] = "sent";
constexpr char kResume[] = "resume";
constexpr char kCopy[] = "copy";

QByteArray NumberLine(const char* name, int value) { return name + (' ' + QByteArray::number(value)) + '\n'; }

bool IsStamp(const QByteArray& word) {
  if (word.isEmpty() || word.size() > 64) return false;
  for (const char c : word)
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || c == '-')) return false;
  return true;
}

}  // namespace

QByteArray EncodeShowPosition(const ShowPosition& position) {
  QByteArray bytes = NumberLine(kSelected, position.selected) + NumberLine(kSent, position.sent);
  if (position.resume != kResumeNotRecorded) bytes += NumberLine(kResume, position.resume);
  if (!position.copy.isEmpty()) bytes += kCopy + (' ' + position.copy) + '\n';
  return bytes;
}

ShowPosition DecodeShowPosition(QByteArrayView bytes) {
  ShowPosition position;
  for (const QByteArray& line : bytes.toByteArray().split('\n')) {
    const QList<QByteArray> words = line.simplified().split(' ');
    if (words.size() != 2) continue;
    if (words[0] == kCopy) {
      if (IsStamp(words[1])) position.copy = words[1];
      continue;
    }
    bool ok = false;
    const int value = words[1].toInt(&ok);
    if (!ok || value < -1) continue;
    if (words[0] == kSelected) position.selected = value;
    if (words[0] == kSent) position.sent = value;
    if (words[0] == kResume) position.resume = value;
  }
  return position;
}

QByteArray StampOfCopy(QByteArrayView bytes) {
  // FNV-1a, 64 bits: enough to tell one copy from the next; no adversary writes these files.
  quint64 hash = 0xcbf29ce484222325ULL;
  for (const char c : bytes) hash = (hash ^ quint8(c)) * 0x100000001b3ULL;
  return QByteArray::number(bytes.size()) + '-' + QByteArray::number(hash, 16);
}

int ResumeLine(const ShowPosition& position, int lineCount) {
  if (lineCount <= 0) return -1;
  if (position.resume != kResumeNotRecorded) return position.resume < lineCount ? position.resume : -1;
  if (position.sent >= 0) return position.sent < lineCount - 1 ? position.sent + 1 : 0;
  return position.selected < lineCount ? position.selected : -1;
}
