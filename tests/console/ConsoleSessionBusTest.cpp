// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Where no session bus runs, the console starts without asking anyone to launch one (a launch
// attempt forks the program at start-up); a bus that runs is still used.
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "platform/SessionBusConnector.h"
#include "support/ConsoleProcess.h"
#include "support/FileBytes.h"

namespace {

// A bus launcher found first on the search path, which notes that it was started and fails.
QProcessEnvironment EnvironmentWithRecordingLauncher() {
  QDir().mkpath(QStringLiteral("bin"));
  QDir().mkpath(QStringLiteral("runtime"));
  const QString launcher = QStringLiteral("bin/dbus-launch");
  WriteBytes(launcher, "#!/bin/sh\necho started >> \"$(dirname \"$0\")/../launcher-started\"\nexit 1\n");
  QFile::setPermissions(launcher, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("PATH"),
                     QDir::current().filePath(QStringLiteral("bin")) + u':' + environment.value(QStringLiteral("PATH")));
  environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QDir::current().filePath(QStringLiteral("runtime")));
  environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
  // The bus library looks for a launcher only on an X display (the console itself runs offscreen).
  environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":99"));
  return environment;
}

// Starts the console in `environment` and ends it: by then it has asked for the session bus.
void StartAndEndConsole(const QProcessEnvironment& environment) {
  ConsoleProcess console;
  console.process.setProcessEnvironment(environment);
  ASSERT_TRUE(console.StartAndWaitForHandlers());
  ASSERT_TRUE(console.Stop());
  EXPECT_EQ(console.process.exitCode(), 0);
}

// A listening socket at `path`, as a running bus has; closed when the test ends.
class ListeningSocket {
 public:
  explicit ListeningSocket(const QByteArray& path) : fd_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
    listening_ = fd_ >= 0 && ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                 ::listen(fd_, 1) == 0;
  }
  ~ListeningSocket() {
    if (fd_ >= 0) ::close(fd_);
  }
  bool Listening() const { return listening_; }

 private:
  int fd_;
  bool listening_ = false;
};

// Restores one environment variable when the test ends.
class SavedVariable {
 public:
  explicit SavedVariable(const char* name) : name_(name), set_(qEnvironmentVariableIsSet(name)), value_(qgetenv(name)) {}
  ~SavedVariable() { set_ ? qputenv(name_, value_) : qunsetenv(name_); }

 private:
  const char* name_;
  bool set_;
  QByteArray value_;
};

}  // namespace

TEST(ConsoleSessionBus, WithoutABusTheConsoleStartsWithoutLaunchingOne) {
  // The bus library tries its own folder's launcher before the search path.
  if (QFile::exists(QStringLiteral("/usr/bin/dbus-launch")))
    GTEST_SKIP() << "a bus launcher is installed; the recording one on the search path would not be tried";
  StartAndEndConsole(EnvironmentWithRecordingLauncher());
  EXPECT_FALSE(QFile::exists(QStringLiteral("launcher-started")));

  // The same launcher is started when the bus library is told to launch a bus.
  QProcessEnvironment launching = EnvironmentWithRecordingLauncher();
  launching.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("autolaunch:"));
  StartAndEndConsole(launching);
  EXPECT_TRUE(QFile::exists(QStringLiteral("launcher-started")));
}

TEST(ConsoleSessionBus, OnlyAMissingBusIsMarkedDisabled) {
  const SavedVariable address("DBUS_SESSION_BUS_ADDRESS"), runtime("XDG_RUNTIME_DIR");
  ASSERT_TRUE(QDir().mkpath(QStringLiteral("runtime")));
  qputenv("XDG_RUNTIME_DIR", QDir::current().filePath(QStringLiteral("runtime")).toLocal8Bit());

  qunsetenv("DBUS_SESSION_BUS_ADDRESS");
  DisableSessionBusLaunch();
  EXPECT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS"), "disabled:");

  // An address given is kept, whatever it names.
  qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/somewhere/bus");
  DisableSessionBusLaunch();
  EXPECT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS"), "unix:path=/somewhere/bus");

  // The per-user bus socket is found by the library itself; a plain file of that name is no bus.
  qunsetenv("DBUS_SESSION_BUS_ADDRESS");
  WriteBytes(QStringLiteral("runtime/bus"), "");
  DisableSessionBusLaunch();
  EXPECT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS"), "disabled:");

  qunsetenv("DBUS_SESSION_BUS_ADDRESS");
  QFile::remove(QStringLiteral("runtime/bus"));
  const ListeningSocket bus(QDir::current().filePath(QStringLiteral("runtime/bus")).toLocal8Bit());
  ASSERT_TRUE(bus.Listening());
  DisableSessionBusLaunch();
  EXPECT_FALSE(qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"));
}
