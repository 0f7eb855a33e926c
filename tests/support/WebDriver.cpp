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
  const QJsonArray arguments{"--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                             "--disable-component-update", "--disable-sync", "--no-first-run",
                             "--user-data-dir=" + profileFolder};
  const QJsonObject chrome{{"binary", "/usr/bin/chromium"}, {"args", arguments}};
  const QJsonObject capabilities{{"alwaysMatch", QJsonObject{{"goog:chromeOptions", chrome}}}};
  session_ = Call("POST", QStringLiteral("/session"), {{"capabilities", capabilities}}, 60000)["sessionId"].toString();
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

QJsonValue WebDriver::InSession(const QByteArray& method, const QString& path, const QJsonObject& body) {
  return Call(method, QStringLiteral("/session/") + session_ + path, body);
}

bool WebDriver::Open(const QString& url) { return !InSession("POST", QStringLiteral("/url"), {{"url", url}}).isUndefined(); }

bool WebDriver::SetWindowSize(int width, int height) {
  return !InSession("POST", QStringLiteral("/window/rect"), {{"width", width}, {"height", height}}).isUndefined();
}

QJsonValue WebDriver::Run(const QString& script, const QJsonArray& arguments) {
  return InSession("POST", QStringLiteral("/execute/sync"), {{"script", script}, {"args", arguments}});
}

QJsonValue WebDriver::RunAsync(const QString& script, const QJsonArray& arguments) {
  return InSession("POST", QStringLiteral("/execute/async"), {{"script", script}, {"args", arguments}});
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
  const QString id =
      InSession("POST", QStringLiteral("/element"), {{"using", "css selector"}, {"value", css}})[kElement].toString();
  if (id.isEmpty()) {
    if (error_.isEmpty()) error_ = QStringLiteral("no element %1").arg(css);
    return false;
  }
  return !InSession("POST", QStringLiteral("/element/%1/click").arg(id)).isUndefined();
}

bool WebDriver::SaveScreenshot(const QString& path) {
  const QJsonValue png = InSession("GET", QStringLiteral("/screenshot"));
  if (!png.isString()) return false;
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(QByteArray::fromBase64(png.toString().toLatin1())) > 0;
}
