// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The web pages' server as the window sees it: the pages are served on a thread of their own
// (WebServerLoop), and the window publishes to them and takes their controls on its own thread.
// A page's control that the server cannot decide alone runs here, on the window's event loop, as
// the operator's own handler, like an OSC cue; its answer goes back to that page only.
#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <atomic>
#include <memory>

#include "remote/OscEndpoint.h"
#include "remote/WebControl.h"
#include "remote/WebServerLoop.h"

class WebServer : private WebPageInput {
 public:
  using Keep = WebKeep;
  // `access.controlOffered` follows `control`.
  WebServer(WebControl& control, WebAccess access = {}, WebLimits limits = WebLimitsOfThisProcess());
  ~WebServer() override;

  // Starts listening; false with `error` saying why in one line.
  bool Listen(const OscEndpoint& endpoint, QString& error);
  QHostAddress Host() const { return loop_.Host(); }
  quint16 Port() const { return loop_.Port(); }

  // To every page of `view`; kept for pages that open later when `keep` says so.
  void Publish(WebView view, const QByteArray& message, Keep keep);
  WebServerCounts Counts() const { return loop_.Counts(); }
  // Messages from pages that were no control.
  qint64 Ignored() const { return ignored_; }

 private:
  Reply Arrived(const WebPageMessage& message) override;
  void Handle(const WebPageMessage& message);

  WebControl& control_;
  QObject window_;  // lives on the window's thread: where a handed-on control runs
  bool handling_ = false;
  std::atomic<qint64> ignored_{0};
  WebServerLoop loop_;  // last: its thread ends before the rest goes
};
