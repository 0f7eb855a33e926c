// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Stands in for the console behind a remote input in the harnesses: counts what it is asked to do
// and requires lines within its list and texts the sign's encoding holds.
#include <QStringEncoder>

#include "FuzzSupport.h"
#include "console/RemoteControl.h"

class CheckingControl : public RemoteControl {
 public:
  explicit CheckingControl(int lines) : lines_(lines) {}
  RemoteState State() const override { return {0, QString(), lines_}; }
  RemoteResult Go(RemoteClock::time_point, const QString&) override {
    ++calls;
    ++gos;
    return {};
  }
  RemoteResult GoTo(int line) override { return Line(line); }
  RemoteResult Next() override { return Call(); }
  RemoteResult Previous() override { return Call(); }
  RemoteResult SendLine(int line, const QString&) override { return Line(line); }
  RemoteResult Blank(const QString&) override { return Call(); }
  RemoteResult SendText(const QString& text, int mode, const QString&) override {
    Require(mode >= 0 && mode < 20, "a text is sent in one of the sign's modes");
    QStringEncoder encoder("GB18030");
    (void)encoder.encode(text);
    Require(!encoder.hasError(), "a text sent is one the sign's encoding holds");
    return Call();
  }
  void InputOn() override {}

  int calls = 0;
  int gos = 0;

 private:
  RemoteResult Call() {
    ++calls;
    return {};
  }
  RemoteResult Line(int line) {
    Require(line >= 1 && line <= lines_, "a line asked for is within the list");
    return Call();
  }
  int lines_;
};
