// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "wire/SignLink.h"

#include <algorithm>
#include <functional>
#include <thread>

#include "platform/CommPort.h"
#include "wire/DisplayPacket.h"
#include "wire/SignPorts.h"

namespace {

class PortSink : public ByteSink {
 public:
  explicit PortSink(TCommPort& port) : port_(port) {}
  bool WriteByte(std::uint8_t byte) override {
    if (!port_.WriteByte(byte)) return false;
    ++written;
    return true;
  }
  qint64 written = 0;

 private:
  TCommPort& port_;
};

using PacketWriter = std::function<void(ByteSink& sink)>;

// One sign's part of a send: open, set the line, write, close.
SignDeviceResult SendToDevice(const QString& device, const PacketWriter& writePacket) {
  SignDeviceResult result;
  result.device = device;
  TCommPort port;
  result.opened = port.OpenDevice(device);
  if (result.opened) {
    TDCB dcb;
    port.GetCommState(dcb);
    dcb.BaudRate = kSignBaudRate;
    dcb.ByteSize = 8;
    dcb.Parity = MARKPARITY;
    dcb.StopBits = ONESTOPBIT;
    port.SetCommState(dcb);
    PortSink sink(port);
    writePacket(sink);
    result.bytes = sink.written;
    result.complete = port.Close();
  }
  if (!result.complete) {
    result.error = port.ErrorString();
    result.errorCode = port.ErrorCode();
  }
  return result;
}

// The same packet to every sign at once; each writer ends within its port's bounds.
std::vector<SignDeviceResult> SendToDevices(const QStringList& devices, const QByteArray& packet) {
  const PacketWriter writeBytes = [&packet](ByteSink& sink) {
    for (char byte : packet)
      if (!sink.WriteByte(std::uint8_t(byte))) return;
  };
  std::vector<SignDeviceResult> results(devices.size());
  {
    std::vector<std::jthread> writers;
    for (qsizetype i = 0; i < devices.size(); ++i)
      writers.emplace_back([&, i] { results[i] = SendToDevice(devices[i], writeBytes); });
  }  // joined here
  return results;
}

void Summarise(SignSendResult& send, const QStringList& devices) {
  send.opened = send.complete = true;
  send.device = devices.join(u',');
  QStringList failures;
  for (const SignDeviceResult& sign : send.devices) {
    send.opened = send.opened && sign.opened;
    send.bytes = std::max(send.bytes, sign.bytes);
    if (sign.complete) continue;
    if (send.complete) send.errorCode = sign.errorCode;
    send.complete = false;
    failures << QStringLiteral("%1: %2").arg(sign.device, DeviceFailureReason(sign.device, sign.error));
  }
  // A port of one sign keeps the words it has always had.
  send.error = send.devices.size() == 1 ? send.devices.front().error : failures.join(QStringLiteral("; "));
}

}  // namespace

QString DeviceFailureReason(const QString& device, const QString& error) {
  const QString named = device + QStringLiteral(": ");
  return !device.isEmpty() && error.startsWith(named) ? error.mid(named.size()) : error;
}

SignSendResult SendToSign(TBitmap& frame, const QString& caption, int modeIndex, int portNumber,
                          const QString& devicePath) {
  SignSendResult send;
  send.pages = DisplayPacketPages(frame, caption, modeIndex);
  const QStringList devices = devicePath.isEmpty() ? SignDevicesOfPort(portNumber) : SignDeviceList(devicePath);
  if (devices.isEmpty()) {
    // A list of nothing but commas drives no sign: a failure, as a missing device is.
    send.error = QStringLiteral("%1: no such port").arg(devicePath.isEmpty() ? PortNameFor(portNumber) : devicePath);
    return send;
  }
  if (devices.size() == 1) {
    // One sign: the pages are drawn and written as they go, as always.
    send.devices.push_back(SendToDevice(devices.front(), [&](ByteSink& sink) {
      WriteDisplayPacket(frame, caption, modeIndex, sink);
    }));
  } else {
    send.devices = SendToDevices(devices, DisplayPacketBytes(frame, caption, modeIndex));
  }
  Summarise(send, devices);
  return send;
}
