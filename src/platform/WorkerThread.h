// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// One thread of its own that runs the jobs handed to it, in order, so that writing to a disk
// never holds the GUI thread. The thread starts with the first job. A disk that does not answer
// must not hold the program's end either: going away, the worker drops the jobs still waiting,
// gives the one under way a few seconds, and then leaves it to finish on its own. A job must
// therefore keep alive (share) whatever it uses, never its owner.
// A job that throws ends neither the thread nor the program: the worker says so once through
// its report (standard error unless told otherwise) and goes on with the next job.
#include <QString>
#include <chrono>
#include <functional>
#include <memory>

class WorkerThread {
 public:
  using Report = std::function<void(const QString& message)>;
  explicit WorkerThread(Report report = {});
  ~WorkerThread();
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  void Post(std::function<void()> job);
  // Waits until no job waits or is under way; false when `bound` passed first.
  bool WaitUntilIdle(std::chrono::milliseconds bound);

 private:
  struct Shared;
  std::shared_ptr<Shared> shared_;
};
