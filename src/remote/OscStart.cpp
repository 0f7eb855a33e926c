// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/OscStart.h"

#include "platform/StandardErrorDialogs.h"

namespace {

// The endpoint, or nullopt with `error` for standard error and `loss` for the operator.
std::optional<OscEndpoint> EndpointToListen(const ConsoleOptions& options, std::optional<OscAllowList>& allowed,
                                            QString& error, QString& loss) {
  if (!options.oscAllow.isEmpty()) {
    allowed = OscAllowList::Parse(options.oscAllow, error);
    if (!allowed) {
      error = QStringLiteral("--osc-allow: ") + error;
      return std::nullopt;
    }
  }
  const std::optional<OscEndpoint> endpoint = ParseOscEndpoint(options.osc, error);
  if (endpoint && !IsLoopback(*endpoint) && !allowed) {
    const QString where = OscEndpointText(reinterpret_cast<const sockaddr*>(&endpoint->address), endpoint->length);
    error = QStringLiteral("%1 is beyond this machine, and no --osc-allow names who may cue").arg(where);
    loss = QStringLiteral("OSC 地址 %1 不限于本机，但 --osc-allow 没有列出允许的提示系统：已拒绝接收，提示系统的 GO 不会起作用。")
               .arg(where);
    return std::nullopt;
  }
  return endpoint;
}

}  // namespace

bool ListenForCues(OscServer& server, const ConsoleOptions& options, StartLosses& losses) {
  if (!options.error.isEmpty()) {
    SayOnStandardError(options.error + QStringLiteral("; running without OSC"));
    losses.Add(QStringLiteral("OSC 提示设置有误（%1）：本控制台不接收提示。").arg(options.error));
    return false;
  }
  if (options.osc.isEmpty()) return false;
  QString error;
  QString loss;
  std::optional<OscAllowList> allowed;
  const std::optional<OscEndpoint> endpoint = EndpointToListen(options, allowed, error, loss);
  server.AllowOnly(allowed);
  if (endpoint && server.Listen(*endpoint, error)) {
    SayOnStandardError(QStringLiteral("listening for OSC cues on %1 (receive buffer %2 KiB)")
                           .arg(server.Address())
                           .arg(server.ReceiveBufferBytes() / 1024));
    return true;
  }
  SayOnStandardError(QStringLiteral("--osc %1: %2; running without OSC").arg(options.osc, error));
  losses.Add(loss.isEmpty() ? QStringLiteral("无法在 %1 接收 OSC 提示（%2）：提示系统的 GO 不会起作用。").arg(options.osc, error)
                            : loss);
  return false;
}
