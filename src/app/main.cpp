// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The console: one window, everything on the GUI thread (only the font configuration is read and
// the session bus reached on threads of their own while the application starts).
#include <QApplication>
#include <cstdio>

#include "console/ConsoleOptions.h"
#include "console/FormRemoteControl.h"
#include "remote/OscServer.h"
#include "remote/WebPages.h"
#include "console/Unit1.h"
#include "platform/Application.h"
#include "platform/FontConfigurationLoader.h"
#include "platform/InstalledLayout.h"
#include "platform/ProgramIcon.h"
#include "platform/ProgramVersion.h"
#include "platform/QtTranslations.h"
#include "platform/QuitSignals.h"
#include "platform/SessionBusConnector.h"
#include "platform/StandardErrorDialogs.h"
#include "platform/WindowSystem.h"

namespace {

// The OSC server when the operator asked for it; a bad value or a port in use is told in one line
// and the console runs without it.
void ListenForCues(OscServer& server, const ConsoleOptions& options) {
  if (options.osc.isEmpty()) return;
  QString error;
  const std::optional<OscEndpoint> endpoint = ParseOscEndpoint(options.osc, error);
  if (endpoint && server.Listen(*endpoint, error)) {
    SayOnStandardError(QStringLiteral("listening for OSC cues on %1").arg(server.Address()));
    return;
  }
  SayOnStandardError(QStringLiteral("--osc %1: %2; running without OSC").arg(options.osc, error));
}

}  // namespace

int main(int argc, char** argv) {
  if (PrintVersionIfAsked(argc, argv, "lumetra")) return 0;
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const ConsoleOptions options =
      ReadConsoleOptions(arguments, qEnvironmentVariable("LUMETRA_OSC"), qEnvironmentVariable("LUMETRA_WEB"));
  if (options.help) {
    std::fputs(ConsoleUsage().toLocal8Bit().constData(), stdout);
    return 0;
  }
  if (!options.error.isEmpty()) SayOnStandardError(options.error + QStringLiteral("; running without OSC"));
  ChooseWindowSystem(argc, argv, "lumetra");
  DisableSessionBusLaunch();
  FontConfigurationLoader fontConfiguration;
  QApplication app(argc, argv);
  const SessionBusConnector sessionBus;
  fontConfiguration.Wait();
  QApplication::setStyle(QStringLiteral("Fusion"));
  InstallQtTranslations();
  CloseMainFormOnQuitSignals();
  Application().Title = QStringLiteral("Lumetra");
  QApplication::setApplicationDisplayName(QString());
  QApplication::setApplicationName(QStringLiteral("lumetra"));
  // Lets the desktop match the window to its menu entry; the installed icon (none in a build
  // folder) also marks the frame.
  QGuiApplication::setDesktopFileName(QStringLiteral("lumetra"));
  QApplication::setWindowIcon(InstalledProgramIcon(QApplication::applicationDirPath(),
                                                   DataFromProgram(), QStringLiteral("lumetra")));
  TForm1 form;
  Application().MainForm = &form;
  form.Show();
  FormRemoteControl remote(form);
  GoGuard goGuard;  // one for every remote input
  OscServer cues(remote, &goGuard);
  ListenForCues(cues, options);
  const std::unique_ptr<WebPages> web = StartWebPages(options, form, remote, goGuard);
  const int status = Application().Run();
  if (cues.Ignored() > 0)
    SayOnStandardError(QStringLiteral("%1 OSC datagrams ignored (unknown address, wrong arguments or not OSC)").arg(cues.Ignored()));
  return status;
}
