// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// What both lumetra-cli programs do around a command: the front, which holds the text commands
// only, and the full program, which holds every command.
#include <QStringList>

#include "cli/CliCommand.h"

// The command of this program named `name`, or null.
const CliCommand* FindCliCommand(const char* name);

// Keeps Qt's own diagnostics (missing runtime directory and the like) off stderr, where they would
// break the one-line error convention; they show only when LUMETRA_DEBUG is set.
void QuietQtMessages();

// Runs the command on `arguments` (arguments[0] is its name) and gives the exit status; an error
// it throws is printed as one line on stderr and gives status 1.
int RunCliCommand(const CliCommand& command, const QStringList& arguments);
