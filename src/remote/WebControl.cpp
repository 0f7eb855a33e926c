// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/WebControl.h"

namespace {

WebControlResult Refused(WebCommand command, const char* reason) {
  return {WebControlOutcome::Refused, WebRefusedMessage(command, reason)};
}

}  // namespace

std::optional<WebControlResult> WebControlDecidedAtOnce(const std::optional<WebControlMessage>& control,
                                                        bool offered, WebSender sender) {
  if (!control) return WebControlResult{};
  if (!offered) return Refused(control->command, "control off");
  if (!sender.listed) return Refused(control->command, "address");
  if (sender.backlogged) return Refused(control->command, "busy");
  return std::nullopt;
}

bool WebControl::KeyMatches(const QString& key) const {
  // Every byte compared whatever the first difference: the time of an answer tells nothing of
  // how much of a guessed key was right.
  const QByteArray given = key.toLatin1();
  unsigned char difference = given.size() == key_.size() ? 0 : 1;
  for (qsizetype i = 0; i < key_.size(); ++i)
    difference |= static_cast<unsigned char>(key_[i] ^ (i < given.size() ? given[i] : 0));
  return difference == 0;
}

WebControlResult WebControl::Handle(QByteArrayView message, qint64 arrivalMs, const QString& source) {
  const std::optional<WebControlMessage> control = ReadWebControlMessage(message);
  if (const std::optional<WebControlResult> decided = WebControlDecidedAtOnce(control, Offered(), {}))
    return *decided;
  if (!KeyMatches(control->key)) return Refused(control->command, "key");
  switch (control->command) {
    case WebCommand::Go:
      if (!goGuard_.Admit(arrivalMs)) return Refused(control->command, "double trigger");
      target_.Go(source);
      break;
    case WebCommand::Back: target_.Previous(); break;
    case WebCommand::Blank: target_.Blank(source); break;
  }
  return {WebControlOutcome::Done, {}};
}
