// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A pseudo-terminal as "com1" standing in for the sign: drained all the time so that a send never
// waits for room, counting what arrives and noting when the first byte after Arm() came.
#include <pty.h>
#include <unistd.h>

#include <QtGlobal>
#include <atomic>
#include <chrono>
#include <thread>

class SignPty {
 public:
  using Clock = std::chrono::steady_clock;

  SignPty() {
    char name[256] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) return;
    qputenv("LUMETRA_COM1", name);
    reader_ = std::thread([this] {
      char buffer[4096];
      for (;;) {
        const ssize_t got = read(master_, buffer, sizeof buffer);
        if (got <= 0 || stop_) return;
        if (!first_.load()) firstAt_ = Clock::now(), first_ = true;
        received_ += got;
      }
    });
  }
  ~SignPty() {
    stop_ = true;
    close(slave_);
    close(master_);
    if (reader_.joinable()) reader_.join();
  }
  SignPty(const SignPty&) = delete;
  SignPty& operator=(const SignPty&) = delete;

  void Arm() { first_ = false; }
  bool Fired() const { return first_.load(); }
  Clock::time_point FirstByteAt() const { return firstAt_; }
  qint64 Received() const { return received_.load(); }

 private:
  int master_ = -1, slave_ = -1;
  std::atomic<bool> stop_{false}, first_{true};
  std::atomic<qint64> received_{0};
  Clock::time_point firstAt_;
  std::thread reader_;
};
