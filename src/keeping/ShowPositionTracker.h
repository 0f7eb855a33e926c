// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Follows where the show stands as the operator works: the line sent last and the line selected
// after it, each kept on its line of the show while lines are inserted or deleted above it or
// the line itself is changed. A show is taken up again at the line selected after the last send,
// else at the line after the one sent last.
#include <QStringList>

#include "keeping/ShowPosition.h"

class ShowPositionTracker {
 public:
  // The operator (or a cue) selected a line; a line was sent.
  void Selected(int line);
  void Sent(int line);
  // Lines [first, first + before.size()) of the show became `after`.
  void Edited(int first, const QStringList& before, const QStringList& after);
  // The position to keep for a show of `lineCount` lines.
  ShowPosition Position(int lineCount) const;

 private:
  int selected_ = -1;
  int sent_ = -1;
  bool hasSent_ = false;  // also when the sent line itself was deleted since (sent_ is then the line before its place)
  bool selectedAfterSend_ = false;
};

// Where line `line` before an edit of lines [first, first + before.size()) into `after` stands
// after it. Lines kept unchanged at either end of the edit keep their text; a changed line stays
// in place (within what the edit left); a deleted line gives its place to the line after it.
// `deleted` says whether the line itself is gone.
int LineAfterEdit(int line, int first, const QStringList& before, const QStringList& after, bool* deleted = nullptr);
