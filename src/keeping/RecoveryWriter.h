// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Writes the recovery copy of the working state and the show's position on a thread of its own,
// from snapshots taken on the GUI thread, so that a long show never holds the window while it is
// encoded and flushed to the disk. Each file is replaced safely (temporary file, flush, rename,
// folder flush): a crash at any moment leaves the previous copy or the new one, never a torn one.
// Only the latest snapshot of each waits; one that is superseded before its turn is never written.
// A position is written only once the state it counts in is on disk, and names that copy by its
// stamp: a crash between the two leaves a position that a start recognises as another copy's.
// A failed write leaves the previous copy and says so once on standard error (never in a message
// box: it may come in the middle of a show); what failed waits for the next try (RetryUnwritten).
// Once discarded (a clean close), nothing writes the files again, also a write under way then.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <memory>

#include "keeping/ShowPosition.h"
#include "platform/WorkerThread.h"
#include "show/LineSettingTable.h"

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
  // How a file is replaced (safely, all or nothing; throws on failure).
  using FileWrite = std::function<void(const QString& path, const QByteArray& bytes)>;
  RecoveryWriter(const QString& statePath, const QString& positionPath, FileWrite write = {});
  // Drops what waits and lets a write under way finish, for at most a few seconds.
  ~RecoveryWriter();
  RecoveryWriter(const RecoveryWriter&) = delete;
  RecoveryWriter& operator=(const RecoveryWriter&) = delete;

  // The state, and then where the show stands in it.
  void WriteState(RecoveryState state, ShowPosition position);
  // Where the show stands in the state last handed over.
  void WritePosition(ShowPosition position);
  // The copy already on disk (found at start, `bytes` its content) is the state kept.
  void StateOnDisk(QByteArrayView bytes);
  // Hands what a failed write left over to the thread again; true while anything is left to
  // write or being written.
  bool RetryUnwritten();
  // Removes both files once a write under way is done; what waits is dropped and later snapshots
  // are ignored. False when the removal was not done within `bound`.
  bool Discard(std::chrono::milliseconds bound);
  // Waits until nothing waits or is under way; false when `bound` passed first.
  bool WaitUntilIdle(std::chrono::milliseconds bound);

 private:
  struct Pending;
  // Writes what waits, as the thread's job: the latest of each only.
  static void WritePending(Pending& pending);
  void Post();

  std::shared_ptr<Pending> pending_;
  WorkerThread worker_;
};
