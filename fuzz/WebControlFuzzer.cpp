// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Any bytes as a message from a web page: the control never crashes, acts only on a message that
// carries the console's key when the console offers control, does nothing for a message it
// ignores or refuses, answers every refusal with a JSON object, and a repeated go is a double
// trigger. What the server decides alone it never runs, and it hands on only what the console may
// run. The first byte's low bit tells whether the console offers control; the next two whether the
// page's address may not control and whether too many of its controls wait.
#include <QJsonDocument>

#include "CheckingControl.h"
#include "FuzzSupport.h"
#include "remote/GoGuard.h"
#include "remote/WebControl.h"
#include "remote/WebMessages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const QString key = QStringLiteral("0123456789abcdef0123456789abcdef");
  const bool offered = data[0] & 1;
  CheckingControl console(3);
  GuardedRemoteControl guarded(console);
  WebControl control(guarded, offered ? key : QString());
  const QByteArray message = FuzzInput(data + 1, size - 1);
  const QString source = QStringLiteral("web 127.0.0.1:9");

  const RemoteClock::time_point at{std::chrono::seconds(1)};
  const WebControlResult first = control.Handle(message, at, source);
  Require(first.outcome == WebControlOutcome::Done || console.calls == 0, "a message not done does nothing");
  const std::optional<WebControlMessage> read = ReadWebControlMessage(message);
  Require(first.outcome != WebControlOutcome::Done || (offered && read && read->key == key),
          "only a message with the key acts, and only when control is offered");
  Require((first.outcome == WebControlOutcome::Refused) == QJsonDocument::fromJson(first.answer).isObject(),
          "a refusal, and only a refusal, is answered with a JSON object");
  const WebSender sender{!(data[0] & 2), bool(data[0] & 4)};
  const std::optional<WebControlResult> atOnce = WebControlDecidedAtOnce(read, offered, sender);
  Require(!atOnce || atOnce->outcome != WebControlOutcome::Done, "the server alone never runs a control");
  Require(atOnce.has_value() != (read && offered && sender.listed && !sender.backlogged),
          "the server hands on every control the console may run, and only those");
  const int gos = console.gos;
  const WebControlResult again = control.Handle(message, at + std::chrono::milliseconds(kDoubleTriggerMs - 1), source);
  Require(console.gos == gos, "a go right after a go is a double trigger");
  Require((first.outcome == WebControlOutcome::Ignored) == (again.outcome == WebControlOutcome::Ignored),
          "whether a message is ignored does not change");
  return 0;
}
