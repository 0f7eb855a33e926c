// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "console/RecoveryWriter.h"

#include <QFile>
#include <mutex>
#include <optional>
#include <utility>

#include "console/SettingsFile.h"
#include "platform/Exceptions.h"
#include "platform/SafeFileWriter.h"
#include "platform/StandardErrorDialogs.h"

// The snapshots waiting for the thread, shared with it.
struct RecoveryWriter::Pending {
  Pending(const QString& state, const QString& position) : statePath(state), positionPath(position) {}

  const QString statePath;
  const QString positionPath;
  std::mutex mutex;
  std::optional<RecoveryState> state;
  std::optional<ShowPosition> position;
  bool discarded = false;  // a clean close: nothing more is written
  bool failing = false;    // the last write failed and has been told (the thread's own)

  // Writes one file; says once on standard error when writing fails, and again only after a
  // write has succeeded in between.
  void Write(const QString& path, const QByteArray& bytes) {
    try {
      WriteFileSafely(path, bytes);
      failing = false;
    } catch (const Exception& error) {
      if (!failing)
        SayOnStandardError(QStringLiteral("cannot write the recovery file %1 (%2); the previous copy is kept and the next change tries again")
                               .arg(path, error.Message()));
      failing = true;
    }
  }
};

RecoveryWriter::RecoveryWriter(const QString& statePath, const QString& positionPath)
    : pending_(std::make_shared<Pending>(statePath, positionPath)) {}

RecoveryWriter::~RecoveryWriter() {
  const std::lock_guard lock(pending_->mutex);
  pending_->state.reset();
  pending_->position.reset();
}

void RecoveryWriter::WritePending(Pending& pending) {
  std::unique_lock lock(pending.mutex);
  std::optional<RecoveryState> state = std::exchange(pending.state, std::nullopt);
  const std::optional<ShowPosition> position = std::exchange(pending.position, std::nullopt);
  lock.unlock();
  if (state) pending.Write(pending.statePath, EncodeSettingsFile(state->head, state->lines, state->table));
  if (position) pending.Write(pending.positionPath, EncodeShowPosition(*position));
}

void RecoveryWriter::WriteState(RecoveryState state) {
  {
    const std::lock_guard lock(pending_->mutex);
    if (pending_->discarded) return;
    pending_->state = std::move(state);
  }
  // A job per snapshot; one that finds its snapshot superseded and written already does nothing.
  worker_.Post([pending = pending_] { WritePending(*pending); });
}

void RecoveryWriter::WritePosition(ShowPosition position) {
  {
    const std::lock_guard lock(pending_->mutex);
    if (pending_->discarded) return;
    pending_->position = position;
  }
  worker_.Post([pending = pending_] { WritePending(*pending); });
}

bool RecoveryWriter::Discard(std::chrono::milliseconds bound) {
  {
    const std::lock_guard lock(pending_->mutex);
    if (pending_->discarded) return WaitUntilIdle(bound);
    pending_->discarded = true;
    pending_->state.reset();
    pending_->position.reset();
  }
  worker_.Post([pending = pending_] {
    QFile::remove(pending->statePath);
    QFile::remove(pending->positionPath);
  });
  return WaitUntilIdle(bound);
}

bool RecoveryWriter::WaitUntilIdle(std::chrono::milliseconds bound) { return worker_.WaitUntilIdle(bound); }
