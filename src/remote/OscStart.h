// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The OSC server started as the console's options ask. A bad address or allow list, a port in
// use, and an address beyond this machine without an allow list (anyone on the venue's network
// could put any text on the sign) each leave the console without cues: said in one line on
// standard error and noted among the start's losses. Where it listens is said on standard error.
#include "keeping/StartLosses.h"
#include "remote/ConsoleOptions.h"
#include "remote/OscServer.h"

// True when the server listens.
bool ListenForCues(OscServer& server, const ConsoleOptions& options, StartLosses& losses);
