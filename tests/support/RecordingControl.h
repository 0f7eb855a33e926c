// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Stands in for the console behind a remote input: records what it was asked to do and answers
// each call with the send it made; its list holds three lines, the playhead on the second, which
// goes out in mode 5.
#include <QStringList>

#include "console/RemoteControl.h"

class RecordingControl : public RemoteControl {
 public:
  RemoteState State() const override { return {playhead, QStringLiteral("二"), 3}; }
  RemoteResult Go(RemoteClock::time_point, const QString& source) override {
    return Sent(QStringLiteral("go ") + source, {2, 5, "ok"});
  }
  RemoteResult GoTo(int line) override { return Called(QStringLiteral("goto %1").arg(line)); }
  RemoteResult Next() override { return Called(QStringLiteral("next")); }
  RemoteResult Previous() override { return Called(QStringLiteral("previous")); }
  RemoteResult SendLine(int line, const QString& source) override {
    return Sent(QStringLiteral("send %1 ").arg(line) + source, {line, 5, "ok"});
  }
  RemoteResult Blank(const QString& source) override { return Sent(QStringLiteral("blank ") + source, {0, 0, "ok"}); }
  RemoteResult SendText(const QString& text, int mode, const QString& source) override {
    return Sent(QStringLiteral("text %1 ").arg(mode) + text + u' ' + source, {0, mode, "Com error: no such device"});
  }
  void InputOn() override { calls << QStringLiteral("input on"); }

  QStringList calls;
  int playhead = 2;

 private:
  RemoteResult Called(const QString& call) {
    calls << call;
    return {};
  }
  RemoteResult Sent(const QString& call, const RemoteSend& send) {
    calls << call;
    return {RemoteRefusal::None, {}, {send}};
  }
};
