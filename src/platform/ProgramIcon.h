// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The program's icon, read from the files installed with it.
#include <QIcon>
#include <QString>

// The icon files `<programFolder>/<toData>/icons/hicolor/<size>/apps/<name>.png` that exist, as
// one icon; a null icon when there are none (a program run from its build folder).
QIcon InstalledProgramIcon(const QString& programFolder, const QString& toData, const QString& name);
