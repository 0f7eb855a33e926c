// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Stands in for the console behind a remote input: records what it was asked to do; its list
// holds three lines with the second selected.
#include <QStringList>

#include "console/RemoteControl.h"

class RecordingControl : public RemoteControl {
 public:
  RemoteState State() const override { return {2, QStringLiteral("二"), 3}; }
  void Go(const QString& source) override { calls << QStringLiteral("go ") + source; }
  void Select(int line) override { calls << QStringLiteral("select %1").arg(line); }
  void Next() override { calls << QStringLiteral("next"); }
  void Previous() override { calls << QStringLiteral("previous"); }
  void SendLine(int line, const QString& source) override { calls << QStringLiteral("send %1 ").arg(line) + source; }
  void Blank(const QString& source) override { calls << QStringLiteral("blank ") + source; }
  void SendText(const QString& text, const QString& source) override { calls << QStringLiteral("text ") + text + u' ' + source; }

  QStringList calls;
};
