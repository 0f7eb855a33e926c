// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A serial port as the desktop platform offers it: a device opened exclusively, with a settings
// record of which only baud rate, data bits, parity and stop bits are changed, written one byte
// per call, closed again. The line is put in raw mode so every byte reaches the device unchanged.
// Every wait is bounded: a device that takes no byte for StallTimeoutMs (or vanishes) fails the
// write instead of blocking the caller.
#include <QString>
#include <QStringList>
#include <cstdint>

constexpr std::uint8_t NOPARITY = 0;
constexpr std::uint8_t ODDPARITY = 1;
constexpr std::uint8_t EVENPARITY = 2;
constexpr std::uint8_t MARKPARITY = 3;
constexpr std::uint8_t SPACEPARITY = 4;
constexpr std::uint8_t ONESTOPBIT = 0;
constexpr std::uint8_t ONE5STOPBITS = 1;
constexpr std::uint8_t TWOSTOPBITS = 2;

// The port settings record: the members the console changes. The rest of the device's settings
// (flow control, special characters) stay as the device has them.
struct TDCB {
  std::uint32_t BaudRate = 0;
  std::uint8_t ByteSize = 8;
  std::uint8_t Parity = NOPARITY;
  std::uint8_t StopBits = ONESTOPBIT;
};

class TCommPort {
 public:
  static constexpr int StallTimeoutMs = 2000;

  TCommPort() = default;
  ~TCommPort();
  TCommPort(const TCommPort&) = delete;
  TCommPort& operator=(const TCommPort&) = delete;

  // Serial devices present on this machine, by device path.
  static QStringList AvailableDevices();

  // Opens the device exclusively.
  bool OpenDevice(const QString& devicePath);
  bool IsOpen() const { return fd_ >= 0; }
  // Why the last Open or write failed, in the system's words, and the system's error number
  // (0 when the failure was not the system's).
  QString ErrorString() const { return error_; }
  int ErrorCode() const { return errorCode_; }
  // The device the last Open tried.
  QString Device() const { return device_; }

  bool GetCommState(TDCB& dcb);
  bool SetCommState(const TDCB& dcb);
  // Writes one byte; false when the device failed or stalled (then every later write fails too).
  bool WriteByte(std::uint8_t byte);
  bool Failed() const { return failed_; }
  // Waits (bounded) for the written bytes to leave, then closes; unsent bytes of a stalled
  // device are dropped rather than waited for. False when the send did not get through whole.
  bool Close();

 private:
  bool Fail(const QString& what, int error);

  int fd_ = -1;
  bool failed_ = false;
  QString error_;
  int errorCode_ = 0;
  QString device_;
};
