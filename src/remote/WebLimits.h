// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// What the web pages may take of the console, so that the sign's devices, the send log and the
// recovery copy can always open their files, and memory stays bounded, however many connections
// a venue's network makes:
// 1. At most `mostConnections` connections at a time, and at most `mostPerPeer` from one address;
//    past either the newest is answered 503 and closed, never one already in.
// 2. A connection without a WebSocket is closed when it has not sent a whole request head within
//    `headMs` of opening or of its last answer.
// 3. A request head is at most `headBytes` long; past that it is refused before more is read.
// 4. A page whose queue holds more than `queueBytes` when the next message comes is dropped (it
//    reconnects by itself), so a slow or dead page never holds up the others.
// 5. A page's own message is at most `incomingBytes` long; a longer one closes the page.
// 6. At most `mostWaitingControls` of a page's controls wait for the console; more are refused.
#include <QtGlobal>

// The most connections at any open-file limit: ten thousand pages and room to spare.
constexpr int kMostWebConnections = 16384;
// Files kept free for the show whatever the pages take: a device per sign, the send log, the
// recovery copy and what the toolkit opens on the way (fonts, dialogs, the session bus).
constexpr int kFilesKeptForTheShow = 256;

struct WebLimits {
  int mostConnections = kMostWebConnections;
  int mostPerPeer = 8;
  qint64 headMs = 5000;
  qsizetype headBytes = 8192;
  qint64 queueBytes = 256 * 1024;
  qsizetype incomingBytes = 4096;
  int mostWaitingControls = 8;
};

// The connections a process may take with `openFileLimit` when it holds `openNow` files: below
// kMostWebConnections, and kFilesKeptForTheShow below the limit.
int WebConnectionBound(qint64 openFileLimit, int openNow);
// The limits for this process, at its open-file limit now.
WebLimits WebLimitsOfThisProcess();
