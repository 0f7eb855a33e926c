// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The console's own command-line options, read before the application object exists (so --help
// needs no display). Every other argument is left to the toolkit (-platform and the like).
//   --help                  prints the usage and ends
//   --osc [HOST:]PORT       listens for OSC cues; also --osc=[HOST:]PORT. LUMETRA_OSC gives the
//                           same for desktop launchers; the option wins over it.
//   --osc-allow ADDR[,...]  the senders that may cue (addresses or CIDR ranges); also
//                           --osc-allow=..., and LUMETRA_OSC_ALLOW, which the option overrides.
#include <QString>
#include <QStringList>

struct ConsoleOptions {
  bool help = false;
  QString osc;       // where to listen; empty: no server, no socket
  QString oscAllow;  // who may cue; empty: every sender, and only a loopback address to listen on
  QString error;     // one line when an option was given without a value
};

ConsoleOptions ReadConsoleOptions(const QStringList& arguments, const QString& oscFromEnvironment,
                                  const QString& oscAllowFromEnvironment = QString());

// The text --help prints.
QString ConsoleUsage();
