// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// What the web pages' server writes back, whole: the pages and their files compiled into the
// program (/ the caption for the audience, /stage the stage manager's view), the answer to the
// WebSocket upgrade of /live, and short refusals. Every answer says its length; HEAD gets the same
// head without the body.
#include <QByteArray>
#include <QByteArrayView>

// The page or file at `path` ("/stage"), or empty when there is none. `close`: the connection
// ends after it.
QByteArray WebPageAnswer(QByteArrayView path, bool withBody, bool close);
// A refusal with `status` (400, 403, 404, 405, 413, 414, 421, 426, 431, 503) and a line of text
// saying why; the connection ends after it.
QByteArray WebRefusalAnswer(int status);
// The switch to the WebSocket for a request with Sec-WebSocket-Key `key`.
QByteArray WebUpgradeAnswer(QByteArrayView key);
