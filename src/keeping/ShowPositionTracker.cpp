// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "keeping/ShowPositionTracker.h"

#include <algorithm>

int LineAfterEdit(int line, int first, const QStringList& before, const QStringList& after, bool* deleted) {
  if (deleted) *deleted = false;
  const int removed = int(before.size()), added = int(after.size());
  if (line < first) return line;
  if (line >= first + removed) return line + added - removed;
  int same = 0;  // unchanged lines at the start of the edit
  while (same < removed && same < added && before[same] == after[same]) ++same;
  int sameEnd = 0;  // and at its end
  while (sameEnd < removed - same && sameEnd < added - same && before[removed - 1 - sameEnd] == after[added - 1 - sameEnd])
    ++sameEnd;
  const int offset = line - first;
  if (offset < same) return line;
  if (offset >= removed - sameEnd) return line + added - removed;
  const int changed = added - same - sameEnd;  // lines now in place of the changed ones
  if (changed == 0) {
    if (deleted) *deleted = true;
    return first + same;
  }
  return first + std::min(offset, same + changed - 1);
}

void ShowPositionTracker::Selected(int line) {
  if (line < 0) return;
  selected_ = line;
  selectedAfterSend_ = true;
}

void ShowPositionTracker::Sent(int line) {
  sent_ = line;
  hasSent_ = true;
  selectedAfterSend_ = false;
  cuedAfterSend_ = false;
}

void ShowPositionTracker::Cued(int line) {
  if (line < 0) return;
  cued_ = line;
  cuedAfterSend_ = true;
}

void ShowPositionTracker::Edited(int first, const QStringList& before, const QStringList& after) {
  if (selected_ >= 0) selected_ = LineAfterEdit(selected_, first, before, after);
  if (cued_ >= 0) cued_ = LineAfterEdit(cued_, first, before, after);
  if (hasSent_ && sent_ >= 0) {
    bool deleted = false;
    const int line = LineAfterEdit(sent_, first, before, after, &deleted);
    sent_ = deleted ? line - 1 : line;  // the line after it stays the line to go on with
  }
}

int ShowPositionTracker::AfterSent(int lineCount) const {
  if (!hasSent_ || lineCount <= 0) return -1;
  return sent_ + 1 < lineCount ? sent_ + 1 : 0;
}

int ShowPositionTracker::Playhead(int lineCount) const {
  if (lineCount <= 0) return -1;
  if (cuedAfterSend_) return cued_ < lineCount ? cued_ : 0;  // a cued line deleted at the end: the first, as after the last
  return hasSent_ ? AfterSent(lineCount) : 0;
}

ShowPosition ShowPositionTracker::Position(int lineCount, bool atPlayhead) const {
  ShowPosition position{selected_, hasSent_ ? sent_ : -1, -1, {}};
  if (lineCount <= 0) return position;
  if (atPlayhead)
    position.resume = Playhead(lineCount);
  else if (hasSent_ && !selectedAfterSend_)
    position.resume = AfterSent(lineCount);
  else if (selected_ >= 0)
    position.resume = std::min(selected_, lineCount - 1);
  return position;
}
