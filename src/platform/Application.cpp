// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/Application.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include "platform/DialogService.h"
#include "platform/Exceptions.h"
#include "platform/Form.h"
#include "platform/Forms.h"
#include "platform/Screens.h"

TApplication& Application() {
  static TApplication application;
  return application;
}

void TApplication::ShowException(const QString& message) {
  QString text = message;
  // The runtime's rule: a message whose last character sorts after "." gets a full stop.
  if (!text.isEmpty() && text.back() > u'.') text += u'.';
  Dialogs().ShowError(Title, text);
}

void TApplication::HandleException(const std::exception& error) {
  if (const auto* e = dynamic_cast<const Exception*>(&error)) ShowException(e->Message());
  else ShowException(QString::fromLocal8Bit(error.what()));
}

bool TApplication::Guard(const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (const std::exception& error) {
    HandleException(error);
  }
  return false;
}

void TApplication::ProcessMessages() { QCoreApplication::processEvents(); }

void TApplication::Terminate(int exitCode) {
  Terminated = true;
  exitCode_ = exitCode;
  QCoreApplication::exit(exitCode);
}

int TApplication::Run() {
  if (Terminated) return exitCode_;
  const int code = QCoreApplication::exec();
  return Terminated ? exitCode_ : code;
}

// A filter that outlives Qt's application object is skipped by it once deleted.
TApplication::~TApplication() = default;

// The window system minimises each visible window; restoring shows them again and gives the
// main form the activation.
void TApplication::Minimize() {
  for (TForm* form : Forms())
    if (form->Visible()) form->Window()->showMinimized();
}

void TApplication::Restore() {
  for (TForm* form : Forms())
    if (form->Window()->isMinimized()) form->Window()->showNormal();
  if (MainForm && MainForm->Visible()) MainForm->Window()->activateWindow();
}

int ScreenWidth() { return ScreenRectOf(nullptr).width(); }
int ScreenHeight() { return ScreenRectOf(nullptr).height(); }
