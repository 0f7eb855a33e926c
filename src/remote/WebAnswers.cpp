// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/WebAnswers.h"

#include <QFile>
#include <map>

#include "remote/WebSocketFrames.h"
#include "wire/DotColours.h"

namespace {

struct Asset {
  const char* path;      // as the page asks for it
  const char* resource;  // compiled into the program
  const char* type;
};

constexpr Asset kAssets[] = {
    {"/", ":/web/caption.html", "text/html; charset=utf-8"},
    {"/stage", ":/web/stage.html", "text/html; charset=utf-8"},
    {"/caption.js", ":/web/caption.js", "text/javascript; charset=utf-8"},
    {"/stage.js", ":/web/stage.js", "text/javascript; charset=utf-8"},
    {"/live.js", ":/web/live.js", "text/javascript; charset=utf-8"},
    {"/caption.css", ":/web/caption.css", "text/css; charset=utf-8"},
    {"/stage.css", ":/web/stage.css", "text/css; charset=utf-8"},
    {"/icon.svg", ":/web/icon.svg", "image/svg+xml"},
};

struct Refusal {
  int status;
  const char* reason;  // the status line's
  const char* text;    // the body's
  const char* extra;   // further header lines
};

constexpr Refusal kRefusals[] = {
    {400, "Bad Request", "not a request this server reads", ""},
    {403, "Forbidden", "a page of another site may not open this socket", ""},
    {404, "Not Found", "no such page", ""},
    {405, "Method Not Allowed", "only GET and HEAD", "Allow: GET, HEAD\r\n"},
    {413, "Content Too Large", "a request may carry no body", ""},
    {414, "URI Too Long", "the request line is too long", ""},
    {421, "Misdirected Request", "this server does not serve that host", ""},
    {426, "Upgrade Required", "a WebSocket (version 13) only", "Upgrade: websocket\r\nSec-WebSocket-Version: 13\r\n"},
    {431, "Request Header Fields Too Large", "the request head is too long", ""},
    {503, "Service Unavailable", "too many connections; try again shortly", "Retry-After: 5\r\n"},
};

// The sign's dot colours, from the console's own, for the pages that draw the sign.
QByteArray SignStyleSheet() {
  return QStringLiteral(":root { --lit-dot: %1; --unlit-dot: %2; }\n")
      .arg(DotColourName(kLitDotColour), DotColourName(kUnlitDotColour))
      .toUtf8();
}

struct Page {
  const char* type;
  QByteArray body;
};

// Every page and file by its path, read once: the server's thread answers from memory.
const std::map<QByteArray, Page, std::less<>>& Pages() {
  static const std::map<QByteArray, Page, std::less<>> pages = [] {
    std::map<QByteArray, Page, std::less<>> read;
    for (const Asset& asset : kAssets) {
      QFile file(QString::fromLatin1(asset.resource));
      file.open(QIODevice::ReadOnly);
      read[asset.path] = {asset.type, file.readAll()};
    }
    read["/sign.css"] = {"text/css; charset=utf-8", SignStyleSheet()};
    return read;
  }();
  return pages;
}

QByteArray ConnectionLine(bool close) { return close ? "Connection: close\r\n" : "Connection: keep-alive\r\n"; }

}  // namespace

QByteArray WebPageAnswer(QByteArrayView path, bool withBody, bool close) {
  const auto found = Pages().find(path);
  if (found == Pages().end()) return {};
  const Page& page = found->second;
  // Nothing from another host, nothing run but the console's own scripts; the key in the stage
  // page's address is never passed on.
  QByteArray answer = "HTTP/1.1 200 OK\r\nContent-Type: " + QByteArray(page.type) +
                      "\r\nContent-Length: " + QByteArray::number(page.body.size()) +
                      "\r\nContent-Security-Policy: default-src 'self'; connect-src 'self'; img-src 'self' data:; "
                      "frame-ancestors 'none'\r\n"
                      "X-Content-Type-Options: nosniff\r\nReferrer-Policy: no-referrer\r\nCache-Control: no-cache\r\n" +
                      ConnectionLine(close) + "\r\n";
  if (withBody) answer += page.body;
  return answer;
}

QByteArray WebRefusalAnswer(int status) {
  const Refusal* refusal = &kRefusals[0];
  for (const Refusal& known : kRefusals)
    if (known.status == status) refusal = &known;
  const QByteArray text = QByteArray(refusal->text) + '\n';
  return "HTTP/1.1 " + QByteArray::number(refusal->status) + ' ' + refusal->reason +
         "\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: " + QByteArray::number(text.size()) + "\r\n" +
         refusal->extra + ConnectionLine(true) + "\r\n" + text;
}

QByteArray WebUpgradeAnswer(QByteArrayView key) {
  return "HTTP/1.1 101 Switching Protocols\r\nUpgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Accept: " +
         WebSocketAccept(key) + "\r\n\r\n";
}
