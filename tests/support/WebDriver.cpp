// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "support/WebDriver.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

namespace {

int FreePort() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  return probe.serverPort();
}

// The element reference of a WebDriver answer.
const QString kElement = QStringLiteral("element-6066-11e4-a52e-4f735466cecf");

}  // namespace

WebDriver::WebDriver(const QString& profileFolder) {
  port_ = FreePort();
  driver_.setProgram(QStringLiteral("chromedriver"));
  driver_.setArguments({QStringLiteral("--port=%1").arg(port_), QStringLiteral("--allowed-ips=127.0.0.1")});
  driver_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  driver_.setStandardOutputFile(QProcess::nullDevice());
  driver_.start();
  if (!driver_.waitForStarted(10000)) {
    error_ = QStringLiteral("chromedriver did not start: ") + driver_.errorString();
    return;
  }
  bool up = false;
  for (int i = 0; i < 200 && !up; ++i) {
    up = Call("GET", QStringLiteral("/status"), {}, 1000).toObject().value(QStringLiteral("ready")).toBool();
    if (!up) QTest::qWait(50);
  }
  if (!up) return;
  const QJsonArray arguments{QStringLiteral("--headless"),
                             QStringLiteral("--no-sandbox"),
                             QStringLiteral("--disable-gpu"),
                             QStringLiteral("--disable-background-networking"),
                             QStringLiteral("--disable-component-update"),
                             QStringLiteral("--disable-sync"),
                             QStringLiteral("--no-first-run"),
                             QStringLiteral("--user-data-dir=") + profileFolder};
  const QJsonObject chrome{{QStringLiteral("binary"), QStringLiteral("/usr/bin/chromium")}, {QStringLiteral("args"), arguments}};
  const QJsonObject capabilities{
      {QStringLiteral("alwaysMatch"), QJsonObject{{QStringLiteral("goog:chromeOptions"), chrome}}}};
  const QJsonValue session = Call("POST", QStringLiteral("/session"), {{QStringLiteral("capabilities"), capabilities}}, 60000);
  session_ = session.toObject().value(QStringLiteral("sessionId")).toString();
}

WebDriver::~WebDriver() {
  if (!session_.isEmpty()) Call("DELETE", QStringLiteral("/session/") + session_, {}, 10000);
  driver_.terminate();
  if (!driver_.waitForFinished(5000)) driver_.kill();
}

QJsonValue WebDriver::Call(const QByteArray& method, const QString& path, const QJsonObject& body, int timeoutMs) {
  QNetworkAccessManager network;
  QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(path)));
  request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
  QNetworkReply* reply = network.sendCustomRequest(
      request, method, method == "POST" ? QJsonDocument(body).toJson(QJsonDocument::Compact) : QByteArray());
  QEventLoop loop;
  QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
  QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
  loop.exec();
  if (!reply->isFinished()) {
    reply->abort();
    error_ = QStringLiteral("%1 %2: no answer within %3 ms").arg(QString::fromLatin1(method), path).arg(timeoutMs);
    delete reply;
    return QJsonValue::Undefined;
  }
  const QJsonObject answer = QJsonDocument::fromJson(reply->readAll()).object();
  delete reply;
  const QJsonValue value = answer.value(QStringLiteral("value"));
  if (value.isObject() && value.toObject().contains(QStringLiteral("error"))) {
    error_ = value.toObject().value(QStringLiteral("message")).toString();
    return QJsonValue::Undefined;
  }
  return value;
}

bool WebDriver::Open(const QString& url) {
  return !Call("POST", QStringLiteral("/session/%1/url").arg(session_), {{QStringLiteral("url"), url}}).isUndefined();
}

bool WebDriver::SetWindowSize(int width, int height) {
  return !Call("POST", QStringLiteral("/session/%1/window/rect").arg(session_),
               {{QStringLiteral("width"), width}, {QStringLiteral("height"), height}})
              .isUndefined();
}

QJsonValue WebDriver::Run(const QString& script, const QJsonArray& arguments) {
  return Call("POST", QStringLiteral("/session/%1/execute/sync").arg(session_),
              {{QStringLiteral("script"), script}, {QStringLiteral("args"), arguments}});
}

QJsonValue WebDriver::RunAsync(const QString& script, const QJsonArray& arguments) {
  return Call("POST", QStringLiteral("/session/%1/execute/async").arg(session_),
              {{QStringLiteral("script"), script}, {QStringLiteral("args"), arguments}});
}

bool WebDriver::WaitUntil(const QString& script, int timeoutMs) {
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < timeoutMs) {
    if (Run(script).toBool()) return true;
    QTest::qWait(20);
  }
  return false;
}

bool WebDriver::Click(const QString& css) {
  const QJsonValue element = Call("POST", QStringLiteral("/session/%1/element").arg(session_),
                                  {{QStringLiteral("using"), QStringLiteral("css selector")}, {QStringLiteral("value"), css}});
  const QString id = element.toObject().value(kElement).toString();
  if (id.isEmpty()) {
    if (error_.isEmpty()) error_ = QStringLiteral("no element %1").arg(css);
    return false;
  }
  return !Call("POST", QStringLiteral("/session/%1/element/%2/click").arg(session_, id)).isUndefined();
}

bool WebDriver::SaveScreenshot(const QString& path) {
  const QJsonValue png = Call("GET", QStringLiteral("/session/%1/screenshot").arg(session_));
  if (!png.isString()) return false;
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(QByteArray::fromBase64(png.toString().toLatin1())) > 0;
}
