// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A page on the console's live WebSocket, as a test sees it: every message it was sent, in order.
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
