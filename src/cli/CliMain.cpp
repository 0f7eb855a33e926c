// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/CliMain.h"

#include <cstdio>
#include <cstring>

namespace {

void PrintQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg || qEnvironmentVariableIsSet("LUMETRA_DEBUG"))
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

}  // namespace

const CliCommand* FindCliCommand(const char* name) {
  for (const CliCommand& command : CliCommands())
    if (std::strcmp(command.name, name) == 0) return &command;
  return nullptr;
}

void QuietQtMessages() { qInstallMessageHandler(PrintQtMessage); }

int RunCliCommand(const CliCommand& command, const QStringList& arguments) {
  try {
    return command.run(arguments);
  } catch (const Exception& error) {
    std::fprintf(stderr, "lumetra-cli %s: %s\n", command.name, error.Message().toUtf8().constData());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "lumetra-cli %s: %s\n", command.name, error.what());
  }
  return 1;
}
