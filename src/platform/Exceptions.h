// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Failures are exceptions that carry a message text; the application's standard handler shows it.
#include <QString>
#include <exception>
#include <string>

class Exception : public std::exception {
 public:
  explicit Exception(QString message) : message_(std::move(message)), utf8_(message_.toStdString()) {}
  const QString& Message() const { return message_; }
  const char* what() const noexcept override { return utf8_.c_str(); }

 private:
  QString message_;
  std::string utf8_;
};

// An input/output failure with the runtime's error code and message.
class EInOutError : public Exception {
 public:
  EInOutError(int code, QString message) : Exception(std::move(message)), ErrorCode(code) {}
  int ErrorCode;
};
