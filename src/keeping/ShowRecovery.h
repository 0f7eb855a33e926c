// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The recovery copy of the working state: while the console runs, what "lw1.ini" would hold if it
// closed now is kept in the state folder as "recovery.lw" (a plain settings file), with where the
// show stands beside it in "recovery.pos". A clean close removes both; finding them at the next
// start means the console ended without one (a crash, a kill, a power cut), and the working state
// is taken from them instead.
//
// 1. Changes are gathered: the first one starts a short timer, and when it runs out the state is
//    snapshot and written (off the GUI thread) only if it differs from what was last kept.
// 2. The position is written as soon as it moves, unless the state has changed too: then it goes
//    with the state, after it. A position never counts in lines that are not the copy's.
// 3. Where a cue moved the show, the position (with the state, when that changed too) is on disk
//    before the cue is answered: the cue system takes the answer for the show having moved on,
//    and a crash right after it must not take the show up at the line it already showed.
// 4. A write that failed (a full disk) is tried again every second until it succeeds, without
//    waiting for a change.
// 5. A lock on "recovery.lock" keeps a second console of the same user from writing over the
//    first one's copy: without the lock a console runs without recovery.
#include <QString>
#include <functional>
#include <memory>

#include "keeping/RecoveryWriter.h"
#include "keeping/ShowPosition.h"
#include "platform/FileLock.h"
#include "platform/WindowTimer.h"

inline constexpr char kRecoveryFileName[] = "recovery.lw";
inline constexpr char kRecoveryPositionFileName[] = "recovery.pos";
inline constexpr char kRecoveryLockFileName[] = "recovery.lock";
inline constexpr char kDamagedRecoveryFileName[] = "recovery.lw.bad";

// What a start finds of a run that did not end cleanly.
struct RecoveryLeftBehind {
  QString path;         // the readable recovery copy to restore from; empty when none
  int resumeLine = -1;  // the play-list line where that show stood, or -1
  QString notice;       // what to tell the operator; empty when there is nothing to tell
};

class ShowRecovery {
 public:
  // `snapshot` gives the state the working state would now hold; it runs on the GUI thread.
  explicit ShowRecovery(std::function<RecoveryState()> snapshot);
  ~ShowRecovery();
  ShowRecovery(const ShowRecovery&) = delete;
  ShowRecovery& operator=(const ShowRecovery&) = delete;

  // Whether `folder` holds a copy left behind (readable or not): only then must Begin come before
  // the window is shown.
  static bool LeftBehindIn(const QString& folder);
  // Takes the state folder's lock (once) and looks for a copy left behind. A copy that cannot be
  // read is set aside as "recovery.lw.bad" (one kept) and the notice says so.
  RecoveryLeftBehind Begin(const QString& folder);
  // The state and position now shown are what is kept (`onDisk`: as the recovery copy already):
  // nothing is written until they change, unless they changed before Begin.
  void Kept(RecoveryState state, const ShowPosition& position, bool onDisk);

  // Something the working state records may have changed.
  void Changed();
  // Where the show now stands.
  void PositionNow(const ShowPosition& position);
  // Where the show stands, handed over now and waited for (a bounded while); false when the
  // bound passed first. A write that fails is told and tried again as any other.
  bool PositionOnDisk(const ShowPosition& position);
  // A clean close: removes the files (after a write under way) and keeps nothing from now on.
  void Discard();

  bool Active() const { return writer_ != nullptr; }
  // The gathering timer, the retry timer, and the writer's idle wait, for whoever keeps time
  // itself.
  TWindowTimer& Timer() { return timer_; }
  TWindowTimer& RetryTimer() { return retry_; }
  bool WaitUntilWritten();

 private:
  void WriteIfChanged();
  // Hands the state (`now`) and the position over as far as they differ from what was handed.
  void Hand(RecoveryState now);

  std::function<RecoveryState()> snapshot_;
  FileLock lock_;
  std::unique_ptr<RecoveryWriter> writer_;
  TWindowTimer timer_;
  TWindowTimer retry_;
  RecoveryState kept_;
  bool keptOnDisk_ = false;
  bool begun_ = false;
  bool changedEarly_ = false;  // a change came before Begin
  ShowPosition position_;  // where the show stands now
  ShowPosition handed_;    // the position last handed to the writer
};
