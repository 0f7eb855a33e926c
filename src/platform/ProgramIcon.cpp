// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/ProgramIcon.h"

#include <QDir>
#include <QFileInfo>

// Straight from the installed files: a lookup through the icon themes reads every folder of
// every theme and cost the start-up more than the rest of the application's own set-up. Each
// size is read only when the window system asks for it.
QIcon InstalledProgramIcon(const QString& programFolder, const QString& toData, const QString& name) {
  const QDir hicolor(programFolder + u'/' + toData + QStringLiteral("/icons/hicolor"));
  QIcon icon;
  const QString file = QStringLiteral("apps/") + name + QStringLiteral(".png");
  for (const QString& size : hicolor.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
    const QString path = hicolor.filePath(size + u'/' + file);
    const int x = size.indexOf(u'x');
    bool ok = false;
    const int pixels = size.left(x).toInt(&ok);
    if (ok && pixels > 0 && QFileInfo::exists(path)) icon.addFile(path, QSize(pixels, pixels));
  }
  return icon;
}
