// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/WebServer.h"

#include <QMetaObject>

namespace {

WebAccess Offering(WebAccess access, const WebControl& control) {
  access.controlOffered = control.Offered();
  return access;
}

}  // namespace

WebServer::WebServer(WebControl& control, WebAccess access, WebLimits limits)
    : control_(control), loop_(*this, Offering(std::move(access), control), limits) {}

WebServer::~WebServer() = default;

bool WebServer::Listen(const OscEndpoint& endpoint, QString& error) { return loop_.Listen(endpoint, error); }

void WebServer::Publish(WebView view, const QByteArray& message, Keep keep) { loop_.Publish(view, message, keep); }

WebPageInput::Reply WebServer::Arrived(const WebPageMessage& message) {
  // On the server's thread: what needs no console is answered there, so that the audience's
  // network never reaches the window's event loop.
  const std::optional<WebControlMessage> read = ReadWebControlMessage(message.text);
  if (const std::optional<WebControlResult> decided =
          WebControlDecidedAtOnce(read, control_.Offered(), message.sender)) {
    if (decided->outcome == WebControlOutcome::Ignored) ++ignored_;
    return {decided->answer, false};
  }
  QMetaObject::invokeMethod(&window_, [this, message] { Handle(message); }, Qt::QueuedConnection);
  return {{}, true};
}

void WebServer::Handle(const WebPageMessage& message) {
  // A message box a control's handler opens runs an event loop of its own: a control arriving
  // meanwhile is refused rather than run inside the one before.
  if (handling_) {
    const std::optional<WebControlMessage> control = ReadWebControlMessage(message.text);
    loop_.Answer(message.page, WebRefusedMessage(control->command, "busy"));
    return;
  }
  handling_ = true;
  const WebControlResult result =
      control_.Handle(message.text, message.arrival, QStringLiteral("web ") + message.peer);
  handling_ = false;
  loop_.Answer(message.page, result.answer);
}
