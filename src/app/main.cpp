// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The console: one window, everything on the GUI thread (only the font configuration is read and
// the session bus reached on threads of their own while the application starts).
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "console/FormRemoteControl.h"
#include "console/Unit1.h"
#include "keeping/ConsoleStateFolder.h"
#include "keeping/StartLosses.h"
#include "platform/Application.h"
#include "platform/FontConfigurationLoader.h"
#include "platform/InstalledLayout.h"
#include "platform/OpenFileLimit.h"
#include "platform/ProgramIcon.h"
#include "platform/ProgramVersion.h"
#include "platform/QtTranslations.h"
#include "platform/QuitSignals.h"
#include "platform/SessionBusConnector.h"
#include "platform/StandardErrorDialogs.h"
#include "platform/WindowSystem.h"
#include "remote/ConsoleOptions.h"
#include "remote/GoGuard.h"
#include "remote/LoadWebPages.h"
#include "remote/MidiStart.h"
#include "remote/OscStart.h"
#include "remote/TrackStart.h"

int main(int argc, char** argv) {
  if (PrintVersionIfAsked(argc, argv, "lumetra")) return 0;
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const ConsoleOptions options =
      ReadConsoleOptions(arguments, ConsoleEnvironmentNow());
  if (options.help) {
    std::fputs(ConsoleUsage().toLocal8Bit().constData(), stdout);
    return 0;
  }
  // Whatever the web pages' connections take, the sign's send, the send log and the recovery
  // copy must find a file: the pages' share is bounded below the raised limit.
  RaiseOpenFileLimit();
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
  FormRemoteControl console(form);
  GuardedRemoteControl remote(console);  // every remote input's GO behind the one guard
  OscServer cues(remote);
  // What the start left the console without, told once in the window as well.
  StartLosses losses;
  if (ListenForCues(cues, options, losses)) remote.InputOn();
  MidiInput midi(remote);
  WatchMidiDevice(midi, options, losses);
  if (midi.Watching()) remote.InputOn();
  // The tracks' files are read and their bad inputs told now; their sends come with the window's.
  form.Tracks = LoadTracksAtStart(options, form.PortNumber(), losses).tracks;
  const std::unique_ptr<WebPages> web =
      LoadWebPages(WebPagesModulePaths(QApplication::applicationDirPath(), QStringLiteral(LUMETRA_WEB_MODULE_NAME),
                                       QStringLiteral(LUMETRA_WEB_MODULE_FROM_BINDIR)),
                   options, form, remote, losses);
  // A start that found no copy left behind takes the recovery copy up once the window is up, in
  // a zero timer the window's showing posted before this one: only then is its loss known.
  QTimer::singleShot(0, &app, [&] {
    NoteStateFolderLosses(losses, form.Recovery.Active(), ConsoleStateFolder());
    if (!losses.Empty()) form.TellOnceShown(losses.Notice());
  });
  const int status = Application().Run();
  const std::pair<qint64, const char*> counts[] = {
      {cues.Ignored(), "OSC datagrams ignored (not OSC, or not a /lumetra/ address)"},
      {cues.Unlisted(), "OSC datagrams dropped unanswered: their senders are not in --osc-allow"},
      {cues.Dropped(), "OSC datagrams dropped: too many cues waiting"},
      {cues.Overflowed(), "OSC datagrams lost in the kernel: the receive buffer was full"},
      {midi.Ignored(), "MIDI messages ignored (not MIDI Show Control for this console, or a command it does not take)"},
      {midi.Reader().Unfinished(), "MIDI messages dropped unfinished: a status byte came before their end"},
      {midi.Reader().Oversized(), "MIDI system exclusive messages dropped: longer than 1 KiB"},
      {midi.Reader().Stray(), "MIDI data bytes ignored: no status byte to belong to"},
      {midi.Dropped(), "MIDI messages dropped: too many cues waiting"},
  };
  for (const auto& [count, what] : counts)
    if (count > 0) SayOnStandardError(QStringLiteral("%1 %2").arg(count).arg(QLatin1String(what)));
  return status;
}
