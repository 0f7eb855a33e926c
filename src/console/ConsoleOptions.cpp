// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "console/ConsoleOptions.h"

namespace {

// "--name VALUE" or "--name=VALUE" at `i` (which moves past a separate value): true when it is
// this option; `given` notes that it came, so that an empty value can be told.
bool TakeValued(const QStringList& arguments, qsizetype& i, const QString& name, QString& value, bool& given) {
  const QString& argument = arguments[i];
  if (argument == name) {
    value = i + 1 < arguments.size() ? arguments[++i].trimmed() : QString();
  } else if (argument.startsWith(name + u'=')) {
    value = argument.mid(name.size() + 1).trimmed();
  } else {
    return false;
  }
  given = true;
  return true;
}

}  // namespace

ConsoleOptions ReadConsoleOptions(const QStringList& arguments, const QString& oscFromEnvironment,
                                  const QString& webFromEnvironment) {
  ConsoleOptions options;
  options.osc = oscFromEnvironment.trimmed();
  options.web = webFromEnvironment.trimmed();
  bool oscGiven = false;
  bool webGiven = false;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
      options.help = true;
    } else if (argument == QLatin1String("--web-control")) {
      options.webControl = true;
    } else if (argument == QLatin1String("--web-new-key")) {
      options.webNewKey = true;
    } else if (!TakeValued(arguments, i, QStringLiteral("--osc"), options.osc, oscGiven)) {
      TakeValued(arguments, i, QStringLiteral("--web"), options.web, webGiven);
    }
  }
  if (oscGiven && options.osc.isEmpty()) options.error = QStringLiteral("--osc needs [HOST:]PORT");
  if (webGiven && options.web.isEmpty()) options.webError = QStringLiteral("--web needs [HOST:]PORT");
  return options;
}

QString ConsoleUsage() {
  return QStringLiteral(
      "Usage: lumetra [--osc [HOST:]PORT] [--web [HOST:]PORT [--web-control] [--web-new-key]]\n"
      "               [--version] [--help]\n"
      "The caption console for a one-line LED sign on a serial port.\n"
      "\n"
      "  --osc [HOST:]PORT  Take cues over OSC (UDP) on PORT: /lumetra/go, /lumetra/goto N,\n"
      "                     /lumetra/next, /lumetra/prev, /lumetra/send N, /lumetra/blank,\n"
      "                     /lumetra/text S, /lumetra/state. HOST defaults to 127.0.0.1 (this\n"
      "                     machine only); 0.0.0.0 or an interface address listens beyond it.\n"
      "                     LUMETRA_OSC in the environment does the same.\n"
      "  --web [HOST:]PORT  Serve the web pages on PORT (0: any free port): / the caption for\n"
      "                     the audience, /stage the sign's picture and the next lines for the\n"
      "                     stage manager, /live their WebSocket. HOST as for --osc.\n"
      "                     LUMETRA_WEB in the environment does the same.\n"
      "  --web-control      Show GO, BACK and BLANK on /stage; they act only with the key of\n"
      "                     the control address printed at start.\n"
      "  --web-new-key      Replace the key of the web pages by a new one.\n"
      "  --version          Print the version and exit.\n"
      "  --help             Print this help and exit.\n"
      "\n"
      "Every send is logged in $XDG_STATE_HOME/lumetra/sends.log; the web pages' key is kept in\n"
      "$XDG_STATE_HOME/lumetra/web.key.\n");
}
