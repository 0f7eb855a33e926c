// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "support/PtySign.h"

#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

PtySign::PtySign(int portNumber) : portNumber_(portNumber) {
  char name[256] = {};
  termios raw{};
  cfmakeraw(&raw);
  if (openpty(&master_, &slaveKeepAlive_, name, &raw, nullptr) != 0) return;
  // The slave stays open here too, so the master never reads an end while the console closes
  // and reopens the port between sends.
  slavePath_ = QString::fromLocal8Bit(name);
  qputenv(qPrintable(QStringLiteral("LUMETRA_COM%1").arg(portNumber_)), name);
  reader_ = std::thread([this] { ReadLoop(); });
}

PtySign::~PtySign() {
  HangUp();
  qunsetenv(qPrintable(QStringLiteral("LUMETRA_COM%1").arg(portNumber_)));
  if (slaveKeepAlive_ >= 0) close(slaveKeepAlive_);
}

void PtySign::HangUp() {
  stop_ = true;
  if (reader_.joinable()) reader_.join();
  if (master_ >= 0) close(master_);
  master_ = -1;
}

void PtySign::ReadLoop() {
  char buffer[4096];
  while (!stop_) {
    if (paused_) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      continue;
    }
    pollfd pfd{master_, POLLIN, 0};
    if (poll(&pfd, 1, 20) <= 0 || !(pfd.revents & POLLIN)) continue;
    const ssize_t n = read(master_, buffer, sizeof buffer);
    if (n > 0) {
      std::lock_guard lock(mutex_);
      received_.append(buffer, n);
      for (PacketReport& report : decoder_.Feed(QByteArray::fromRawData(buffer, n)))
        packets_.push_back(std::move(report));
    }
  }
}

PacketReport PtySign::TakePacket() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  for (;;) {
    {
      std::lock_guard lock(mutex_);
      const bool late = std::chrono::steady_clock::now() > deadline;
      if (late)
        for (PacketReport& report : decoder_.Flush()) packets_.push_back(std::move(report));
      if (!packets_.empty()) {
        PacketReport packet = std::move(packets_.front());
        packets_.pop_front();
        received_.remove(0, qsizetype(packet.bytes));
        return packet;
      }
      if (late) {
        PacketReport nothing;
        nothing.error = QStringLiteral("nothing arrived");
        return nothing;
      }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

QByteArray PtySign::Received() {
  std::lock_guard lock(mutex_);
  return received_;
}

void PtySign::StopReading() { paused_ = true; }
