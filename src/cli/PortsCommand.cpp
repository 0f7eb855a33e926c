// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// lumetra-cli ports: the sign ports of this machine, their devices and whether each opens now.
#include <QProcessEnvironment>
#include <map>

#include "cli/CliCommand.h"
#include "platform/CommPort.h"
#include "show/PortNumber.h"
#include "wire/SignLink.h"
#include "wire/SignPorts.h"

namespace {

// Port number -> its devices: every port named in the environment, and the port of each default
// device found whose port the environment leaves alone.
std::map<int, QStringList> KnownPorts(const QStringList& found) {
  std::map<int, QStringList> ports;
  for (const QString& name : QProcessEnvironment::systemEnvironment().keys()) {
    const int number = PortOfDevicesVariable(name);
    if (number >= kMinPortNumber && number <= kMaxPortNumber) ports[number] = SignDevicesOfPort(number);
  }
  for (const QString& device : found) {
    const int number = PortOfDefaultDevice(device);
    if (number >= kMinPortNumber && number <= kMaxPortNumber && !ports.count(number)) ports[number] = {device};
  }
  return ports;
}

// Opens the device as a send would, and lets it go at once.
QString OpenState(const QString& device) {
  TCommPort port;
  if (!port.OpenDevice(device)) return QStringLiteral("cannot be opened: ") + DeviceFailureReason(device, port.ErrorString());
  port.Close();
  return QStringLiteral("can be opened");
}

int RunPorts(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Lists the sign ports and the serial devices found, one device per line: port, device and\n"
      "whether it can be opened now, separated by tabs (port \"-\" for a device of no port).\n"
      "Port com<N> is the device, or the comma-separated devices (one per sign), named by the\n"
      "environment variable LUMETRA_COM<N>, else /dev/ttyS<N-1>. Each device is opened for a\n"
      "moment, so a send in that moment finds it busy."));
  if (!ParseCommandLine(parser, arguments, 0)) return 0;
  const QStringList found = TCommPort::AvailableDevices();
  QStringList listed;
  for (const auto& [number, devices] : KnownPorts(found))
    for (const QString& device : devices) {
      PrintLine(QStringLiteral("%1\t%2\t%3").arg(PortNameFor(number), device, OpenState(device)));
      listed << device;
    }
  for (const QString& device : found)
    if (!listed.contains(device)) PrintLine(QStringLiteral("-\t%1\t%2").arg(device, OpenState(device)));
  return 0;
}

const CliRegistration registration{{"ports", "List the sign ports, their devices and whether each opens", RunPorts}};

}  // namespace
