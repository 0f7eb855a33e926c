// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/WebControl.h"

#include <iterator>

namespace {

// What the page is told of a refusal the console made, by its kind.
constexpr const char* kRefusalReasons[] = {"",         "double trigger", "no line",     "no mode",
                                           "too many pages", "too long",  "bad argument"};
static_assert(std::size(kRefusalReasons) == kRemoteRefusalCount);

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

WebControlResult WebControl::Handle(QByteArrayView message, RemoteClock::time_point arrival, const QString& source) {
  const std::optional<WebControlMessage> control = ReadWebControlMessage(message);
  if (const std::optional<WebControlResult> decided = WebControlDecidedAtOnce(control, Offered(), {}))
    return *decided;
  if (!KeyMatches(control->key)) return Refused(control->command, "key");
  RemoteResult done;
  switch (control->command) {
    case WebCommand::Go: done = target_.Go(arrival, source); break;
    case WebCommand::Back: done = target_.Previous(); break;
    case WebCommand::Blank: done = target_.Blank(source); break;
  }
  if (done.Refused()) return Refused(control->command, kRefusalReasons[std::size_t(done.refusal)]);
  return {WebControlOutcome::Done, {}};
}
