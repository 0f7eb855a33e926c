// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The --track option of the commands that read a show together with its translation tracks.
#include <QCommandLineParser>
#include <QList>

#include "show/TranslationTrack.h"

QCommandLineOption AddTrackOption(QCommandLineParser& parser);

// The tracks the option names, read and checked as the console reads them (the signs' ports are
// the console's business); CliError telling every bad one.
QList<TranslationTrack> TracksFromOptions(const QCommandLineParser& parser, const QCommandLineOption& option);
