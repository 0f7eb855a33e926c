// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/WorkerThread.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

#include "platform/StandardErrorDialogs.h"

namespace {

constexpr std::chrono::seconds kFinishBound{5};

}  // namespace

// What the owner and the thread share; the thread keeps it alive when it outlasts the owner.
struct WorkerThread::Shared {
  std::mutex mutex;
  std::condition_variable changed;
  std::deque<std::function<void()>> jobs;
  bool busy = false;  // a job is taken and not yet done
  bool stop = false;
  bool reported = false;  // a job's failure has been told (the thread's own)
  Report report;
  std::thread thread;

  bool Idle() const { return jobs.empty() && !busy; }

  void RunGuarded(const std::function<void()>& job) {
    QString failure;
    try {
      job();
      return;
    } catch (const std::exception& error) {
      failure = QString::fromUtf8(error.what());
    } catch (...) {
      failure = QStringLiteral("an unknown failure");
    }
    if (reported) return;
    reported = true;
    report(QStringLiteral("a background job failed (%1); the work goes on without it").arg(failure));
  }

  void Run() {
    std::unique_lock lock(mutex);
    for (;;) {
      changed.wait(lock, [this] { return stop || !jobs.empty(); });
      if (jobs.empty()) return;
      std::function<void()> job = std::move(jobs.front());
      jobs.pop_front();
      busy = true;
      lock.unlock();
      RunGuarded(job);
      job = nullptr;  // what the job holds goes outside the lock
      lock.lock();
      busy = false;
      changed.notify_all();
    }
  }
};

WorkerThread::WorkerThread(Report report) : shared_(std::make_shared<Shared>()) {
  shared_->report = report ? std::move(report) : Report(SayOnStandardError);
}

WorkerThread::~WorkerThread() {
  {
    const std::lock_guard lock(shared_->mutex);
    shared_->jobs.clear();
    shared_->stop = true;
  }
  shared_->changed.notify_all();
  if (!shared_->thread.joinable()) return;
  if (WaitUntilIdle(kFinishBound))
    shared_->thread.join();
  else
    shared_->thread.detach();
}

void WorkerThread::Post(std::function<void()> job) {
  {
    const std::lock_guard lock(shared_->mutex);
    shared_->jobs.push_back(std::move(job));
    if (!shared_->thread.joinable()) shared_->thread = std::thread([shared = shared_] { shared->Run(); });
  }
  shared_->changed.notify_all();
}

bool WorkerThread::WaitUntilIdle(std::chrono::milliseconds bound) {
  std::unique_lock lock(shared_->mutex);
  return shared_->changed.wait_for(lock, bound, [this] { return shared_->Idle(); });
}
