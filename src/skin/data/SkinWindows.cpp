// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/data/SkinWindows.h"

#include <array>

namespace {

constexpr auto kPopupWindowKeys = std::to_array<TSkinKey<TDataSkinPopupWindow>>({
    IntegerKey("windowpictureindex", &TDataSkinPopupWindow::WindowPictureIndex, -1),
    IntegerKey("maskpictureindex", &TDataSkinPopupWindow::MaskPictureIndex, -1),
    PointKey("lefttoppoint", &TDataSkinPopupWindow::LeftTopPoint),
    PointKey("righttoppoint", &TDataSkinPopupWindow::RightTopPoint),
    PointKey("leftbottompoint", &TDataSkinPopupWindow::LeftBottomPoint),
    PointKey("rightbottompoint", &TDataSkinPopupWindow::RightBottomPoint),
    RectKey("itemsrect", &TDataSkinPopupWindow::ItemsRect),
    ColorKey("scrollmarkercolor", &TDataSkinPopupWindow::ScrollMarkerColor),
    ColorKey("scrollmarkeractivecolor", &TDataSkinPopupWindow::ScrollMarkerActiveColor),
    BooleanKey("leftstretch", &TDataSkinPopupWindow::LeftStretch),
    BooleanKey("rightstretch", &TDataSkinPopupWindow::RightStretch),
    BooleanKey("topstretch", &TDataSkinPopupWindow::TopStretch),
    BooleanKey("bottomstretch", &TDataSkinPopupWindow::BottomStretch),
});

constexpr auto kHintWindowKeys = JoinKeys(
    std::to_array<TSkinKey<TDataSkinHintWindow>>({
        IntegerKey("windowpictureindex", &TDataSkinHintWindow::WindowPictureIndex, -1),
        IntegerKey("maskpictureindex", &TDataSkinHintWindow::MaskPictureIndex, -1),
        PointKey("lefttoppoint", &TDataSkinHintWindow::LeftTopPoint),
        PointKey("righttoppoint", &TDataSkinHintWindow::RightTopPoint),
        PointKey("leftbottompoint", &TDataSkinHintWindow::LeftBottomPoint),
        PointKey("rightbottompoint", &TDataSkinHintWindow::RightBottomPoint),
        RectKey("clientrect", &TDataSkinHintWindow::ClientRect),
    }),
    FontKeys<TDataSkinHintWindow>(),
    std::to_array<TSkinKey<TDataSkinHintWindow>>({
        BooleanKey("leftstretch", &TDataSkinHintWindow::LeftStretch),
        BooleanKey("rightstretch", &TDataSkinHintWindow::RightStretch),
        BooleanKey("topstretch", &TDataSkinHintWindow::TopStretch),
        BooleanKey("bottomstretch", &TDataSkinHintWindow::BottomStretch),
    }));

}  // namespace

std::span<const TSkinKey<TDataSkinPopupWindow>> TDataSkinPopupWindow::Keys() { return kPopupWindowKeys; }

void TDataSkinPopupWindow::LoadFromIni(const TMemIniFile& ini, const QString& section) {
  ReadSkinKeys<TDataSkinPopupWindow>(ini, section, *this, Keys());
}

std::span<const TSkinKey<TDataSkinHintWindow>> TDataSkinHintWindow::Keys() { return kHintWindowKeys; }

void TDataSkinHintWindow::LoadFromIni(const TMemIniFile& ini, const QString& section) {
  ReadSkinKeys<TDataSkinHintWindow>(ini, section, *this, Keys());
}
