// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// lumetra-cli ports: the serial devices of this machine.
#include "cli/CliCommand.h"
#include "platform/CommPort.h"

namespace {

int RunPorts(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Lists the serial devices found, one per line. Port com<N> is the device named by the\n"
      "environment variable LUMETRA_COM<N>, else /dev/ttyS<N-1>."));
  if (!ParseCommandLine(parser, arguments, 0)) return 0;
  for (const QString& device : TCommPort::AvailableDevices()) PrintLine(device);
  return 0;
}

const CliRegistration registration{{"ports", "List the serial devices found", RunPorts}};

}  // namespace
