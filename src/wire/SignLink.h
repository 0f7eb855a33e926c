// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The serial link to the sign: one send opens the port, sets the line (57600 baud, 8 data bits,
// mark parity, 1 stop bit), writes one display packet byte by byte and closes the port again.
//
// A port may drive several signs (SignPorts.h): each gets the same
// packet, opened, written and closed on a writer thread of its own, all at once, so two signs
// take the time of one and a stalled sign holds the send no longer than it would alone. The send
// returns when every writer has ended; every wait of theirs is bounded by the port's own.
#include <QString>
#include <QStringList>
#include <vector>

#include "platform/Bitmap.h"

constexpr int kSignBaudRate = 57600;
// A start bit, 8 data bits, the mark parity bit and a stop bit.
constexpr int kLineBitsPerByte = 11;

// How long the line takes to carry `bytes`, in milliseconds.
constexpr double WireMilliseconds(qint64 bytes) { return double(bytes) * kLineBitsPerByte * 1000.0 / kSignBaudRate; }

// What became of the packet on one sign's device.
struct SignDeviceResult {
  QString device;
  bool opened = false;
  bool complete = false;  // every byte reached the device
  QString error;          // the system's reason when not complete
  int errorCode = 0;      // the system's error number behind it, 0 when none
  qint64 bytes = 0;       // bytes the device took
};

// A send as a whole. With one sign the fields are that sign's; with several, `complete` only
// when every sign took the whole packet, and `error` names each failed device with its reason.
struct SignSendResult {
  bool opened = false;    // every device opened
  bool complete = false;  // every byte reached every device
  QString error;          // why not, when not complete
  int errorCode = 0;      // the system's error number behind the first failure, 0 when none
  QString device;         // the device the port resolved to (several: comma-separated)
  int pages = 0;          // page records of the packet
  qint64 bytes = 0;       // bytes taken by the device that took most
  std::vector<SignDeviceResult> devices;  // one per sign, in the order the port names them
};

// Why `device` failed, without its name in front (an open's reason starts with it).
QString DeviceFailureReason(const QString& device, const QString& error);

// Sends the caption whose centred picture is already in `frame`, through "com<n>" or, when
// `devicePath` is not empty, through that device (or those devices, comma-separated).
SignSendResult SendToSign(TBitmap& frame, const QString& caption, int modeIndex, int portNumber,
                          const QString& devicePath = QString());
