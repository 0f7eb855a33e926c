// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "show/ShowPaths.h"

bool IsSettingsFilePath(const QString& path) { return path.contains(QStringLiteral(".lw"), Qt::CaseSensitive); }

QString WithSettingsExtension(const QString& path) {
  const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
  const qsizetype dot = path.lastIndexOf(u'.');
  const qsizetype extensionStart = dot >= nameStart ? dot : path.size();
  return path.left(extensionStart) + QStringLiteral(".lw");
}
