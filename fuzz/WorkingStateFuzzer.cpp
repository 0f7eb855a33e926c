// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Any bytes as the working state "lw1.ini", restored into the console window as at start-up:
// the restore either completes or stops with an I/O error, the caption list then holds the
// caption lines that were read one for one (so every line keeps its own settings), and the first
// line can still be drawn as a send draws it.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "FuzzSupport.h"
#include "console/Unit1.h"
#include "platform/InOutError.h"
#include "platform/TextFile.h"
#include "show/CaptionLines.h"
#include "show/SettingsFile.h"
#include "show/ShowDocument.h"
#include "show/WorkingState.h"
#include "wire/LedFrame.h"

namespace {

struct Console {
  QTemporaryDir folder;
  std::unique_ptr<TForm1> form;

  Console() {
    // The state is restored from the current folder; the per-user folder stays empty.
    QDir::setCurrent(folder.path());
    qputenv("XDG_CONFIG_HOME", QDir(folder.path()).filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_STATE_HOME", QDir(folder.path()).filePath(QStringLiteral("state")).toLocal8Bit());
    form = std::make_unique<TForm1>(folder.path());
  }
};

Console& TheConsole() {
  EnsureApplication();
  static Console* console = new Console;  // never destroyed, as the application
  return *console;
}

}  // namespace

// The window is made once, before the first input, so that its start-up is not timed as one.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  TheConsole();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Console& console = TheConsole();
  const QByteArray bytes = FuzzInput(data, size);
  {
    QFile file(QDir(console.folder.path()).filePath(QLatin1String(kWorkingStateFileName)));
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
            "the working state can be written for the harness");
  }
  TForm1& form = *console.form;
  try {
    form.FormShow();
  } catch (const EInOutError&) {
  }
  // The same bytes read into a show without a window: the caption list must hold its lines one
  // for one (as one line each; and it shows a no-break space as a plain space).
  ShowDocument show;
  TTextReader reader(bytes);
  try {
    ReadSettings(reader, show);
  } catch (const EInOutError&) {
  }
  QStringList expected;
  for (const QString& line : show.Lines) expected << AsOneCaptionLine(line).replace(QChar::Nbsp, u' ');
  Require(form.CaptionLines() == expected, "the caption list holds exactly the lines read");
  if (!show.Lines.isEmpty()) {
    TBitmap frame = CreateLedFrame();
    RenderCentred(frame, form.CaptionFont, show.Lines.first());
  }
  return 0;
}
