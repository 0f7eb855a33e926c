// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A message timer of a window: while running it calls OnTimer every Interval milliseconds on the
// GUI thread. Starting a running timer starts its count afresh, as setting a window timer again
// does.
#include <QTimer>
#include <functional>

class TWindowTimer {
 public:
  explicit TWindowTimer(int interval = 1000);
  TWindowTimer(const TWindowTimer&) = delete;
  TWindowTimer& operator=(const TWindowTimer&) = delete;

  std::function<void()> OnTimer;

  int Interval() const { return timer_.interval(); }
  // Takes effect at once on a running timer.
  void SetInterval(int milliseconds) { timer_.setInterval(milliseconds); }
  void Start() { timer_.start(); }
  void Start(int milliseconds) { timer_.start(milliseconds); }
  void Stop() { timer_.stop(); }
  bool Active() const { return timer_.isActive(); }
  // Runs one tick now, as the timer would, for a caller that keeps time itself.
  void Tick();

 private:
  QTimer timer_;
};
