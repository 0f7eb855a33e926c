#pragma once
// The folder of what the console keeps for itself while it runs (the recovery copy of the working
// state, the log of sends): $XDG_STATE_HOME/lumetra, else ~/.local/state/lumetra. Not created here.
#include <QString>

QString ConsoleStateFolder();
