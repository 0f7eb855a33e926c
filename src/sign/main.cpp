// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// lumetra-sign: a stand-in for the sign, for rehearsals and tests.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <memory>

#include "platform/ProgramVersion.h"
#include "platform/WindowSystem.h"
#include "sign/HeadlessReport.h"
#include "sign/SignLineReader.h"
#include "sign/SignOptions.h"
#include "sign/SignTranslations.h"
#include "sign/SignWindow.h"

namespace {

void Print(std::FILE* stream, const QByteArray& line) {
  std::fwrite(line.constData(), 1, std::size_t(line.size()), stream);
  std::fflush(stream);
}

void Complain(const QString& what) { Print(stderr, "lumetra-sign: " + what.toLocal8Bit() + '\n'); }

// Reports count from 0 in the order they arrive; the pages are on disk before the JSON line
// that announces them.
void ReportWithoutWindow(SignLineReader& reader, const QString& pngFolder, bool json) {
  QObject::connect(&reader, &SignLineReader::Reported,
                   [pngFolder, json, index = 0](const PacketReport& report) mutable {
                     if (!pngFolder.isEmpty()) {
                       const QString failed = WritePagePngs(pngFolder, index, report);
                       if (!failed.isEmpty()) Complain(QStringLiteral("cannot write %1").arg(failed));
                     }
                     ++index;
                     if (json) Print(stdout, ReportJsonLine(report));
                   });
}

}  // namespace

int main(int argc, char** argv) {
  if (PrintVersionIfAsked(argc, argv, "lumetra-sign")) return 0;
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  SignOptions options;
  QString message;
  switch (ParseSignOptions(arguments, options, message)) {
    case SignCommand::Help: Print(stdout, message.toLocal8Bit()); return 0;
    case SignCommand::Error: Print(stderr, message.toLocal8Bit() + '\n'); return 1;
    case SignCommand::Run: break;
  }

  if (!options.headless) ChooseWindowSystem(argc, argv, "lumetra-sign");
  const std::unique_ptr<QCoreApplication> app =
      options.headless ? std::make_unique<QCoreApplication>(argc, argv) : std::make_unique<QApplication>(argc, argv);
  if (!options.pngFolder.isEmpty() && !QDir().mkpath(options.pngFolder)) {
    Complain(QStringLiteral("cannot make the folder %1").arg(options.pngFolder));
    return 1;
  }
  SignLineReader reader;
  reader.StallAfter(options.stallAfter);
  if (!(options.device.isEmpty() ? reader.OpenPty() : reader.OpenDevice(options.device))) {
    Complain(reader.ErrorString());
    return 1;
  }
  Print(stdout, reader.DevicePath().toLocal8Bit() + '\n');

  ReportWithoutWindow(reader, options.pngFolder, options.headless);
  QObject::connect(&reader, &SignLineReader::Stalled,
                   [](std::int64_t bytes) { Complain(QStringLiteral("stopped reading after %1 bytes").arg(bytes)); });
  std::unique_ptr<SignWindow> window;
  if (options.headless) {
    QObject::connect(&reader, &SignLineReader::Ended, [](const QString& why) {
      Complain(QStringLiteral("the line ended: %1").arg(why));
      QCoreApplication::exit(0);
    });
  } else {
    InstallSignTranslations(QCoreApplication::applicationDirPath());
    window = std::make_unique<SignWindow>(reader.DevicePath());
    QObject::connect(&reader, &SignLineReader::Reported, window.get(), &SignWindow::Receive);
    QObject::connect(&reader, &SignLineReader::Stalled, window.get(), &SignWindow::ShowStalled);
    QObject::connect(&reader, &SignLineReader::Ended, window.get(), &SignWindow::ShowEnded);
    window->show();
  }
  return app->exec();
}
