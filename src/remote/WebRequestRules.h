// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Which requests the web pages' server answers at all, checked on the head alone before anything
// else is read; the first rule that applies gives the answer's status:
// 1. GET and HEAD only: 405.
// 2. No body: a Content-Length above 0, or any Transfer-Encoding: 413.
// 3. A target that is a path ("/stage?..."): else 400.
// 4. Exactly one Host (400 without), naming this machine: the address the connection reached,
//    "localhost" when that is a loopback address, or a name or address given with --web-host;
//    anything else is 421, so that a web site whose name is made to point at the console (DNS
//    rebinding) gets nothing from it.
// 5. A WebSocket upgrade whose Origin is not the page's own host is refused, 403: a page of
//    another site cannot follow or control the console. A request without Origin (a theatre's
//    own tool, not a browser) is let in.
#include <QByteArray>
#include <QHostAddress>
#include <QList>

#include "remote/WebRequestHead.h"

// The names and addresses --web-host gives, as a Host field may carry them (lower case).
using WebHostNames = QList<QByteArray>;

// 0 when the request may go on, else the status of its refusal. `reached` is the address the
// connection reached.
int WebRequestRefusal(const WebRequestHead& head, const WebHostNames& names, const QHostAddress& reached);
// The host of a Host field, without its port and brackets, in lower case: "[::1]:80" -> "::1".
QByteArray WebHostOf(QByteArrayView host);
