// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/WebConsoleWatch.h"

#include "console/Unit1.h"
#include "wire/DisplayPacket.h"
#include "wire/SignPorts.h"

WebConsoleWatch::WebConsoleWatch(TForm1& form, WebServer& server) : form_(form), server_(server) {
  gather_.setSingleShot(true);
  gather_.setInterval(0);
  QObject::connect(&gather_, &QTimer::timeout, [this] { PublishState(); });
  const auto changed = [this] { StateChanged(); };
  QAbstractItemModel* lines = form_.ListBox1->model();
  QObject::connect(lines, &QAbstractItemModel::rowsInserted, &gather_, changed);
  QObject::connect(lines, &QAbstractItemModel::rowsRemoved, &gather_, changed);
  QObject::connect(lines, &QAbstractItemModel::dataChanged, &gather_, changed);
  QObject::connect(lines, &QAbstractItemModel::modelReset, &gather_, changed);
  QObject::connect(lines, &QAbstractItemModel::layoutChanged, &gather_, changed);
  QObject::connect(form_.ListBox1->selectionModel(), &QItemSelectionModel::selectionChanged, &gather_, changed);
  QObject::connect(form_.ListBox1->selectionModel(), &QItemSelectionModel::currentChanged, &gather_, changed);
  QObject::connect(form_.ComboBox1, &QComboBox::currentIndexChanged, &gather_, changed);
  form_.SendDone = [this](const SendRecord& record) { PublishSend(record); };
  PublishState();
}

WebConsoleWatch::~WebConsoleWatch() { form_.SendDone = nullptr; }

WebState WebConsoleWatch::StateNow() const {
  const int playhead = form_.Playhead();
  const QStringList& lines = form_.ListBox1->Lines();
  return {playhead + 1, int(lines.size()), form_.CurrentMode(),
          NextLines(lines, playhead, [this](int line) { return form_.ProgrammedMode(line); }),
          SignCountOfPort(form_.PortNumber())};
}

WebSend WebConsoleWatch::SendOf(const SendRecord& record) const {
  // The pages are drawn again from what the send used, by the same code: the very bytes the sign
  // was sent. Only the first and the last: a caption of 250 pages costs the stage two.
  TBitmap frame = CreateLedFrame();
  RenderCentred(frame, form_.CaptionFont, record.caption);
  const int count = DisplayPacketPages(frame, record.caption, record.mode);
  WebSend send{record.time, record.line, record.caption, record.mode, record.result == QLatin1String("ok"),
               record.result, count, {}};
  send.pages.append(PackedPacketPage(frame, record.caption, record.mode, 0));
  if (count > 1) send.pages.append(PackedPacketPage(frame, record.caption, record.mode, count - 1));
  return send;
}

void WebConsoleWatch::StateChanged() {
  if (!gather_.isActive()) gather_.start();
}

void WebConsoleWatch::PublishState() {
  const WebState state = StateNow();
  const QByteArray unnumbered = WebStateMessage(state, 0);
  if (unnumbered == lastState_) return;
  lastState_ = unnumbered;
  server_.Publish(WebView::Stage, WebStateMessage(state, NextSeq(WebView::Stage)), WebServer::Keep::LastState);
}

void WebConsoleWatch::PublishSend(const SendRecord& record) {
  server_.Publish(WebView::Stage, WebSendMessage(SendOf(record), NextSeq(WebView::Stage)), WebServer::Keep::LastSend);
  server_.Publish(WebView::Caption, WebCaptionMessage(record.caption, NextSeq(WebView::Caption)),
                  WebServer::Keep::LastSend);
  // Enter's step follows the send at once: the next state goes out right behind it.
  StateChanged();
}
