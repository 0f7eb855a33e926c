// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// lumetra-cli holds only the text commands, so that they start without the graphical libraries;
// every other command line goes to the full program, which holds every command.

// Replaces this process with the full program, with the same arguments (argv as main got it).
// Returns only when the full program cannot be started, after printing one line on stderr; the
// exit status is then 1.
int HandOverToFullProgram(char** argv);
