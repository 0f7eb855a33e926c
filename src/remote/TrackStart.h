// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The translation tracks loaded as the console's options ask. Each bad one (TrackRequests.h) is
// said in one line on standard error and noted among the start's losses; the console runs on
// without it.
#include "keeping/StartLosses.h"
#include "remote/ConsoleOptions.h"
#include "show/TrackRequests.h"

// `showPort` is the port of the show's own sign as the console starts with it.
LoadedTracks LoadTracksAtStart(const ConsoleOptions& options, int showPort, StartLosses& losses);
