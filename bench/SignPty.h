// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A pseudo-terminal as "com1" standing in for the sign: drained all the time so that a send never
// waits for room, counting what arrives and noting when the first byte after Arm() came.
// In bursts, the reader takes what has come once a millisecond, as a sign's controller empties
// its receive buffer, instead of waking for every byte written.
#include <pty.h>
#include <unistd.h>

#include <QString>
#include <QtGlobal>
#include <atomic>
#include <chrono>
#include <thread>

class SignPty {
 public:
  using Clock = std::chrono::steady_clock;

  // Never: a sign that hangs, taking nothing at all.
  enum class Reading { EveryByte, InBursts, Never };

  explicit SignPty(Reading reading = Reading::EveryByte) {
    char name[256] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) return;
    device_ = QString::fromLocal8Bit(name);
    qputenv("LUMETRA_COM1", name);
    if (reading == Reading::Never) return;
    reader_ = std::thread([this, reading] {
      char buffer[4096];
      for (;;) {
        if (reading == Reading::InBursts) std::this_thread::sleep_for(std::chrono::milliseconds(1));
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

  // The pseudo-terminal the console writes to.
  QString Device() const { return device_; }
  void Arm() { first_ = false; }
  bool Fired() const { return first_.load(); }
  Clock::time_point FirstByteAt() const { return firstAt_; }
  qint64 Received() const { return received_.load(); }

 private:
  int master_ = -1, slave_ = -1;
  QString device_;
  std::atomic<bool> stop_{false}, first_{true};
  std::atomic<qint64> received_{0};
  Clock::time_point firstAt_;
  std::thread reader_;
};
