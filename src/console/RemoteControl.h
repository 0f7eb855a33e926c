// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// What the console offers to a remote input (the OSC cues, the web pages): the window implements
// it with its own handlers, so a remote action is the operator's own.
#include <QString>

struct RemoteState {
  int selectedLine = 0;  // 1-based, 0 when none
  QString text;
  int lineCount = 0;
  bool operator==(const RemoteState&) const = default;
};

// Line numbers passed in are 1-based and within the list.
class RemoteControl {
 public:
  virtual ~RemoteControl() = default;
  virtual RemoteState State() const = 0;
  virtual void Go(const QString& source) = 0;
  virtual void Select(int line) = 0;
  virtual void Next() = 0;
  virtual void Previous() = 0;
  virtual void SendLine(int line, const QString& source) = 0;
  virtual void Blank(const QString& source) = 0;
  virtual void SendText(const QString& text, const QString& source) = 0;
};
