// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The version every program of the build reports; the build sets it in one place.

// "2.0" and the like.
const char* ProgramVersion();

// When the first argument is "--version": prints "<program> <version>" on standard output and
// returns true. Runs before any application object exists, so it needs no display.
bool PrintVersionIfAsked(int argc, char** argv, const char* program);
