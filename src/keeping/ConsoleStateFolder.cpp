// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "keeping/ConsoleStateFolder.h"

#include <QDir>

QString ConsoleStateFolder() {
  // A relative XDG path is invalid and ignored, as the base-directory rules say.
  const QString state = qEnvironmentVariable("XDG_STATE_HOME");
  const QString base = QDir::isAbsolutePath(state) ? state : QDir::homePath() + QStringLiteral("/.local/state");
  return base + QStringLiteral("/lumetra");
}
