// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Follows the console for the web pages from outside its window: each send as the window reports
// it, and the play list, the caption list's edits and the mode selector through their own
// signals. A send goes out at once, to the stage's view with its first and last page and to the
// audience's as its text alone; the changes one action makes are gathered into one state message
// for the stage once the action is over, and a state equal to the last is not sent again.
#include <QByteArray>
#include <QTimer>
#include <array>

#include "keeping/SendLog.h"
#include "remote/WebMessages.h"
#include "remote/WebServer.h"

class TForm1;

class WebConsoleWatch {
 public:
  WebConsoleWatch(TForm1& form, WebServer& server);
  ~WebConsoleWatch();

  // Where the show stands now.
  WebState StateNow() const;
  // What the sign received: the packed frames of the send's first and last page.
  WebSend SendOf(const SendRecord& record) const;

 private:
  void StateChanged();
  void PublishState();
  void PublishSend(const SendRecord& record);
  qint64 NextSeq(WebView view) { return ++seq_[std::size_t(view)]; }

  TForm1& form_;
  WebServer& server_;
  QTimer gather_;
  std::array<qint64, kWebViews> seq_{};
  QByteArray lastState_;  // without its seq
};
