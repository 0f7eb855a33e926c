// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A page on the console's live WebSocket, as a test sees it: every message it was sent, in order.
// Or a page of raw bytes on a socket of its own, which any thread may write to and which reads
// only when asked (a page that never reads).
#include <QJsonObject>
#include <QList>
#include <QWebSocket>
#include <memory>

struct LivePage {
  QWebSocket socket;
  QList<QJsonObject> received;
};

// A page opened on the live WebSocket of the web pages served on this machine's `port`, with the
// subscription `query` ("view=caption"; none: the stage's view).
std::unique_ptr<LivePage> OpenLivePage(quint16 port, const QString& query = {});

// A client socket of 127.0.0.1:`port` that has asked for the live WebSocket upgrade, with a receive
// buffer of `receiveBytes` (0: the system's); -1 when it cannot connect.
int OpenRawPage(quint16 port, int receiveBytes = 0);
// Sends `text` (shorter than 126 bytes) as one text frame, masked as a browser's are.
bool SendRawText(int page, const QByteArray& text);
// What has arrived on the socket so far, without waiting.
QByteArray ReadRawPage(int page);
