// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/InstalledLayout.h"

#include <QDir>
#include <QFileInfo>

QString DataFromProgram() { return QStringLiteral(LUMETRA_DATA_FROM_PROGRAM); }

QString PackageDataFolder(const QString& programFolder) {
  return QDir::cleanPath(programFolder + u'/' + DataFromProgram() + QStringLiteral("/lumetra"));
}

bool RunsInstalled(const QString& programFolder) { return QFileInfo(PackageDataFolder(programFolder)).isDir(); }
