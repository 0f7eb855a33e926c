// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Where the working state "lw1.ini" lives. It is written beside the program; an installed
// program keeps it in the per-user folder instead (its folder belongs to the package manager, and
// root could write there), as does a program whose folder refuses writing, so that the console
// can always be closed. At start it is restored from the current folder, or from the per-user
// folder when the current folder holds none; an installed program looks in the per-user folder
// first, so that it reads back what it wrote.
#include <QByteArray>
#include <QCoreApplication>
#include <QString>

inline constexpr char kWorkingStateFileName[] = "lw1.ini";

// $XDG_CONFIG_HOME/lumetra, else ~/.config/lumetra.
QString UserStateFolder();

// The "lw1.ini" to restore from, or an empty string when neither folder holds one.
QString WorkingStateToRestore(const QString& currentFolder, const QString& userFolder,
                              const QString& programFolder = QCoreApplication::applicationDirPath());

// Writes `bytes` as "lw1.ini" into `programFolder`; when that folder refuses access, or the
// program runs installed from it, into `userFolder` (created when missing). Returns the path
// written. When both fail, the error of the program folder is raised (EInOutError); a failure
// never leaves a cut-short file.
QString SaveWorkingState(const QByteArray& bytes, const QString& programFolder, const QString& userFolder);
