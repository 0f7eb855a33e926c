// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// What a fresh console saves after loading a settings file, made as the file is read: every
// caption text that would come back unchanged is copied as it stands instead of being decoded
// and encoded again, so that a long show needs no caption list of its own.
#include <QByteArray>
#include <QString>

class TTextReader;

// Exactly the bytes SaveSettingsFile writes for the show that ReadSettings reads from `reader`
// into a fresh ShowDocument; the same failure where that read fails.
QByteArray ResaveSettings(TTextReader& reader);

// Loads the settings file `in` and saves it to exactly `out` as the console would, writing `out`
// while `in` is read. A failure to read `in` is raised before one to write `out`, as a load that
// comes before the save would; either leaves any previous `out` untouched.
void ResaveSettingsFile(const QString& in, const QString& out);
