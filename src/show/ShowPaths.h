// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// How the console tells settings files from text files, and names the files it saves.
#include <QString>

// A path that contains ".lw" anywhere (exact case, also in a folder name) is read as a settings
// file; any other path is imported as plain text.
bool IsSettingsFilePath(const QString& path);

// The path with its file name's extension (from the name's last "." on) replaced by ".lw", or
// ".lw" appended when the name has no ".". A "." in a folder name does not count.
QString WithSettingsExtension(const QString& path);
