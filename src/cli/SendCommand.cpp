// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// lumetra-cli send: sends a caption, or one line of a show, to the sign as the console does.
#include <cstdio>

#include "cli/CaptionOptions.h"
#include "cli/CliCommand.h"
#include "keeping/ConsoleStateFolder.h"
#include "keeping/SendLog.h"
#include "show/PortNumber.h"
#include "show/ShowDocument.h"
#include "wire/LedFrame.h"
#include "wire/SerialAdvice.h"
#include "wire/SignLink.h"

namespace {

struct Caption {
  QString text;
  TFont font;
  int mode = 0;
  int port = kMinPortNumber;
  int line = 0;  // the show's line, counted from 1 as the console counts; 0 for a caption of no line
};

// A line of a show, counted from 1: its text and mode, the show's font and port.
Caption CaptionFromShow(const QCommandLineParser& parser) {
  if (!parser.positionalArguments().isEmpty()) throw CliError(QStringLiteral("give either TEXT or --show FILE"));
  for (const char* option : {"mode", "font", "height"})
    if (parser.isSet(QLatin1String(option)))
      throw CliError(QStringLiteral("--%1 does not go with --show: the show sets it").arg(QLatin1String(option)));
  if (!parser.isSet(QStringLiteral("line"))) throw CliError(QStringLiteral("--show needs --line LINE"));
  ShowDocument show;
  show.Load(parser.value(QStringLiteral("show")));
  const qsizetype count = show.Lines.size();
  const int line = IntOption(parser, QStringLiteral("line"), 0);
  if (count == 0) throw CliError(QStringLiteral("the show has no lines to send"));
  if (line < 1 || line > count)
    throw CliError(QStringLiteral("--line must be 1..%1 (counted from 1): the show has %1 lines").arg(count));
  const int index = line - 1;
  return {show.Lines[index], show.Font, show.SettingOf(index).Mode, show.Port, line};
}

// Into the console's send log, so that a show's review sees the sends made from scripts too. A
// log that cannot be written is said on standard error; the send itself stands.
void LogCliSend(const SendRecord& record) {
  SendLog log(ConsoleStateFolder(), [](const QString& message) {
    std::fprintf(stderr, "lumetra-cli send: %s\n", message.toUtf8().constData());
  });
  log.Append(record);
}

Caption CaptionFromArguments(const QCommandLineParser& parser) {
  if (parser.positionalArguments().size() != 1) throw CliError(QStringLiteral("give either TEXT or --show FILE"));
  if (parser.isSet(QStringLiteral("line"))) throw CliError(QStringLiteral("--line goes with --show"));
  return {CaptionArgument(parser), CaptionFontFromOptions(parser), ModeFromOptions(parser), kMinPortNumber};
}

// What the operator can do about a device that would not open, as a sentence to append.
QString Advice(const SignDeviceResult& sign) {
  if (sign.opened || sign.device.isEmpty()) return QString();
  const QString advice = SerialOpenAdvice(sign.device, sign.errorCode, DeviceUserGroup(sign.device));
  return advice.isEmpty() ? QString() : QStringLiteral(". ") + advice;
}

// A port of several signs: one line per sign, and a failure when any sign failed.
int ReportEachSign(const SignSendResult& result) {
  int failed = 0;
  for (const SignDeviceResult& sign : result.devices) {
    failed += sign.complete ? 0 : 1;
    PrintLine(sign.device + QStringLiteral(": ") +
              (sign.complete ? QStringLiteral("ok") : QStringLiteral("Com error: ") + DeviceFailureReason(sign.device, sign.error) + Advice(sign)));
  }
  if (failed) throw CliError(QStringLiteral("Com error: %1 of %2 signs failed").arg(failed).arg(result.devices.size()));
  return 0;
}

int RunSend(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Sends TEXT (or line LINE of a show file, counted from 1 as the console counts, with that\n"
      "line's mode and the show's font and port) to the sign through serial port com<N> or the\n"
      "device at PATH, as a double-click in the console's play list does. A port or PATH of several\n"
      "devices (comma-separated) sends to each sign at once and prints one line per device. Every\n"
      "send goes into the console's send log as one from \"cli\"."));
  parser.addPositionalArgument(QStringLiteral("TEXT"), QStringLiteral("The caption."), QStringLiteral("[TEXT]"));
  parser.addOption({QStringLiteral("show"), QStringLiteral("Show file (.lw settings or .txt captions)."), QStringLiteral("FILE")});
  parser.addOption({QStringLiteral("line"), QStringLiteral("Line of the show, counted from 1."), QStringLiteral("LINE")});
  parser.addOption({QStringLiteral("port"), QStringLiteral("Port number N of com<N>, 1..255."), QStringLiteral("N")});
  parser.addOption({QStringLiteral("device"), QStringLiteral("Serial device to use instead."), QStringLiteral("PATH")});
  AddModeOption(parser);
  AddCaptionFontOptions(parser);
  if (!ParseCommandLine(parser, arguments, -1)) return 0;

  Caption caption = parser.isSet(QStringLiteral("show")) ? CaptionFromShow(parser) : CaptionFromArguments(parser);
  const bool byPort = parser.isSet(QStringLiteral("port")), byDevice = parser.isSet(QStringLiteral("device"));
  if (byPort && byDevice) throw CliError(QStringLiteral("give either --port N or --device PATH"));
  if (!byPort && !byDevice && !parser.isSet(QStringLiteral("show")))
    throw CliError(QStringLiteral("give --port N or --device PATH"));
  if (byPort) {
    caption.port = IntOption(parser, QStringLiteral("port"), kMinPortNumber);
    if (caption.port != ClampPortNumber(caption.port))
      throw CliError(QStringLiteral("--port must be %1..%2").arg(kMinPortNumber).arg(kMaxPortNumber));
  }

  TBitmap frame = CreateLedFrame();
  RenderCentred(frame, caption.font, caption.text);
  const SignSendResult result =
      SendToSign(frame, caption.text, caption.mode, caption.port, parser.value(QStringLiteral("device")));
  LogCliSend(SendRecordOf(QStringLiteral("cli"), caption.line, caption.mode, caption.text, result));
  if (result.devices.size() > 1) return ReportEachSign(result);
  if (!result.complete)
    throw CliError(QStringLiteral("Com error: ") + result.error + (result.devices.empty() ? QString() : Advice(result.devices.front())));
  return 0;
}

const CliRegistration registration{{"send", "Send a caption, or a line of a show, to the sign", RunSend}};

}  // namespace
