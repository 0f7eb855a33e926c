// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "show/WorkingState.h"

#include <QDir>
#include <QFileInfo>

#include "platform/InOutError.h"
#include "platform/InstalledLayout.h"
#include "platform/SafeFileWriter.h"

namespace {

QString StateFileIn(const QString& folder) { return QDir(folder).filePath(QLatin1String(kWorkingStateFileName)); }

QString SaveInUserFolder(const QByteArray& bytes, const QString& userFolder) {
  QDir().mkpath(userFolder);
  const QString path = StateFileIn(userFolder);
  WriteFileSafely(path, bytes);
  return path;
}

}  // namespace

QString UserStateFolder() {
  const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
  const QString base = QDir::isAbsolutePath(config) ? config : QDir::homePath() + QStringLiteral("/.config");
  return base + QStringLiteral("/lumetra");
}

QString WorkingStateToRestore(const QString& currentFolder, const QString& userFolder, const QString& programFolder) {
  const bool installed = RunsInstalled(programFolder);
  for (const QString& folder : {installed ? userFolder : currentFolder, installed ? currentFolder : userFolder}) {
    const QString path = StateFileIn(folder);
    if (QFileInfo::exists(path)) return path;
  }
  return QString();
}

QString SaveWorkingState(const QByteArray& bytes, const QString& programFolder, const QString& userFolder) {
  if (RunsInstalled(programFolder)) return SaveInUserFolder(bytes, userFolder);
  const QString programPath = StateFileIn(programFolder);
  try {
    WriteFileSafely(programPath, bytes);
    return programPath;
  } catch (const EInOutError& error) {
    if (error.ErrorCode != kAccessDenied) throw;
    try {
      return SaveInUserFolder(bytes, userFolder);
    } catch (const EInOutError&) {
      throw error;
    }
  }
}
