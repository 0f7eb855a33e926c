// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/QuitSignals.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/StandardErrorDialogs.h"

namespace {

constexpr int kQuitSignals[] = {SIGTERM, SIGINT, SIGHUP};
int wakeFds[2] = {-1, -1};  // [0] written by the handler, [1] read by the event loop

void OnQuitSignal(int signal) {
  // Only async-signal-safe work here: one byte to the event loop, and the default action back
  // so that a second signal ends a program that cannot close.
  const unsigned char byte = static_cast<unsigned char>(signal);
  [[maybe_unused]] const ssize_t written = ::write(wakeFds[0], &byte, 1);
  for (int s : kQuitSignals) std::signal(s, SIG_DFL);
}

void DismissDialogs() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isVisible()) dialog->reject();
}

}  // namespace

void CloseMainFormForSignal(int signal) {
  SetDialogService(std::make_unique<StandardErrorDialogs>());
  DismissDialogs();
  TForm* form = Application().MainForm;
  if (form) form->Perform(WM_CLOSE);
  if (form && form->Visible()) {
    std::fprintf(stderr, "lumetra: ending on signal %d; the working state was not saved\n", signal);
    Application().Terminate(1);
    return;
  }
  Application().Terminate();
}

void CloseMainFormOnQuitSignals() {
  if (wakeFds[0] >= 0) return;
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, wakeFds) != 0) {
    std::perror("lumetra: cannot watch for quit signals");
    return;
  }
  auto* notifier = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier] {
    unsigned char signal = 0;
    if (::read(wakeFds[1], &signal, 1) != 1) return;
    notifier->setEnabled(false);  // one close; a second signal takes the default action
    CloseMainFormForSignal(signal);
  });
  struct sigaction action {};
  action.sa_handler = OnQuitSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int s : kQuitSignals) sigaction(s, &action, nullptr);
}
