// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/SessionBusConnector.h"

#include <QDBusConnection>

#include <sys/stat.h>

void DisableSessionBusLaunch() {
  if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return;
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  struct stat bus {};
  if (!runtime.isEmpty() && stat((runtime + "/bus").constData(), &bus) == 0 && S_ISSOCK(bus.st_mode)) return;
  qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

// The toolkit keeps one session bus connection for the whole program, safe across threads.
SessionBusConnector::SessionBusConnector() : thread_([] { QDBusConnection::sessionBus(); }) {}

SessionBusConnector::~SessionBusConnector() {
  if (thread_.joinable()) thread_.join();
}
