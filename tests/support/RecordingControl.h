// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Stands in for the console behind a remote input: records what it was asked to do and what each
// send did; its list holds three lines, the second selected in mode 5. A caption needs a page per
// character in mode 1.
#include <QStringList>
#include <utility>
#include <vector>

#include "console/RemoteControl.h"

class RecordingControl : public RemoteControl {
 public:
  RemoteState State() const override { return {selected, QStringLiteral("二"), 3}; }
  void Go(const QString& source) override { Sent(QStringLiteral("go ") + source, {2, 5, "ok"}); }
  void Select(int line) override { calls << QStringLiteral("select %1").arg(line); }
  void Next() override { calls << QStringLiteral("next"); }
  void Previous() override { calls << QStringLiteral("previous"); }
  void SendLine(int line, const QString& source) override {
    Sent(QStringLiteral("send %1 ").arg(line) + source, {line, 5, "ok"});
  }
  void Blank(const QString& source) override { Sent(QStringLiteral("blank ") + source, {0, 0, "ok"}); }
  void SendText(const QString& text, const QString& source) override { SendText(text, 5, source); }
  void SendText(const QString& text, int mode, const QString& source) override {
    Sent(QStringLiteral("text %1 ").arg(mode) + text + u' ' + source, {0, mode, "Com error: no such device"});
  }
  int PacketPages(const QString& text, int mode) const override { return mode == 1 ? int(text.size()) : 1; }
  std::vector<RemoteSend> TakeSends() override { return std::exchange(sends, {}); }

  QStringList calls;
  std::vector<RemoteSend> sends;
  int selected = 2;

 private:
  void Sent(const QString& call, const RemoteSend& send) {
    calls << call;
    sends.push_back(send);
  }
};

