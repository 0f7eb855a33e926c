// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The console's window as far as the frame goes, on a real (offscreen) window: bsSingle,
// [biRollUp], the stored skin, client 530 x 337 at (100, 80). The pointer is driven with real
// pointer events, the screen pointer following them; the engine's timers are run by hand, one
// tick at a time, so nothing depends on how fast the machine is.
#include <QImage>
#include <QTest>
#include <utility>
#include <vector>
#include <gtest/gtest.h>

#include "platform/NonClientMessages.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/form/SkinForm.h"
#include "skin/menus/SkinMenu.h"

// A skin folder in the current folder: "main.bmp", a 320 x 120 frame picture of one colour
// (40, 90, 160), the further pictures given by name, and "skin.ini" with the given text.
void WriteSkinFolder(const std::vector<std::pair<QString, QImage>>& pictures, const QByteArray& ini);

class SkinnedWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void ShowActive();

  // A window point on the screen.
  QPoint Global(int x, int y) const;
  int HitAt(int x, int y);
  // The pointer to a window point (with the buttons held so far), a press, a release and a
  // double click there, as the window system delivers them.
  void MoveTo(int x, int y);
  void Press(int x, int y, Qt::MouseButton button = Qt::LeftButton);
  void Release(int x, int y, Qt::MouseButton button = Qt::LeftButton);
  void DoubleClick(int x, int y);
  // A click where the hover poll has seen the pointer arrive first.
  void Click(int x, int y, Qt::MouseButton button = Qt::LeftButton);
  void Pointer(QEvent::Type type, QPoint global, Qt::MouseButton button);
  // One run of the hover poll.
  void Poll() { engine.HoverTimer().Tick(); }
  // Ticks the morph timer until it stops, at most `limit` times; returns how many ticks ran.
  int RunMorph(int limit = 20);

  const TActiveSkinObject& Object(const QString& name) const;
  TSkinButtonObject& Button(const QString& name);
  QImage Frame();
  // What the frame shows at an object's place, and a look cut from a skin picture.
  QImage Shown(const QString& name);
  static QImage Look(const TBitmap& picture, const TRect& r);

  TForm form;
  TSkinForm engine{&form};
  TCompressedStoredSkin stored;
  TSkinData skin;
  Qt::MouseButtons held;
  // The events' clock: a user's separate clicks lie a second apart, a double click's 100 ms.
  quint64 clock = 0;
};
