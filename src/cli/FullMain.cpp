// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// lumetra-cli-full: every command of lumetra-cli, the graphical ones with a (windowless)
// graphical application. lumetra-cli hands it every command line it does not run itself.
#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "cli/CliMain.h"
#include "platform/ProgramVersion.h"

namespace {

void PrintUsage() {
  std::puts("Usage: lumetra-cli COMMAND [ARGUMENTS...]\n\nCommands:");
  std::vector<CliCommand> commands = CliCommands();
  std::sort(commands.begin(), commands.end(),
            [](const CliCommand& a, const CliCommand& b) { return std::strcmp(a.name, b.name) < 0; });
  for (const CliCommand& c : commands) std::printf("  %-12s %s\n", c.name, c.summary);
  std::puts("\n'lumetra-cli COMMAND --help' describes a command; 'lumetra-cli --version' names the version.");
}

}  // namespace

int main(int argc, char** argv) {
  if (PrintVersionIfAsked(argc, argv, "lumetra-cli")) return 0;
  // Rendering needs fonts but no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QuietQtMessages();
  const CliCommand* named = argc > 1 ? FindCliCommand(argv[1]) : nullptr;
  std::unique_ptr<QCoreApplication> app;
  if (named && !named->needsGui) app = std::make_unique<QCoreApplication>(argc, argv);
  else app = std::make_unique<QApplication>(argc, argv);
  const QStringList arguments = QCoreApplication::arguments().mid(1);
  if (arguments.isEmpty() || arguments[0] == QStringLiteral("--help") || arguments[0] == QStringLiteral("-h")) {
    PrintUsage();
    return arguments.isEmpty() ? 1 : 0;
  }
  // Qt's own options are gone from `arguments`, so the command is looked up again.
  for (const CliCommand& command : CliCommands())
    if (arguments[0] == QLatin1String(command.name)) return RunCliCommand(command, arguments);
  std::fprintf(stderr, "lumetra-cli: unknown command \"%s\" (see --help)\n", arguments[0].toUtf8().constData());
  return 1;
}
