// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Where the programs stand: installed from the package (wherever its root is: /usr, an unpacked
// package, another prefix) or run from a build folder. The build knows the way from the folder it
// installs the programs into to the folder it installs their data into ("../share" for /usr/bin
// and /usr/share); an installed program finds the package's own data folder that way, a program in
// a build folder finds none.
#include <QString>

// The way from the programs' folder to the data folder, as the build installs them.
QString DataFromProgram();

// <programFolder>/<DataFromProgram()>/lumetra: the data that belongs to the package alone.
QString PackageDataFolder(const QString& programFolder);

// True when `programFolder` is the programs' folder of an installed package: its data folder
// lies beside it where the build puts it.
bool RunsInstalled(const QString& programFolder);
