// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The safety nets a console starts without (no recovery copy, no send log, no cues), gathered
// from every part of the start and told to the operator in one notice once the window is up: a
// desktop launch shows no standard error, and a lost net must not stay silent until the show
// needs it. Each is also said on standard error where it is found. Failures later in the show
// never open a box; they go to standard error and the send log.
#include <QString>
#include <QStringList>

class StartLosses {
 public:
  // One loss, in the operator's words (Chinese, as the window speaks).
  void Add(const QString& loss) { losses_ << loss; }
  bool Empty() const { return losses_.isEmpty(); }
  // The one notice that tells them all.
  QString Notice() const;

 private:
  QStringList losses_;
};

// What the state folder cost at start: with `recoveryActive` false, either another console of
// the user holds the recovery copy, or the folder cannot be written (no copy, no send log).
void NoteStateFolderLosses(StartLosses& losses, bool recoveryActive, const QString& folder);
