// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The console program's way to its web pages: they live in a module of their own, with the HTTP,
// WebSocket and QR code libraries only they need, loaded only when the operator asks for the
// pages (--web or LUMETRA_WEB). A console started without them loads none of it.
#include <QString>
#include <QStringList>
#include <memory>

#include "remote/WebPages.h"

// Where the module may be, in that order: beside the program (a build folder), then in the
// package's folder `fromProgram` (relative to the programs' folder, as the build installs them).
QStringList WebPagesModulePaths(const QString& programFolder, const QString& fileName, const QString& fromProgram);

// StartWebPages from the first module of `modulePaths` that exists; a bad value of the option is
// told here, without loading it. A module that is missing or
// cannot be loaded is one line on standard error and a loss; the console runs without the pages.
std::unique_ptr<WebPages> LoadWebPages(const QStringList& modulePaths, const ConsoleOptions& options, TForm1& form,
                                       RemoteControl& remote, StartLosses& losses);
