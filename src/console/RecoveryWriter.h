// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Writes the recovery copy of the working state and the show's position on a thread of its own,
// from snapshots taken on the GUI thread, so that a long show never holds the window while it is
// encoded and flushed to the disk. Each file is replaced safely (temporary file, flush, rename,
// folder flush): a crash at any moment leaves the previous copy or the new one, never a torn one.
// Only the latest snapshot of each waits; one that is superseded before its turn is never written.
// A failed write leaves the previous copy and says so once on standard error (never in a message
// box: it may come in the middle of a show); the next snapshot tries again.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <chrono>
#include <memory>

#include "console/LineSettingTable.h"
#include "console/ShowPosition.h"
#include "platform/WorkerThread.h"

// What "lw1.ini" would hold if the console closed now. The lines are shared with the play list,
// so a snapshot costs no copy of them.
struct RecoveryState {
  QByteArray head;  // the port and caption font lines, already encoded
  QStringList lines;
  LineSettingTable table{};

  friend bool operator==(const RecoveryState&, const RecoveryState&) = default;
};

class RecoveryWriter {
 public:
  RecoveryWriter(const QString& statePath, const QString& positionPath);
  // Drops what waits and lets a write under way finish, for at most a few seconds.
  ~RecoveryWriter();
  RecoveryWriter(const RecoveryWriter&) = delete;
  RecoveryWriter& operator=(const RecoveryWriter&) = delete;

  void WriteState(RecoveryState state);
  void WritePosition(ShowPosition position);
  // Removes both files once a write under way is done; what waits is dropped and later snapshots
  // are ignored. False when the removal was not done within `bound`.
  bool Discard(std::chrono::milliseconds bound);
  // Waits until nothing waits or is under way; false when `bound` passed first.
  bool WaitUntilIdle(std::chrono::milliseconds bound);

 private:
  struct Pending;
  // Writes what waits, as the thread's job: the latest of each only.
  static void WritePending(Pending& pending);

  std::shared_ptr<Pending> pending_;
  WorkerThread worker_;
};
