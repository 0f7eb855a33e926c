// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Pictures the skin commands write: PNG files, and window regions as pictures beside them.
#include <QImage>
#include <QRegion>
#include <QString>

// Encodes the picture as PNG into the file; CliError on failure.
void SavePng(const QImage& image, const QString& path);

// Writes the region (black inside, white outside) of a width × height surface beside `out`, as
// "OUT-region.png" for "OUT.png"; returns the path written.
QString SaveRegionPicture(const QRegion& region, int width, int height, const QString& out);
