// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "console/SignLink.h"

#include "console/DisplayPacket.h"
#include "platform/CommPort.h"

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

}  // namespace

QString PortNameFor(int portNumber) { return QStringLiteral("com%1").arg(portNumber); }

SignSendResult SendToSign(TBitmap& frame, const QString& caption, int modeIndex, int portNumber,
                          const QString& devicePath) {
  SignSendResult result;
  result.pages = DisplayPacketPages(frame, caption, modeIndex);
  TCommPort port;
  result.opened = devicePath.isEmpty() ? port.Open(PortNameFor(portNumber)) : port.OpenDevice(devicePath);
  result.device = port.Device();
  if (!result.opened) {
    result.error = port.ErrorString();
    result.errorCode = port.ErrorCode();
    return result;
  }
  TDCB dcb;
  port.GetCommState(dcb);
  dcb.BaudRate = kSignBaudRate;
  dcb.ByteSize = 8;
  dcb.Parity = MARKPARITY;
  dcb.StopBits = ONESTOPBIT;
  port.SetCommState(dcb);
  PortSink sink(port);
  WriteDisplayPacket(frame, caption, modeIndex, sink);
  result.bytes = sink.written;
  result.complete = port.Close();
  if (!result.complete) {
    result.error = port.ErrorString();
    result.errorCode = port.ErrorCode();
  }
  return result;
}
