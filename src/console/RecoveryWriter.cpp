// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "console/RecoveryWriter.h"

#include <QFile>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <optional>
#include <utility>

#include "console/SettingsFile.h"
#include "platform/Exceptions.h"
#include "platform/SafeFileWriter.h"

namespace {

constexpr std::chrono::seconds kFinishBound{5};

}  // namespace

struct RecoveryWriter::Shared {
  Shared(const QString& state, const QString& position) : statePath(state), positionPath(position) {}

  const QString statePath;
  const QString positionPath;
  std::mutex mutex;
  std::condition_variable changed;
  std::optional<RecoveryState> state;
  std::optional<ShowPosition> position;
  bool discard = false;
  bool discarded = false;
  bool busy = false;
  bool stop = false;
  bool failing = false;  // the last write failed and has been reported

  bool Idle() const { return !state && !position && !discard && !busy; }

  // Writes one file; says once on standard error when writing fails, and again only after a
  // write has succeeded in between.
  void Write(const QString& path, const QByteArray& bytes) {
    try {
      WriteFileSafely(path, bytes);
      failing = false;
    } catch (const Exception& error) {
      if (!failing)
        std::fprintf(stderr, "lumetra: cannot write the recovery file %s (%s); the previous copy is kept and the next change tries again\n",
                     qPrintable(path), qPrintable(error.Message()));
      failing = true;
    }
  }
};

RecoveryWriter::RecoveryWriter(const QString& statePath, const QString& positionPath)
    : shared_(std::make_shared<Shared>(statePath, positionPath)) {
  thread_ = std::thread(&RecoveryWriter::Run, shared_);
}

RecoveryWriter::~RecoveryWriter() {
  {
    const std::lock_guard lock(shared_->mutex);
    shared_->state.reset();
    shared_->position.reset();
    shared_->stop = true;
  }
  shared_->changed.notify_all();
  // A disk that does not answer must not hold the program's end: the thread then finishes on
  // its own, keeping what it shares alive.
  if (WaitUntilIdle(kFinishBound))
    thread_.join();
  else
    thread_.detach();
}

void RecoveryWriter::WriteState(RecoveryState state) {
  {
    const std::lock_guard lock(shared_->mutex);
    if (shared_->discarded || shared_->discard) return;
    shared_->state = std::move(state);
  }
  shared_->changed.notify_all();
}

void RecoveryWriter::WritePosition(ShowPosition position) {
  {
    const std::lock_guard lock(shared_->mutex);
    if (shared_->discarded || shared_->discard) return;
    shared_->position = position;
  }
  shared_->changed.notify_all();
}

bool RecoveryWriter::Discard(std::chrono::milliseconds bound) {
  std::unique_lock lock(shared_->mutex);
  shared_->state.reset();
  shared_->position.reset();
  if (!shared_->discarded) shared_->discard = true;
  shared_->changed.notify_all();
  return shared_->changed.wait_for(lock, bound, [this] { return shared_->discarded; });
}

bool RecoveryWriter::WaitUntilIdle(std::chrono::milliseconds bound) {
  std::unique_lock lock(shared_->mutex);
  return shared_->changed.wait_for(lock, bound, [this] { return shared_->Idle(); });
}

void RecoveryWriter::Run(const std::shared_ptr<Shared>& shared) {
  std::unique_lock lock(shared->mutex);
  for (;;) {
    shared->changed.wait(lock, [&] { return shared->stop || !shared->Idle(); });
    if (shared->Idle()) return;  // stopped with nothing left to do
    const bool discard = std::exchange(shared->discard, false);
    std::optional<RecoveryState> state = std::exchange(shared->state, std::nullopt);
    const std::optional<ShowPosition> position = std::exchange(shared->position, std::nullopt);
    shared->busy = true;
    lock.unlock();
    if (discard) {
      QFile::remove(shared->statePath);
      QFile::remove(shared->positionPath);
    }
    if (state) shared->Write(shared->statePath, EncodeSettingsFile(state->head, state->lines, state->table));
    if (position) shared->Write(shared->positionPath, EncodeShowPosition(*position));
    state.reset();  // the lines' last reference may be this one: let it go outside the lock
    lock.lock();
    shared->busy = false;
    if (discard) shared->discarded = true;
    shared->changed.notify_all();
  }
}
