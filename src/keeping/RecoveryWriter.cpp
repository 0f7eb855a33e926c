// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "keeping/RecoveryWriter.h"

#include <QFile>
#include <exception>
#include <mutex>
#include <optional>
#include <utility>

#include "platform/SafeFileWriter.h"
#include "platform/StandardErrorDialogs.h"
#include "show/SettingsFile.h"

// The snapshots waiting for the thread, shared with it.
struct RecoveryWriter::Pending {
  Pending(const QString& state, const QString& position, FileWrite write)
      : statePath(state), positionPath(position), write(write ? std::move(write) : FileWrite(WriteFileSafely)) {}

  const QString statePath;
  const QString positionPath;
  const FileWrite write;
  std::mutex mutex;
  std::optional<RecoveryState> state;  // waiting, or left over by a failed write
  std::optional<ShowPosition> position;
  QByteArray stamp;        // of the copy on disk; empty while there is none of this run
  bool discarded = false;  // a clean close: nothing more is written
  bool failing = false;    // the last write failed and has been told (the thread's own)

  // Writes one file made by `encode`; says once on standard error when writing fails, and again
  // only after a write has succeeded in between. False when the file was not written, or was
  // removed again because a clean close began meanwhile.
  bool Write(const QString& path, const std::function<QByteArray()>& encode, QByteArray* written = nullptr) {
    QString failure;
    bool failed = true;
    try {
      const QByteArray bytes = encode();  // encoding can fail too (memory): the same as a failed write
      if (written) *written = bytes;
      write(path, bytes);
      failed = false;
    } catch (const std::exception& error) {
      failure = QString::fromUtf8(error.what());
    } catch (...) {
      failure = QStringLiteral("an unknown failure");
    }
    if (failed) {
      if (!failing)
        SayOnStandardError(QStringLiteral("cannot write the recovery file %1 (%2); the previous copy is kept and tried again shortly")
                               .arg(path, failure));
      failing = true;
      return false;
    }
    failing = false;
    std::unique_lock lock(mutex);
    if (!discarded) return true;
    lock.unlock();
    // The close that began while this was written has already kept the working state.
    QFile::remove(statePath);
    QFile::remove(positionPath);
    return false;
  }
};

RecoveryWriter::RecoveryWriter(const QString& statePath, const QString& positionPath, FileWrite write)
    : pending_(std::make_shared<Pending>(statePath, positionPath, std::move(write))) {}

RecoveryWriter::~RecoveryWriter() {
  const std::lock_guard lock(pending_->mutex);
  pending_->state.reset();
  pending_->position.reset();
}

void RecoveryWriter::WritePending(Pending& pending) {
  std::unique_lock lock(pending.mutex);
  if (pending.discarded) return;
  if (std::optional<RecoveryState> state = std::exchange(pending.state, std::nullopt)) {
    lock.unlock();
    QByteArray bytes;
    const bool written =
        pending.Write(pending.statePath, [&] { return EncodeSettingsFile(state->head, state->lines, state->table); }, &bytes);
    lock.lock();
    if (!written) {
      if (!pending.state && !pending.discarded) pending.state = std::move(state);  // tried again unless superseded
      return;  // the position waits for its state
    }
    pending.stamp = StampOfCopy(bytes);
  }
  // A position counts in the copy on disk: none yet, or a newer state waiting, and it waits too.
  if (!pending.position || pending.state || pending.stamp.isEmpty()) return;
  ShowPosition position = *std::exchange(pending.position, std::nullopt);
  position.copy = pending.stamp;
  lock.unlock();
  if (pending.Write(pending.positionPath, [&] { return EncodeShowPosition(position); })) return;
  lock.lock();
  if (!pending.position && !pending.discarded) pending.position = position;
}

void RecoveryWriter::Post() {
  // A job per snapshot; one that finds its snapshot superseded and written already does nothing.
  worker_.Post([pending = pending_] { WritePending(*pending); });
}

void RecoveryWriter::WriteState(RecoveryState state, ShowPosition position) {
  {
    const std::lock_guard lock(pending_->mutex);
    if (pending_->discarded) return;
    pending_->state = std::move(state);
    pending_->position = std::move(position);
  }
  Post();
}

void RecoveryWriter::WritePosition(ShowPosition position) {
  {
    const std::lock_guard lock(pending_->mutex);
    if (pending_->discarded) return;
    pending_->position = std::move(position);
  }
  Post();
}

void RecoveryWriter::StateOnDisk(QByteArrayView bytes) {
  const std::lock_guard lock(pending_->mutex);
  pending_->stamp = StampOfCopy(bytes);
}

bool RecoveryWriter::RetryUnwritten() {
  const bool idle = worker_.WaitUntilIdle(std::chrono::milliseconds(0));
  bool unwritten = false;
  {
    const std::lock_guard lock(pending_->mutex);
    unwritten = !pending_->discarded && (pending_->state || pending_->position);
  }
  if (unwritten && idle) Post();
  return unwritten || !idle;
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
