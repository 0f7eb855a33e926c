// lumetra-cli send: sends a caption to the sign as the console does.
#include "cli/CaptionOptions.h"
#include "cli/CliCommand.h"
#include "console/LedFrame.h"
#include "console/PortNumber.h"
#include "console/SignLink.h"

namespace {

int RunSend(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Sends TEXT to the sign through serial port com<N> (or the device at PATH), as a double-click\n"
      "in the console's play list does."));
  parser.addPositionalArgument(QStringLiteral("TEXT"), QStringLiteral("The caption."));
  parser.addOption({QStringLiteral("port"), QStringLiteral("Port number N of com<N>, 1..255."), QStringLiteral("N")});
  parser.addOption({QStringLiteral("device"), QStringLiteral("Serial device to use instead."), QStringLiteral("PATH")});
  AddModeOption(parser);
  AddCaptionFontOptions(parser);
  if (!ParseCommandLine(parser, arguments, 1)) return 0;
  const bool byPort = parser.isSet(QStringLiteral("port")), byDevice = parser.isSet(QStringLiteral("device"));
  if (byPort == byDevice) throw CliError(QStringLiteral("give either --port N or --device PATH"));
  const int port = IntOption(parser, QStringLiteral("port"), 1);
  if (port != ClampPortNumber(port)) throw CliError(QStringLiteral("--port must be %1..%2").arg(kMinPortNumber).arg(kMaxPortNumber));

  const QString caption = CaptionArgument(parser);
  TBitmap frame = CreateLedFrame();
  RenderCentred(frame, CaptionFontFromOptions(parser), caption);
  const SignSendResult result =
      SendToSign(frame, caption, ModeFromOptions(parser), port, parser.value(QStringLiteral("device")));
  if (!result.complete) throw CliError(QStringLiteral("Com error: ") + result.error);
  return 0;
}

const CliRegistration registration{{"send", "Send a caption to the sign", RunSend}};

}  // namespace
