// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A console window, shown offscreen, with scripted dialogs, driven through real input events.
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "console/Unit1.h"
#include "support/ScriptedDialogs.h"

class ConsoleFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Replaces the caption list's text (the play list follows).
  void SetCaptions(const QStringList& lines);
  QPoint PointOfLine(int line);
  void ClickLine(int line);
  void DoubleClickLine(int line);
  void PressKeyInPlayList(Qt::Key key);
  // Types text (any characters) into a widget through key events.
  void TypeText(QWidget* widget, const QString& text);
  // Chooses a mode from the mode selector's list as the operator does.
  void ChooseMode(int mode);

  ScriptedDialogs* dialogs = nullptr;
  std::unique_ptr<TForm1> form;
};
