// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Text lines as the platform's string lists read and write them: bytes in the ANSI code page
// (GB18030 here), a line ended by CR LF, a lone CR or a lone LF, and no empty line made up
// from the last line end.
#include <QByteArray>
#include <QStringList>
#include <vector>

std::vector<QByteArray> SplitTextLines(const QByteArray& text);
QStringList DecodeAnsiLines(const std::vector<QByteArray>& lines);
