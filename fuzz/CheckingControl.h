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
  void Go(const QString&) override { ++calls; ++gos; }
  void Select(int line) override { Line(line); }
  void Next() override { ++calls; }
  void Previous() override { ++calls; }
  void SendLine(int line, const QString&) override { Line(line); }
  void Blank(const QString&) override { ++calls; }
  void SendText(const QString& text, const QString& source) override { SendText(text, 0, source); }
  void SendText(const QString& text, int mode, const QString&) override {
    ++calls;
    Require(mode >= 0 && mode < 20, "a text is sent in one of the sign's modes");
    QStringEncoder encoder("GB18030");
    (void)encoder.encode(text);
    Require(!encoder.hasError(), "a text sent is one the sign's encoding holds");
  }

  int calls = 0;
  int gos = 0;

 private:
  void Line(int line) {
    ++calls;
    Require(line >= 1 && line <= lines_, "a line asked for is within the list");
  }
  int lines_;
};
