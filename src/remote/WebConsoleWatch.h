// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Follows the console for the web pages from outside its window: each send as the window reports
// it, and the play list, the caption list's edits and the mode selector through their own
// signals. A send goes out at once; the changes one action makes are gathered into one state
// message once the action is over, and a state equal to the last is not sent again.
#include <QByteArray>
#include <QTimer>

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
  // What the sign received: each page's packed frame of the send.
  WebSend SendOf(const SendRecord& record) const;

 private:
  void StateChanged();
  void PublishState();
  void PublishSend(const SendRecord& record);

  TForm1& form_;
  WebServer& server_;
  QTimer gather_;
  qint64 seq_ = 0;
  QByteArray lastState_;  // without its seq
};
