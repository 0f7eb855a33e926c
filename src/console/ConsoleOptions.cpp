// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "console/ConsoleOptions.h"

ConsoleOptions ReadConsoleOptions(const QStringList& arguments, const QString& oscFromEnvironment) {
  ConsoleOptions options;
  options.osc = oscFromEnvironment.trimmed();
  const QString osc = QStringLiteral("--osc");
  bool oscGiven = false;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
      options.help = true;
    } else if (argument == osc) {
      oscGiven = true;
      options.osc = i + 1 < arguments.size() ? arguments[++i].trimmed() : QString();
    } else if (argument.startsWith(osc + u'=')) {
      oscGiven = true;
      options.osc = argument.mid(osc.size() + 1).trimmed();
    }
  }
  if (oscGiven && options.osc.isEmpty()) options.error = QStringLiteral("--osc needs [HOST:]PORT");
  return options;
}

QString ConsoleUsage() {
  return QStringLiteral(
      "Usage: lumetra [--osc [HOST:]PORT] [--version] [--help]\n"
      "The caption console for a one-line LED sign on a serial port.\n"
      "\n"
      "  --osc [HOST:]PORT  Take cues over OSC (UDP) on PORT: /lumetra/go, /lumetra/goto N,\n"
      "                     /lumetra/next, /lumetra/prev, /lumetra/send N, /lumetra/blank,\n"
      "                     /lumetra/text S, /lumetra/state. HOST defaults to 127.0.0.1 (this\n"
      "                     machine only); 0.0.0.0 or an interface address listens beyond it.\n"
      "                     LUMETRA_OSC in the environment does the same.\n"
      "  --version          Print the version and exit.\n"
      "  --help             Print this help and exit.\n"
      "\n"
      "Every send is logged in $XDG_STATE_HOME/lumetra/sends.log.\n");
}
