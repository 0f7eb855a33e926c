// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The show that lumetra-cli's show and convert commands read.
#include <QCommandLineParser>
#include <QString>

#include "show/ShowDocument.h"

// A subtitle file (a name ending in ".srt") gives the caption lines of a fresh console; any
// other path is read as the console's load does.
ShowFileKind LoadShowInput(ShowDocument& show, const QString& path);

// Whether `path` is read as a settings file (and so may be read without a ShowDocument).
bool IsSettingsInput(const QString& path);

// The FILE argument of the commands that read a show, and their --json option (returned).
QCommandLineOption AddShowFileArguments(QCommandLineParser& parser);
