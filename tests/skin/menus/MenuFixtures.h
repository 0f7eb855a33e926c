// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Menus and skins for the menu tests: menus built from captions, the program's own skin, and a
// small skin folder with a masked popup frame whose pictures are coded pixel by pixel.
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>
#include <initializer_list>

#include "platform/Menus.h"
#include "skin/controls/ButtonSkins.h"
#include "skin/controls/SkinPictures.h"

// Appends items by caption: "-" is a separator, a trailing ">" gives the item one sub-item "x".
inline void AddItems(TMenuItem& root, std::initializer_list<const char*> captions) {
  for (const char* text : captions) {
    QString caption = QString::fromUtf8(text);
    const bool parent = caption.size() > 1 && caption.endsWith(u'>');
    if (parent) caption.chop(1);
    TMenuItem* item = root.Add(caption);
    if (parent) item->Add(QStringLiteral("x"));
  }
}

// The program skin's popup frame (active picture 1, 88 × 80, items area 2,2,86,78) and menu item
// (picture 2: normal 0,0,68,22, active 0,22,68,44, divider 0,44,68,52).
inline constexpr int kItemPictureIndex = 2;
inline constexpr TRect kItemSkinRect{0, 0, 68, 22};
inline constexpr TRect kItemActiveRect{0, 22, 68, 44};

// A skin folder with a 40 × 30 popup frame (picture 0, tag 1) cut by a mask (picture 1) that
// leaves out the frame's four corner pixels, and a menu item look in picture 2 (60 × 72, tag 5):
// normal 0,0,60,16, active 0,16,60,32, divider 0,32,60,36, text 20,0,56,16, and below them room
// for two stacked 16-pixel animation frames (36..68). `itemPicture` is the item object's picture
// index; `itemExtra` adds keys to its section.
inline void WriteMenuSkin(int itemPicture = 2, const QString& itemExtra = {}) {
  ASSERT_TRUE(CodedPicture(20, 20).Image().save("main.bmp", "BMP"));
  ASSERT_TRUE(CodedPicture(40, 30, 1).Image().save("frame.bmp", "BMP"));
  QImage mask(40, 30, QImage::Format_RGB32);
  mask.fill(Qt::black);
  for (const QPoint corner : {QPoint(0, 0), QPoint(39, 0), QPoint(0, 29), QPoint(39, 29)}) mask.setPixel(corner, qRgb(255, 255, 255));
  ASSERT_TRUE(mask.save("framemask.bmp", "BMP"));
  ASSERT_TRUE(CodedPicture(60, 72, 5).Image().save("items.bmp", "BMP"));
  QFile ini("skin.ini");
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
  const QString text =
      QStringLiteral(
          "[VERSION]\nskinname=menu test\n[PICTURES]\npicture=main.bmp\nmask=\nactivepicturescount=3\n"
          "0=frame.bmp\n1=framemask.bmp\n2=items.bmp\n[FORMINFO]\n"
          "[POPUPWINDOW]\nwindowpictureindex=0\nmaskpictureindex=1\nlefttoppoint=10,3\nrighttoppoint=30,3\n"
          "leftbottompoint=10,27\nrightbottompoint=30,27\nitemsrect=3,3,37,27\nscrollmarkercolor=255\n"
          "scrollmarkeractivecolor=65280\n"
          "[SKINOBJECTS]\ncount=1\n0=menuitem:menuitem\n[menuitem]\nactivepictureindex=%1\nskinrect=0,0,60,16\n"
          "activeskinrect=0,16,60,32\ndividerrect=0,32,60,36\ntextrect=20,0,56,16\nitemleftoffset=10\n"
          "itemrightoffset=10\nfontcolor=255\nactivefontcolor=16711680\nunenabledfontcolor=8421504\n%2\n"
          "[SKINCONTROLS]\ncount=0\n")
          .arg(itemPicture)
          .arg(itemExtra);
  ini.write(text.toLatin1());
}
