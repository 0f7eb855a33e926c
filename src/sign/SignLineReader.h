// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Where the virtual sign listens: a pseudo-terminal of its own, whose other end the console
// opens as its serial port, or an existing serial device set up as the console sets its line.
// Decodes whatever arrives and reports each packet; a line quiet for kQuietMs ends an
// unfinished one.
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdint>
#include <memory>

#include "wire/DisplayPacketDecoder.h"

class SignLineReader : public QObject {
  Q_OBJECT

 public:
  static constexpr int kQuietMs = 1000;

  explicit SignLineReader(QObject* parent = nullptr);
  ~SignLineReader() override;

  bool OpenPty();
  bool OpenDevice(const QString& path);
  // The device to point the console at (LUMETRA_COM<n>).
  QString DevicePath() const { return devicePath_; }
  QString ErrorString() const { return error_; }
  // Stops reading for good once this many bytes have arrived: the sender's line then backs up
  // as it does on a sign that hangs.
  void StallAfter(std::int64_t bytes) { stallAfter_ = bytes; }

 signals:
  void Reported(const PacketReport& report);
  void Stalled(std::int64_t bytes);
  void Ended(const QString& why);

 private:
  bool Fail(const QString& what, int error);
  void Listen();
  void ReadAvailable();
  bool StallReached();
  void Report(const std::vector<PacketReport>& reports);
  void Stop();

  int fd_ = -1;
  int ptyKeepAlive_ = -1;
  QString devicePath_;
  QString error_;
  std::unique_ptr<QSocketNotifier> notifier_;
  QTimer quiet_;
  DisplayPacketDecoder decoder_;
  std::int64_t received_ = 0;
  std::int64_t stallAfter_ = -1;
};
