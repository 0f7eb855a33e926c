// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Any bytes as what a connection sends the web pages' server: a request head, read up to where it
// ends as the server reads it, then a page's WebSocket frames. Neither reader crashes; a head read
// has a method and a target and lower-case field names, only GET and HEAD pass the rules and every
// refusal has its answer; no message is longer than the bound, nothing follows a close or a fault,
// and frames read in two pieces (split where the first byte says) give what they give read whole.
#include <QHostAddress>
#include <algorithm>

#include "FuzzSupport.h"
#include "remote/WebAnswers.h"
#include "remote/WebRequestHead.h"
#include "remote/WebRequestRules.h"
#include "remote/WebSocketFrames.h"

namespace {

constexpr qsizetype kMostMessage = 4096;

void CheckHead(QByteArrayView bytes) {
  const std::optional<WebRequestHead> head = ReadWebRequestHead(bytes);
  if (!head) return;
  Require(!head->method.isEmpty() && !head->target.isEmpty(), "a head read has a method and a target");
  for (const auto& field : head->fields)
    Require(!field.first.isEmpty() && field.first == field.first.toLower(), "field names are lower case");
  const int status = WebRequestRefusal(*head, {"sign.local"}, QHostAddress(QHostAddress::LocalHost));
  Require(status != 0 || head->method == "GET" || head->method == "HEAD", "only GET and HEAD pass");
  Require(status == 0 || WebRefusalAnswer(status).startsWith("HTTP/1.1 " + QByteArray::number(status) + ' '),
          "every refusal has its answer");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const QByteArray bytes = FuzzInput(data + 1, size - 1);
  const qsizetype headLength = WebHeadLength(bytes);
  if (headLength > 0) CheckHead(QByteArrayView(bytes).first(headLength));

  const QByteArray frames = bytes.mid(headLength);
  WebSocketReader whole(kMostMessage);
  WebSocketReader pieces(kMostMessage);
  QList<WebSocketReader::Event> once;
  QList<WebSocketReader::Event> twice;
  whole.Feed(frames, once);
  const qsizetype at = std::min<qsizetype>(qsizetype(data[0]) * 16, frames.size());
  pieces.Feed(QByteArrayView(frames).first(at), twice);
  pieces.Feed(QByteArrayView(frames).sliced(at), twice);
  Require(once.size() == twice.size(), "frames read in pieces give what they give read whole");
  using Kind = WebSocketReader::Event::Kind;
  for (qsizetype i = 0; i < once.size(); ++i) {
    Require(once[i].kind == twice[i].kind && once[i].payload == twice[i].payload,
            "frames read in pieces give what they give read whole");
    Require(once[i].payload.size() <= kMostMessage, "no message is longer than the bound");
    Require(i + 1 == once.size() || (once[i].kind != Kind::Close && once[i].kind != Kind::Fault),
            "nothing follows a close or a fault");
  }
  return 0;
}
