// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The compressed skin file: a 32-bit version (accepted when 3 or less), a 32-bit byte count
// and that many bytes of compressed skin package. Nothing after them is read.
#include <QByteArray>
#include <QString>
#include <optional>

class TStream;

// The compressed package of the file, or nothing when the file is of a newer version. A byte
// count of 0 gives an empty package. Raises EFOpenError when the file cannot be opened and
// EReadError when it is shorter than its header says (or states a negative count).
std::optional<QByteArray> ReadCompressedSkinFile(const QString& fileName);
// The same from the stream's position.
std::optional<QByteArray> ReadCompressedSkin(TStream& file);
