// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Follows where the show stands as the operator works: the line sent last, the line selected
// after it and the playhead, each kept on its line of the show while lines are inserted, deleted,
// split or joined above it or the line itself is changed.
// 1. A show is taken up again at the line selected after the last send, else at the line after
//    the one sent last.
// 2. The playhead is the line the next GO sends: the line after the one sent last, by any input
//    (wrapping to the first after the last line), unless a cue moved it since (goto, next, prev,
//    a restart taking the show up); the first line while nothing was sent or cued. A selection
//    never moves it.
// 3. While a remote input is on, the show is taken up at the playhead instead.
#include <QStringList>

#include "keeping/ShowPosition.h"

class ShowPositionTracker {
 public:
  // The operator (or a cue) selected a line; a line was sent.
  void Selected(int line);
  void Sent(int line);
  // The playhead was moved to `line`.
  void Cued(int line);
  // Lines [first, first + before.size()) of the show became `after`.
  void Edited(int first, const QStringList& before, const QStringList& after);
  // The line the next GO sends among `lineCount` lines; -1 when there is none.
  int Playhead(int lineCount) const;
  // The position to keep for a show of `lineCount` lines; `atPlayhead` while a remote input is on.
  ShowPosition Position(int lineCount, bool atPlayhead = false) const;

 private:
  // The line after the one sent last, wrapping; -1 when nothing was sent.
  int AfterSent(int lineCount) const;

  int selected_ = -1;
  int sent_ = -1;
  bool hasSent_ = false;  // also when the sent line itself was deleted since (sent_ is then the line before its place)
  bool selectedAfterSend_ = false;
  int cued_ = -1;  // the playhead a cue set, followed through edits
  bool cuedAfterSend_ = false;
};

// Where line `line` before an edit of lines [first, first + before.size()) into `after` stands
// after it. Lines kept unchanged at either end of the edit keep their text; a changed line stays
// in place (within what the edit left); a deleted line gives its place to the line after it.
// `deleted` says whether the line itself is gone.
int LineAfterEdit(int line, int first, const QStringList& before, const QStringList& after, bool* deleted = nullptr);
