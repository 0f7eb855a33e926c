// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The MIDI input started as the console's options ask. A bad MIDI setting leaves the console
// without MIDI cues; a device that cannot be opened yet is tried again every 2 s. Either is said
// in one line on standard error and noted among the start's losses; where the cues are read from
// is said on standard error.
#include <optional>

#include "keeping/StartLosses.h"
#include "remote/ConsoleOptions.h"
#include "remote/MidiInput.h"

// Whose messages the options say the console takes; nullopt with `error` when one is bad.
std::optional<MidiListening> ReadMidiListening(const ConsoleOptions& options, QString& error);

// True when the input reads the device now.
bool WatchMidiDevice(MidiInput& input, const ConsoleOptions& options, StartLosses& losses);
