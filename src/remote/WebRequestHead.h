// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A request head as the web pages' server reads it: the request line and the header fields, from
// the few kilobytes it lets a connection send (WebLimits). Only HTTP/1.0 and 1.1 are read; a line
// folded over two, a field name with a space before its colon or a control character in a value
// make the head unreadable (answered 400), as they let two readers see different requests.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <optional>
#include <utility>

struct WebRequestHead {
  QByteArray method;  // as sent, "GET"
  QByteArray target;  // as sent, "/live?view=caption"
  int minorVersion = 1;  // HTTP/1.x
  QList<std::pair<QByteArray, QByteArray>> fields;  // names in lower case, values without surrounding blanks

  // The target's path and query (after the '?'); the path is empty when the target does not
  // start with '/'.
  QByteArrayView Path() const;
  QByteArrayView Query() const;
  // The value of the field `name` (lower case), empty when there is none; how many there are.
  QByteArray Field(QByteArrayView name) const;
  int FieldCount(QByteArrayView name) const;
  // Whether the comma-separated field `name` holds `token`, in any case ("Connection: keep-alive, Upgrade").
  bool FieldHasToken(QByteArrayView name, QByteArrayView token) const;
};

// The length of the head at the start of `bytes` with its blank line, or 0 while it is incomplete.
qsizetype WebHeadLength(QByteArrayView bytes);
// The head (WebHeadLength bytes), or nullopt when it is no HTTP/1.x request head.
std::optional<WebRequestHead> ReadWebRequestHead(QByteArrayView head);
