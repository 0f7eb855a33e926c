// lumetra-cli: the console's engine without a window.
#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "cli/CliCommand.h"
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

// Qt's own diagnostics (missing runtime directory and the like) would break the one-line error
// convention; they show only when LUMETRA_DEBUG is set.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg || qEnvironmentVariableIsSet("LUMETRA_DEBUG"))
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

const CliCommand* FindCommand(const char* name) {
  for (const CliCommand& command : CliCommands())
    if (std::strcmp(command.name, name) == 0) return &command;
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (PrintVersionIfAsked(argc, argv, "lumetra-cli")) return 0;
  // Rendering needs fonts but no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietQtMessages);
  const CliCommand* named = argc > 1 ? FindCommand(argv[1]) : nullptr;
  std::unique_ptr<QCoreApplication> app;
  if (named && !named->needsGui) app = std::make_unique<QCoreApplication>(argc, argv);
  else app = std::make_unique<QApplication>(argc, argv);
  const QStringList arguments = QCoreApplication::arguments().mid(1);
  if (arguments.isEmpty() || arguments[0] == QStringLiteral("--help") || arguments[0] == QStringLiteral("-h")) {
    PrintUsage();
    return arguments.isEmpty() ? 1 : 0;
  }
  for (const CliCommand& command : CliCommands()) {
    if (arguments[0] != QLatin1String(command.name)) continue;
    try {
      return command.run(arguments);
    } catch (const Exception& error) {
      std::fprintf(stderr, "lumetra-cli %s: %s\n", command.name, error.Message().toUtf8().constData());
    } catch (const std::exception& error) {
      std::fprintf(stderr, "lumetra-cli %s: %s\n", command.name, error.what());
    }
    return 1;
  }
  std::fprintf(stderr, "lumetra-cli: unknown command \"%s\" (see --help)\n", arguments[0].toUtf8().constData());
  return 1;
}
