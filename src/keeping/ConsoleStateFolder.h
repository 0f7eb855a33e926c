// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The folder of what the console keeps for itself while it runs (the recovery copy of the working
// state, the log of sends): $XDG_STATE_HOME/lumetra, else ~/.local/state/lumetra. Not created here.
#include <QString>

QString ConsoleStateFolder();
