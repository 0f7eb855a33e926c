// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "sign/SignOptions.h"

#include <QCommandLineParser>

SignCommand ParseSignOptions(const QStringList& arguments, SignOptions& options, QString& message) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("A stand-in for the sign: listens where the console sends, decodes every display packet and\n"
                     "shows what the sign would show (a simulation: the entry effects are approximations).\n"
                     "The first line printed is the device to point the console at (LUMETRA_COM<N>)."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
  const QCommandLineOption pty(QStringLiteral("pty"), QStringLiteral("Listen on a new pseudo-terminal (the default)."));
  const QCommandLineOption device(QStringLiteral("device"),
                                  QStringLiteral("Read an existing serial device, set to the console's line."),
                                  QStringLiteral("PATH"));
  const QCommandLineOption headless(QStringLiteral("headless"),
                                    QStringLiteral("No window: print one JSON object per packet on standard output."));
  const QCommandLineOption pngs(QStringLiteral("png-dir"),
                                QStringLiteral("Write each page as packet<K>-page<I>.png (white = lit) into DIR."),
                                QStringLiteral("DIR"));
  const QCommandLineOption stall(QStringLiteral("stall-after"),
                                 QStringLiteral("Stop reading after BYTES bytes, as a sign that hangs."),
                                 QStringLiteral("BYTES"));
  parser.addOptions({help, pty, device, headless, pngs, stall});

  const auto fail = [&](const QString& why) {
    message = QStringLiteral("lumetra-sign: %1 (see --help)").arg(why);
    return SignCommand::Error;
  };
  if (!parser.parse(arguments)) return fail(parser.errorText());
  if (parser.isSet(help)) {
    // Without an application object the parser cannot name the program itself.
    message = parser.helpText();
    message.replace(0, message.indexOf(QStringLiteral(" [options]")), QStringLiteral("Usage: lumetra-sign"));
    return SignCommand::Help;
  }
  if (!parser.positionalArguments().isEmpty())
    return fail(QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments()[0]));
  if (parser.isSet(pty) && parser.isSet(device)) return fail(QStringLiteral("give either --pty or --device PATH"));
  options.device = parser.value(device);
  if (parser.isSet(device) && options.device.isEmpty()) return fail(QStringLiteral("--device needs a PATH"));
  options.headless = parser.isSet(headless);
  options.pngFolder = parser.value(pngs);
  if (parser.isSet(stall)) {
    bool ok = false;
    options.stallAfter = parser.value(stall).toLongLong(&ok);
    if (!ok || options.stallAfter < 0) return fail(QStringLiteral("--stall-after takes a number of bytes, 0 or more"));
  }
  return SignCommand::Run;
}
