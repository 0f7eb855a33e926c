#pragma once
// The desktop's accessibility bridge asks for the session bus when the first label gets its text
// and waits until the bus is reached (where there is none, until a launcher for one has been
// looked for). Reached on a thread of its own as soon as the application object exists, the
// connection is made, or nearly, by the time the first control is built: create the connector
// right after the application object.
#include <thread>

class SessionBusConnector {
 public:
  SessionBusConnector();
  ~SessionBusConnector();
  SessionBusConnector(const SessionBusConnector&) = delete;
  SessionBusConnector& operator=(const SessionBusConnector&) = delete;

 private:
  std::thread thread_;
};
