// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// How many files the process may hold open. A desktop session starts programs with a soft limit
// of 1,024 and a far higher hard one; the console raises its own to the hard one at start, so
// that connections from the venue's network never leave the sign's send without a file. Raising
// it is safe here: nothing in the program waits with select(), which cannot see a file above 1,023.
#include <QtGlobal>

// Raises the soft limit to the hard one; the soft limit now.
qint64 RaiseOpenFileLimit();
// The soft limit now.
qint64 OpenFileLimit();
// The files the process holds open now.
int OpenFilesNow();
