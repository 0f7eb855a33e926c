// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/WebSocketFrames.h"

#include <QCryptographicHash>
#include <utility>

namespace {

constexpr quint8 kFinal = 0x80;
constexpr quint8 kReserved = 0x70;
constexpr quint8 kMasked = 0x80;
constexpr qsizetype kMostControlPayload = 125;
constexpr quint16 kProtocolError = 1002;
constexpr quint16 kTooBig = 1009;

QByteArray CloseCode(quint16 code) {
  const char bytes[2] = {char(code >> 8), char(code & 0xFF)};
  return QByteArray(bytes, 2);
}

bool IsControl(quint8 opcode) { return opcode >= WebSocketOpcode::kClose; }

bool IsKnown(quint8 opcode) {
  using namespace WebSocketOpcode;
  return opcode == kContinuation || opcode == kText || opcode == kBinary || opcode == kClose || opcode == kPing ||
         opcode == kPong;
}

}  // namespace

QByteArray WebSocketAccept(QByteArrayView key) {
  QCryptographicHash hash(QCryptographicHash::Sha1);
  hash.addData(key);
  hash.addData(QByteArrayView("258EAFA5-E914-47DA-95CA-C5AB0DC85B11"));
  return hash.result().toBase64();
}

bool IsWebSocketKey(QByteArrayView key) {
  const auto decoded = QByteArray::fromBase64Encoding(key.toByteArray(), QByteArray::AbortOnBase64DecodingErrors);
  return decoded && decoded.decoded.size() == 16;
}

QByteArray WebSocketFrame(quint8 opcode, QByteArrayView payload) {
  QByteArray frame;
  const qsizetype size = payload.size();
  frame.reserve(size + 10);
  frame.append(char(kFinal | opcode));
  if (size < 126) {
    frame.append(char(size));
  } else if (size <= 0xFFFF) {
    frame.append(char(126));
    frame.append(char(size >> 8));
    frame.append(char(size & 0xFF));
  } else {
    frame.append(char(127));
    for (int shift = 56; shift >= 0; shift -= 8) frame.append(char((quint64(size) >> shift) & 0xFF));
  }
  frame.append(payload);
  return frame;
}

QByteArray WebSocketCloseFrame(quint16 code) { return WebSocketFrame(WebSocketOpcode::kClose, CloseCode(code)); }

void WebSocketReader::Fault(quint16 code, QList<Event>& events) {
  events.append({Event::Kind::Fault, CloseCode(code)});
  ended_ = true;
  buffer_.clear();
  message_.clear();
}

void WebSocketReader::Feed(QByteArrayView bytes, QList<Event>& events) {
  if (ended_) return;
  buffer_.append(bytes);
  while (!ended_) {
    const qsizetype taken = TakeFrame(events);
    if (taken == 0) break;
    buffer_.remove(0, taken);
  }
  if (ended_) buffer_.clear();
  if (buffer_.isEmpty()) buffer_.squeeze();  // an idle page keeps no buffer
}

qsizetype WebSocketReader::TakeFrame(QList<Event>& events) {
  const auto* bytes = reinterpret_cast<const quint8*>(buffer_.constData());
  const qsizetype have = buffer_.size();
  if (have < 2) return 0;
  const auto fault = [&](quint16 code) {
    Fault(code, events);
    return qsizetype(0);
  };
  const quint8 opcode = bytes[0] & 0x0F;
  const bool final = bytes[0] & kFinal;
  if ((bytes[0] & kReserved) || !(bytes[1] & kMasked) || !IsKnown(opcode)) return fault(kProtocolError);
  quint64 length = bytes[1] & 0x7F;
  qsizetype header = 2;
  if (length == 126 || length == 127) {
    const int extra = length == 126 ? 2 : 8;
    if (have < 2 + extra) return 0;
    length = 0;
    for (int i = 0; i < extra; ++i) length = (length << 8) | bytes[2 + i];
    header += extra;
  }
  if (IsControl(opcode) && (!final || length > kMostControlPayload)) return fault(kProtocolError);
  if (opcode == WebSocketOpcode::kContinuation ? messageOpcode_ == 0 : !IsControl(opcode) && messageOpcode_ != 0)
    return fault(kProtocolError);
  if (!IsControl(opcode) && length > quint64(most_ - message_.size())) return fault(kTooBig);
  header += 4;  // the mask
  if (have < header || quint64(have - header) < length) return 0;
  const quint8* mask = bytes + header - 4;
  QByteArray payload(reinterpret_cast<const char*>(bytes + header), qsizetype(length));
  for (qsizetype i = 0; i < payload.size(); ++i) payload[i] = char(payload[i] ^ mask[i % 4]);
  using Kind = Event::Kind;
  switch (opcode) {
    case WebSocketOpcode::kPing: events.append({Kind::Ping, payload}); break;
    case WebSocketOpcode::kPong: events.append({Kind::Pong, payload}); break;
    case WebSocketOpcode::kClose:
      events.append({Kind::Close, payload.size() >= 2 ? payload.first(2) : CloseCode(1000)});
      ended_ = true;
      break;
    default:
      if (opcode != WebSocketOpcode::kContinuation) messageOpcode_ = opcode;
      message_.append(payload);
      if (final) {
        events.append({messageOpcode_ == WebSocketOpcode::kText ? Kind::Text : Kind::Binary, std::exchange(message_, {})});
        messageOpcode_ = 0;
      }
  }
  return header + qsizetype(length);
}
