// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Plays the sign: a pseudo-terminal whose slave side the console opens as "com<n>" (through
// LUMETRA_COM<n>) while the test reads everything written to it from the master side and
// decodes it as the sign does.
#include <QByteArray>
#include <QString>
#include <atomic>
#include <deque>
#include <mutex>
#include <thread>

#include "wire/DisplayPacketDecoder.h"

class PtySign {
 public:
  explicit PtySign(int portNumber = 1);
  ~PtySign();
  PtySign(const PtySign&) = delete;
  PtySign& operator=(const PtySign&) = delete;

  QString DevicePath() const { return slavePath_; }
  // Waits (a few seconds at most) for the next packet to arrive whole and returns it decoded;
  // when none came, what arrived of it, or a report that says nothing did.
  PacketReport TakePacket();
  // Bytes received and not yet taken as a packet, without waiting.
  QByteArray Received();
  // Stops reading (the device "stalls"): writes then fill the terminal's buffer.
  void StopReading();
  // The sign's end of the line goes away, and the device's name with it. Its slave stays open
  // here, so no other terminal can take the name meanwhile and receive what was meant for it.
  void HangUp();

 private:
  void ReadLoop();

  int master_ = -1;
  int slaveKeepAlive_ = -1;
  int portNumber_;
  QString slavePath_;
  std::mutex mutex_;
  QByteArray received_;
  DisplayPacketDecoder decoder_;
  std::deque<PacketReport> packets_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> paused_{false};
  std::thread reader_;
};
