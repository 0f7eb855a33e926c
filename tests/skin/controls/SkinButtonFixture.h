// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A window with a line edit (which holds the focus) and one skinned button bound to the
// program's own skin, shown offscreen and driven through real input events.
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "ButtonSkins.h"
#include "platform/Bitmap.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinDrawThreePart.h"

class SkinButtonFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadStoredSkin(stored, skin);
    window.resize(240, 120);
    edit = new QLineEdit(&window);
    edit->setGeometry(0, 90, 100, 24);
    button = new TSkinButton(&window);
    button->SetBounds(10, 10, 75, 25);
    button->SetSkinData(&skin);
    button->OnClick = [this](TSkinControl*) { ++clicks; };
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    // Start with the pointer away from the button.
    QTest::mouseMove(&window, QPoint(200, 100));
  }

  // A face of the program's button skin at the given width: left 4 and right 6 columns fixed,
  // the middle tiled.
  TBitmap Face(const TRect& rect, int width) const {
    TBitmap face;
    DrawHorzThreePartSkin(4, 6, face, false, width, rect, *skin.ActivePictures[kButtonPictureIndex]);
    return face;
  }

  QImage Shown() const { return button->grab().toImage().convertToFormat(QImage::Format_RGB32); }

  TCompressedStoredSkin stored;
  TSkinData skin;
  QWidget window;
  QLineEdit* edit = nullptr;
  TSkinButton* button = nullptr;
  int clicks = 0;
};

// Pixels (RGB) that differ between two pictures of the same size; -1 when the sizes differ.
inline int DifferingPixels(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return -1;
  int count = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF)) ++count;
  return count;
}
