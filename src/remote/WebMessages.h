// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The messages of the web pages' WebSocket (/live), each one small JSON object (UTF-8 text).
// A page subscribes with its socket's address: /live gets the stage's view (a theatre's own tools
// too), /live?view=caption the audience's. Each view gets only what its page shows, and no
// message carries more than a few kilobytes whatever the caption.
// The console sends to the stage's view:
//   {"type":"hello","control":B}   first, to each page: whether GO, BACK and BLANK work from it
//                                    (offered, and the page's address may control)
//   {"type":"send","seq":N,"time":T,"line":L,"caption":S,"mode":M,"modeName":S,"ok":B,
//    "result":S,"pageCount":C,"pages":[P...]}
//                                    a send: line 0 when the caption is no line of the list,
//                                    result "ok" or "Com error: <reason>" (with several signs
//                                    "Com error (1 of 2 signs): <device>: <reason>"), C the pages
//                                    of the packet, of which the first and the last (one when C
//                                    is 1) as the 384 bytes of the packed frame the sign received,
//                                    in base64
//   {"type":"state","seq":N,"line":L,"count":C,"mode":M,"modeName":S,
//    "next":[{"line":L,"text":S,"mode":M,"modeName":S}...],"signs":G}
//                                    where the show stands: the playhead's line (0 when the list
//                                    is empty), the number of lines, the mode the selector
//                                    carries, the lines GO sends next, each in the mode it will be
//                                    sent in (its programmed mode), and the signs a send drives
//   {"type":"refused","command":C,"reason":R}
//                                    to the sender only: reason "control off", "address" (the
//                                    page's address may not control), "key", "double trigger",
//                                    "no line", "no mode", "too many pages" or "busy" (a control
//                                    still running)
// and to the audience's view hello, then for each send the caption alone:
//   {"type":"caption","seq":N,"text":S,"lang":L}
//                                    L "zh" when the caption holds Chinese characters, else
//                                    "und" (not known)
// "seq" counts every message sent to all pages of the view, so that a page can tell one it
// missed. A page that opens gets hello, the last send (caption) and the state at once: a page that
// gets hello shows nothing of a send before the one that follows it (a new console's).
// A page may send {"type":"go"|"back"|"blank","key":K}; anything else is ignored.
#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

struct WebNextLine {
  int line = 0;  // 1-based
  QString text;
  int mode = 0;
  bool operator==(const WebNextLine&) const = default;
};

struct WebState {
  int line = 0;  // the playhead's line, 1-based; 0 when the list is empty
  int count = 0;
  int mode = 0;  // the mode the selector carries (-1: none, sent as 255)
  QList<WebNextLine> next;
  int signs = 1;  // the signs a send drives: the devices the port names
};

struct WebSend {
  QDateTime time;
  int line = 0;
  QString caption;
  int mode = 0;
  bool ok = false;
  QString result;
  int pageCount = 0;        // the packet's pages
  QList<QByteArray> pages;  // packed frames, 384 bytes each: the first and the last
};

// What a page follows, from the query of its socket's address ("view=caption"); the translation
// tracks will add the language to it.
enum class WebView { Stage, Caption };
inline constexpr int kWebViews = 2;
struct WebSubscription {
  WebView view = WebView::Stage;
  bool operator==(const WebSubscription&) const = default;
};
// nullopt when the query names a view that does not exist.
std::optional<WebSubscription> ReadWebSubscription(QByteArrayView query);

// The lines GO sends next: the playhead's (from 0) and those after it, wrapping to the first as
// GO does, at most `wanted` and never one twice, each in the mode `modeOf` gives it.
QList<WebNextLine> NextLines(const QStringList& lines, int playhead, const std::function<int(int line)>& modeOf,
                             int wanted = 3);

QByteArray WebHelloMessage(bool control);
QByteArray WebStateMessage(const WebState& state, qint64 seq);
QByteArray WebSendMessage(const WebSend& send, qint64 seq);
QByteArray WebCaptionMessage(const QString& caption, qint64 seq);
// The language of an original caption for a screen reader: "zh" when it holds a Chinese
// character, else "und".
QString CaptionLanguage(const QString& caption);

enum class WebCommand { Go, Back, Blank };

struct WebControlMessage {
  WebCommand command = WebCommand::Go;
  QString key;
  bool operator==(const WebControlMessage&) const = default;
};

// A page's control message, or nullopt when it is none (not JSON, not an object, another type,
// a key that is no string, ...).
std::optional<WebControlMessage> ReadWebControlMessage(QByteArrayView text);
const char* WebCommandName(WebCommand command);
QByteArray WebRefusedMessage(WebCommand command, const char* reason);
