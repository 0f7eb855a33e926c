// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/CliCommand.h"

#include <QFile>
#include <QRegularExpression>
#include <cstdio>

namespace {
std::vector<CliCommand>& Table() {
  static std::vector<CliCommand> table;
  return table;
}
}  // namespace

const std::vector<CliCommand>& CliCommands() { return Table(); }

CliRegistration::CliRegistration(const CliCommand& command) { Table().push_back(command); }

bool ParseCommandLine(QCommandLineParser& parser, const QStringList& arguments, int positionals) {
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Show this help."));
  parser.addOption(help);
  parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
  if (!parser.parse(arguments)) throw CliError(parser.errorText());
  if (parser.isSet(help)) {
    // The usage line names the command after the program.
    QString help = parser.helpText();
    help.replace(QRegularExpression(QStringLiteral("^Usage: \\S+")), QStringLiteral("Usage: lumetra-cli ") + arguments.value(0));
    std::fputs(help.toUtf8().constData(), stdout);
    return false;
  }
  if (positionals >= 0 && parser.positionalArguments().size() != positionals) {
    throw CliError(parser.positionalArguments().size() < positionals
                       ? QStringLiteral("missing argument (see --help)")
                       : QStringLiteral("unexpected argument \"%1\" (see --help)")
                             .arg(parser.positionalArguments().value(positionals)));
  }
  return true;
}

int IntOption(const QCommandLineParser& parser, const QString& name, int fallback) {
  if (!parser.isSet(name)) return fallback;
  bool ok = false;
  const int value = parser.value(name).toInt(&ok);
  if (!ok) throw CliError(QStringLiteral("--%1 needs a whole number, not \"%2\"").arg(name, parser.value(name)));
  return value;
}

void WriteOutput(const QString& path, const QByteArray& bytes) {
  QFile file;
  const bool opened = path == QStringLiteral("-") ? file.open(stdout, QIODevice::WriteOnly)
                                                   : (file.setFileName(path), file.open(QIODevice::WriteOnly));
  if (!opened || file.write(bytes) != bytes.size() || !file.flush())
    throw CliError(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}

void PrintLine(const QString& line) {
  std::fputs((line + u'\n').toUtf8().constData(), stdout);
  std::fflush(stdout);
}

void PiecewiseOutput::Write(bool all) {
  constexpr std::size_t kPieceSize = 1 << 20;
  if (bytes.empty() || (!all && bytes.size() < kPieceSize)) return;
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0)
    throw CliError(QStringLiteral("cannot write the standard output"));
  bytes.clear();  // keeps its room for the next piece
}
