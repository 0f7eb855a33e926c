// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/WindowSystem.h"

#include <QGuiApplication>
#include <cstdio>

namespace {

bool PlatformArgumentGiven(const QStringList& arguments) {
  for (qsizetype i = 1; i < arguments.size(); ++i)
    if (arguments[i] == QLatin1String("-platform") || arguments[i] == QLatin1String("--platform")) return true;
  return false;
}

}  // namespace

TPlatformChoice ChoosePlatform(const TPlatformSession& session) {
  if (session.WaylandDisplay.isEmpty() || !session.QpaPlatform.isEmpty() || PlatformArgumentGiven(session.Arguments))
    return {};
  if (!session.Display.isEmpty())
    return {"xcb", QStringLiteral("starting on X (XWayland) in this Wayland session: the skinned window and its "
                                  "menus place themselves on the screen, which Wayland leaves to the compositor "
                                  "(QT_QPA_PLATFORM=wayland runs on Wayland all the same)")};
  return {"wayland", QStringLiteral("no X display in this Wayland session: running on Wayland, where the "
                                    "compositor places the window and runs its moves")};
}

void ChooseWindowSystem(int argc, char** argv, const char* program) {
  TPlatformSession session{qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"), qgetenv("QT_QPA_PLATFORM"), {}};
  for (int i = 0; i < argc; ++i) session.Arguments << QString::fromLocal8Bit(argv[i]);
  const TPlatformChoice choice = ChoosePlatform(session);
  if (choice.Platform.isEmpty()) return;
  qputenv("QT_QPA_PLATFORM", choice.Platform);
  std::fprintf(stderr, "%s: %s\n", program, choice.Reason.toLocal8Bit().constData());
}

bool WindowSystemPlacesWindows() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }
