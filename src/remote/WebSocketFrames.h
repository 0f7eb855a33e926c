// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The WebSocket protocol as the web pages' server speaks it (RFC 6455): the answer to an upgrade,
// the frames it sends (whole, unmasked: one frame serves every page) and a reader of the frames
// a page sends, which holds at most one message of a bounded length:
// 1. A page's frames must be masked; reserved bits, unknown opcodes, a control frame longer than
//    125 bytes or fragmented, a continuation without a message begun or a new message inside one
//    are faults of the protocol (close code 1002).
// 2. A message longer than the bound is a fault (1009), known from the frame's header before its
//    payload is kept.
// 3. After a fault or a close nothing more is read.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace WebSocketOpcode {
constexpr quint8 kContinuation = 0x0, kText = 0x1, kBinary = 0x2, kClose = 0x8, kPing = 0x9, kPong = 0xA;
}

// The Sec-WebSocket-Accept value for a request's Sec-WebSocket-Key.
QByteArray WebSocketAccept(QByteArrayView key);
// Whether a Sec-WebSocket-Key is one: 16 bytes in base64.
bool IsWebSocketKey(QByteArrayView key);
// One whole unmasked frame.
QByteArray WebSocketFrame(quint8 opcode, QByteArrayView payload);
QByteArray WebSocketCloseFrame(quint16 code);

class WebSocketReader {
 public:
  struct Event {
    enum class Kind { Text, Binary, Ping, Pong, Close, Fault } kind;
    QByteArray payload;  // the message; for Close and Fault the close code to answer with
  };

  explicit WebSocketReader(qsizetype mostMessageBytes) : most_(mostMessageBytes) {}
  // Reads what arrived; each whole message, control frame or fault is appended to `events`.
  void Feed(QByteArrayView bytes, QList<Event>& events);
  bool Ended() const { return ended_; }

 private:
  // One frame from the start of buffer_: its length, or 0 when it is incomplete.
  qsizetype TakeFrame(QList<Event>& events);
  void Fault(quint16 code, QList<Event>& events);

  qsizetype most_;
  QByteArray buffer_;   // a frame not yet whole
  QByteArray message_;  // a fragmented message so far
  quint8 messageOpcode_ = 0;  // 0: no message begun
  bool ended_ = false;
};
