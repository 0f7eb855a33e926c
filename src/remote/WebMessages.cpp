// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/WebMessages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrlQuery>
#include <iterator>

#include "wire/DisplayModes.h"

namespace {

constexpr const char* kCommandNames[] = {"go", "back", "blank"};
static_assert(std::size(kCommandNames) == std::size_t(WebCommand::Blank) + 1);

QByteArray Compact(const QJsonObject& object) { return QJsonDocument(object).toJson(QJsonDocument::Compact); }

// The mode as the packet's byte carries it, and its name ("" for none).
void PutMode(QJsonObject& object, int mode) {
  object[QStringLiteral("mode")] = mode & 0xFF;
  object[QStringLiteral("modeName")] = DisplayModeName(mode);
}

}  // namespace

QList<WebNextLine> NextLines(const QStringList& lines, int playhead, const std::function<int(int line)>& modeOf,
                             int wanted) {
  QList<WebNextLine> next;
  const int count = int(lines.size());
  if (playhead < 0 || playhead >= count) return next;
  for (int i = 0; i < wanted && i < count; ++i) {
    const int line = (playhead + i) % count;
    next.append({line + 1, lines[line], modeOf(line)});
  }
  return next;
}

QByteArray WebHelloMessage(bool control) {
  return Compact({{QStringLiteral("type"), QStringLiteral("hello")}, {QStringLiteral("control"), control}});
}

QByteArray WebStateMessage(const WebState& state, qint64 seq) {
  QJsonObject object{{QStringLiteral("type"), QStringLiteral("state")},
                     {QStringLiteral("seq"), seq},
                     {QStringLiteral("line"), state.line},
                     {QStringLiteral("count"), state.count}};
  PutMode(object, state.mode);
  QJsonArray next;
  for (const WebNextLine& line : state.next) {
    QJsonObject entry{{QStringLiteral("line"), line.line}, {QStringLiteral("text"), line.text}};
    PutMode(entry, line.mode);
    next.append(entry);
  }
  object[QStringLiteral("next")] = next;
  object[QStringLiteral("signs")] = state.signs;
  return Compact(object);
}

QByteArray WebSendMessage(const WebSend& send, qint64 seq) {
  QJsonObject object{{QStringLiteral("type"), QStringLiteral("send")},
                     {QStringLiteral("seq"), seq},
                     {QStringLiteral("time"), send.time.toString(Qt::ISODateWithMs)},
                     {QStringLiteral("line"), send.line},
                     {QStringLiteral("caption"), send.caption},
                     {QStringLiteral("ok"), send.ok},
                     {QStringLiteral("result"), send.result}};
  PutMode(object, send.mode);
  object[QStringLiteral("pageCount")] = send.pageCount;
  QJsonArray pages;
  for (const QByteArray& page : send.pages) pages.append(QString::fromLatin1(page.toBase64()));
  object[QStringLiteral("pages")] = pages;
  return Compact(object);
}

QByteArray WebCaptionMessage(const QString& caption, qint64 seq) {
  return Compact({{QStringLiteral("type"), QStringLiteral("caption")},
                  {QStringLiteral("seq"), seq},
                  {QStringLiteral("text"), caption},
                  {QStringLiteral("lang"), CaptionLanguage(caption)}});
}

QString CaptionLanguage(const QString& caption) {
  for (const char32_t c : caption.toUcs4()) {
    // The unified ideographs, their extensions and the compatibility block.
    if ((c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
        (c >= 0x20000 && c <= 0x323AF))
      return QStringLiteral("zh");
  }
  return QStringLiteral("und");
}

std::optional<WebSubscription> ReadWebSubscription(QByteArrayView query) {
  WebSubscription subscription;
  const QUrlQuery items(QString::fromUtf8(query));
  if (!items.hasQueryItem(QStringLiteral("view"))) return subscription;
  const QString view = items.queryItemValue(QStringLiteral("view"), QUrl::FullyDecoded);
  if (view == QLatin1String("caption")) subscription.view = WebView::Caption;
  else if (view != QLatin1String("stage")) return std::nullopt;
  return subscription;
}

std::optional<WebControlMessage> ReadWebControlMessage(QByteArrayView text) {
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(text.toByteArray(), &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
  const QJsonObject object = document.object();
  const QJsonValue key = object.value(QStringLiteral("key"));
  if (!key.isString() && !key.isUndefined()) return std::nullopt;
  const QString type = object.value(QStringLiteral("type")).toString();
  for (std::size_t i = 0; i < std::size(kCommandNames); ++i)
    if (type == QLatin1String(kCommandNames[i])) return WebControlMessage{WebCommand(i), key.toString()};
  return std::nullopt;
}

const char* WebCommandName(WebCommand command) { return kCommandNames[std::size_t(command)]; }

QByteArray WebRefusedMessage(WebCommand command, const char* reason) {
  return Compact({{QStringLiteral("type"), QStringLiteral("refused")},
                  {QStringLiteral("command"), QLatin1String(WebCommandName(command))},
                  {QStringLiteral("reason"), QLatin1String(reason)}});
}
