// The console: one window, everything on the GUI thread (only the font configuration is read and
// the session bus reached on threads of their own while the application starts).
#include <QApplication>

#include "console/Unit1.h"
#include "platform/Application.h"
#include "platform/FontConfigurationLoader.h"
#include "platform/InstalledLayout.h"
#include "platform/ProgramIcon.h"
#include "platform/ProgramVersion.h"
#include "platform/QtTranslations.h"
#include "platform/QuitSignals.h"
#include "platform/SessionBusConnector.h"
#include "platform/WindowSystem.h"

int main(int argc, char** argv) {
  if (PrintVersionIfAsked(argc, argv, "lumetra")) return 0;
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
  return Application().Run();
}
