#include "platform/SessionBusConnector.h"

#include <QDBusConnection>

// The toolkit keeps one session bus connection for the whole program, safe across threads.
SessionBusConnector::SessionBusConnector() : thread_([] { QDBusConnection::sessionBus(); }) {}

SessionBusConnector::~SessionBusConnector() {
  if (thread_.joinable()) thread_.join();
}
