// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Runs the built lumetra-cli (or another program) and collects what it printed.
#include <QByteArray>
#include <QProcessEnvironment>
#include <QStringList>

struct CliRun {
  int exitCode = -1;
  QByteArray out;
  QByteArray err;
};

CliRun RunCli(const QStringList& arguments,
              const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// Runs another program the same way.
CliRun RunProgram(const QString& program, const QStringList& arguments,
                  const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
