// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// lumetra-cli: the console's engine without a window. This program runs the commands that only
// read and write files, linked against Qt Core alone, so that they start as fast as the file
// tools they stand beside; it hands every other command line to the full program.
#include <QCoreApplication>

#include "cli/CliMain.h"
#include "cli/FullProgram.h"
#include "platform/ProgramVersion.h"

int main(int argc, char** argv) {
  if (PrintVersionIfAsked(argc, argv, "lumetra-cli")) return 0;
  const CliCommand* named = argc > 1 ? FindCliCommand(argv[1]) : nullptr;
  if (!named) return HandOverToFullProgram(argv);
  QuietQtMessages();
  QCoreApplication app(argc, argv);
  return RunCliCommand(*named, QCoreApplication::arguments().mid(1));
}
