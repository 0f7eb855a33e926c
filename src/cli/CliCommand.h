// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The command table of lumetra-cli. Each command lives in a file of its own and registers itself:
//   static const CliRegistration registration{{"render", "Render a caption to PNG", RunRender}};
// A command reports bad input by throwing CliError (or any Exception); main prints the one-line
// message on stderr and exits with status 1.
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Exceptions.h"

struct CliCommand {
  const char* name;
  const char* summary;
  int (*run)(const QStringList& arguments);  // arguments[0] is the command name
  // Commands that only read and write files run without the graphical application, which
  // costs more to start than such a command takes.
  bool needsGui = true;
};

class CliError : public Exception {
 public:
  using Exception::Exception;
};

const std::vector<CliCommand>& CliCommands();

struct CliRegistration {
  explicit CliRegistration(const CliCommand& command);
};

// Parses a command's arguments with `parser` (which gets --help added); prints the help and
// returns false when --help was asked for; throws CliError on a parse error or when the number
// of positional arguments is not `positionals`.
bool ParseCommandLine(QCommandLineParser& parser, const QStringList& arguments, int positionals);

// Integer option value, or `fallback` when the option is absent; CliError when not a number.
int IntOption(const QCommandLineParser& parser, const QString& name, int fallback);

// Writes bytes to a file, or to standard output for "-"; CliError on failure.
void WriteOutput(const QString& path, const QByteArray& bytes);

// Standard output as UTF-8 text.
void PrintLine(const QString& line);

// Standard output for long listings: bytes are gathered and written in large pieces.
class PiecewiseOutput {
 public:
  std::string bytes;
  // Writes the gathered bytes once they are many, or all of them with `all`; CliError on failure.
  void Write(bool all = false);
};
