// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The serial link to the sign: one send opens the port, sets the line (57600 baud, 8 data bits,
// mark parity, 1 stop bit), writes one display packet byte by byte and closes the port again.
#include <QString>

#include "platform/Bitmap.h"

constexpr int kSignBaudRate = 57600;
// A start bit, 8 data bits, the mark parity bit and a stop bit.
constexpr int kLineBitsPerByte = 11;

// How long the line takes to carry `bytes`, in milliseconds.
constexpr double WireMilliseconds(qint64 bytes) { return double(bytes) * kLineBitsPerByte * 1000.0 / kSignBaudRate; }

struct SignSendResult {
  bool opened = false;
  bool complete = false;  // every byte reached the device
  QString error;          // the system's reason when not complete
  int errorCode = 0;      // the system's error number behind it, 0 when none
  QString device;         // the device the port resolved to
  int pages = 0;          // page records of the packet
  qint64 bytes = 0;       // bytes the device took
};

// "com" followed by the port number in decimal.
QString PortNameFor(int portNumber);

// Sends the caption whose centred picture is already in `frame`, through "com<n>" or, when
// `devicePath` is not empty, through that device.
SignSendResult SendToSign(TBitmap& frame, const QString& caption, int modeIndex, int portNumber,
                          const QString& devicePath = QString());
