// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A browser for tests: Debian's Chromium, headless, driven through chromedriver's WebDriver HTTP
// protocol on 127.0.0.1. Each browser has a profile folder of its own and reaches nothing beyond
// this machine. Every call waits a bounded time.
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QProcess>
#include <QString>

class WebDriver {
 public:
  // Starts chromedriver and a browser session; Ready() tells whether both came up.
  explicit WebDriver(const QString& profileFolder);
  ~WebDriver();
  WebDriver(const WebDriver&) = delete;
  WebDriver& operator=(const WebDriver&) = delete;

  bool Ready() const { return !session_.isEmpty(); }
  QString Error() const { return error_; }

  bool Open(const QString& url);
  bool SetWindowSize(int width, int height);
  // Runs `script` (a function body) in the page with `arguments`; its return value, or undefined
  // (Error() says why) when it failed.
  QJsonValue Run(const QString& script, const QJsonArray& arguments = {});
  // The same for a script that ends by calling its last argument (a callback) with the result.
  QJsonValue RunAsync(const QString& script, const QJsonArray& arguments = {});
  // Polls `script` until it returns true, for at most `timeoutMs`.
  bool WaitUntil(const QString& script, int timeoutMs = 10000);
  // Clicks the element `css` selects, as a pointer would.
  bool Click(const QString& css);
  bool SaveScreenshot(const QString& path);

 private:
  QJsonValue Call(const QByteArray& method, const QString& path, const QJsonObject& body = {}, int timeoutMs = 30000);
  // A call on this browser's session: `path` follows "/session/ID".
  QJsonValue InSession(const QByteArray& method, const QString& path, const QJsonObject& body = {});

  QProcess driver_;
  int port_ = 0;
  QString session_;
  QString error_;
};
