// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/WebRequestHead.h"

namespace {

constexpr QByteArrayView kLineEnd = "\r\n";

// The characters of a method or a field name (RFC 9110's "tchar").
bool IsTokenCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         QByteArrayView("!#$%&'*+-.^_`|~").contains(c);
}

bool IsToken(QByteArrayView text) {
  if (text.isEmpty()) return false;
  for (const char c : text)
    if (!IsTokenCharacter(c)) return false;
  return true;
}

// Visible characters, blanks and anything beyond ASCII; no other control character.
bool IsFieldValue(QByteArrayView text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte < 0x20 && byte != '\t') || byte == 0x7F) return false;
  }
  return true;
}

std::optional<WebRequestHead> ReadRequestLine(QByteArrayView line) {
  const qsizetype first = line.indexOf(' ');
  const qsizetype second = first < 0 ? -1 : line.indexOf(' ', first + 1);
  if (second < 0 || line.indexOf(' ', second + 1) >= 0) return std::nullopt;
  const QByteArrayView method = line.first(first);
  const QByteArrayView target = line.sliced(first + 1, second - first - 1);
  const QByteArrayView version = line.sliced(second + 1);
  if (!IsToken(method) || target.isEmpty() || !IsFieldValue(target) || target.contains('\t')) return std::nullopt;
  if (version != "HTTP/1.1" && version != "HTTP/1.0") return std::nullopt;
  WebRequestHead head;
  head.method = method.toByteArray();
  head.target = target.toByteArray();
  head.minorVersion = version.back() - '0';
  return head;
}

}  // namespace

QByteArrayView WebRequestHead::Path() const {
  if (!target.startsWith('/')) return {};
  const qsizetype question = target.indexOf('?');
  return QByteArrayView(target).first(question < 0 ? target.size() : question);
}

QByteArrayView WebRequestHead::Query() const {
  const qsizetype question = target.indexOf('?');
  return question < 0 ? QByteArrayView() : QByteArrayView(target).sliced(question + 1);
}

QByteArray WebRequestHead::Field(QByteArrayView name) const {
  for (const auto& [fieldName, value] : fields)
    if (fieldName == name) return value;
  return {};
}

int WebRequestHead::FieldCount(QByteArrayView name) const {
  int count = 0;
  for (const auto& field : fields) count += field.first == name;
  return count;
}

bool WebRequestHead::FieldHasToken(QByteArrayView name, QByteArrayView token) const {
  for (const auto& [fieldName, value] : fields) {
    if (fieldName != name) continue;
    for (const QByteArray& item : value.split(','))
      if (QByteArrayView(item).trimmed().compare(token, Qt::CaseInsensitive) == 0) return true;
  }
  return false;
}

qsizetype WebHeadLength(QByteArrayView bytes) {
  const qsizetype end = bytes.indexOf("\r\n\r\n");
  return end < 0 ? 0 : end + 4;
}

std::optional<WebRequestHead> ReadWebRequestHead(QByteArrayView head) {
  if (!head.endsWith("\r\n\r\n")) return std::nullopt;
  head.chop(4);
  qsizetype end = head.indexOf(kLineEnd);
  std::optional<WebRequestHead> request = ReadRequestLine(head.first(end < 0 ? head.size() : end));
  if (!request) return std::nullopt;
  while (end >= 0) {
    const qsizetype start = end + kLineEnd.size();
    end = head.indexOf(kLineEnd, start);
    const QByteArrayView line = head.sliced(start, (end < 0 ? head.size() : end) - start);
    const qsizetype colon = line.indexOf(':');
    if (colon <= 0 || !IsToken(line.first(colon))) return std::nullopt;
    const QByteArrayView value = line.sliced(colon + 1).trimmed();
    if (!IsFieldValue(value)) return std::nullopt;
    request->fields.append({line.first(colon).toByteArray().toLower(), value.toByteArray()});
  }
  return request;
}
