#include "console/WorkingState.h"

#include <QDir>
#include <QFileInfo>

#include "platform/InOutError.h"
#include "platform/SafeFileWriter.h"

namespace {

QString StateFileIn(const QString& folder) { return QDir(folder).filePath(QLatin1String(kWorkingStateFileName)); }

}  // namespace

QString UserStateFolder() {
  const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
  const QString base = QDir::isAbsolutePath(config) ? config : QDir::homePath() + QStringLiteral("/.config");
  return base + QStringLiteral("/lumetra");
}

QString WorkingStateToRestore(const QString& currentFolder, const QString& userFolder) {
  for (const QString& folder : {currentFolder, userFolder}) {
    const QString path = StateFileIn(folder);
    if (QFileInfo::exists(path)) return path;
  }
  return QString();
}

QString SaveWorkingState(const QByteArray& bytes, const QString& programFolder, const QString& userFolder) {
  const QString programPath = StateFileIn(programFolder);
  try {
    WriteFileSafely(programPath, bytes);
    return programPath;
  } catch (const EInOutError& error) {
    if (error.ErrorCode != kAccessDenied) throw;
    const QString userPath = StateFileIn(userFolder);
    try {
      QDir().mkpath(userFolder);
      WriteFileSafely(userPath, bytes);
    } catch (const EInOutError&) {
      throw error;
    }
    return userPath;
  }
}
