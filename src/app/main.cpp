// The console: one window, everything on the GUI thread.
#include <QApplication>

#include "console/Unit1.h"
#include "platform/Application.h"
#include "platform/QtTranslations.h"
#include "platform/QuitSignals.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  InstallQtTranslations();
  CloseMainFormOnQuitSignals();
  Application().Title = QStringLiteral("Lumetra");
  QApplication::setApplicationDisplayName(QString());
  QApplication::setApplicationName(QStringLiteral("lumetra"));
  TForm1 form;
  Application().MainForm = &form;
  form.Show();
  return Application().Run();
}
