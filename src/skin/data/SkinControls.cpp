// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/data/SkinControls.h"

#include <array>

namespace {

constexpr auto kControlKeys = std::to_array<TSkinKey<TDataSkinControl>>({
    IntegerKey("pictureindex", &TDataSkinControl::PictureIndex, -1),
    IntegerKey("maskpictureindex", &TDataSkinControl::MaskPictureIndex, -1),
    RectKey("skinrect", &TDataSkinControl::SkinRect),
});

constexpr auto kCustomControlKeys = std::to_array<TSkinKey<TDataSkinCustomControl>>({
    PointKey("lefttoppoint", &TDataSkinCustomControl::LeftTopPoint),
    PointKey("righttoppoint", &TDataSkinCustomControl::RightTopPoint),
    PointKey("leftbottompoint", &TDataSkinCustomControl::LeftBottomPoint),
    PointKey("rightbottompoint", &TDataSkinCustomControl::RightBottomPoint),
    RectKey("clientrect", &TDataSkinCustomControl::ClientRect),
    BooleanKey("leftstretch", &TDataSkinCustomControl::LeftStretch),
    BooleanKey("topstretch", &TDataSkinCustomControl::TopStretch),
    BooleanKey("rightstretch", &TDataSkinCustomControl::RightStretch),
    BooleanKey("bottomstretch", &TDataSkinCustomControl::BottomStretch),
    BooleanKey("stretcheffect", &TDataSkinCustomControl::StretchEffect),
});

constexpr auto kMainMenuBarKeys = std::to_array<TSkinKey<TDataSkinMainMenuBar>>({
    RectKey("itemsrect", &TDataSkinMainMenuBar::ItemsRect),
    StringKey("menubaritem", &TDataSkinMainMenuBar::MenuBarItem),
    StringKey("closebutton", &TDataSkinMainMenuBar::CloseButton),
    StringKey("minbutton", &TDataSkinMainMenuBar::MinButton),
    StringKey("maxbutton", &TDataSkinMainMenuBar::MaxButton),
    StringKey("sysmenubutton", &TDataSkinMainMenuBar::SysMenuButton),
    ColorKey("trackmarkcolor", &TDataSkinMainMenuBar::TrackMarkColor),
    ColorKey("trackmarkactivecolor", &TDataSkinMainMenuBar::TrackMarkActiveColor),
});

constexpr auto kSliderKeys = std::to_array<TSkinKey<TDataSkinSlider>>({
    ColorKey("bgcolor", &TDataSkinSlider::BGColor),
    RectKey("hrulerrect", &TDataSkinSlider::HRulerRect),
    RectKey("hthumbrect", &TDataSkinSlider::HThumbRect),
    RectKey("vrulerrect", &TDataSkinSlider::VRulerRect),
    RectKey("vthumbrect", &TDataSkinSlider::VThumbRect),
    IntegerKey("edgesize", &TDataSkinSlider::EdgeSize),
    ColorKey("pointscolor", &TDataSkinSlider::PointsColor),
});

constexpr auto kBevelKeys = std::to_array<TSkinKey<TDataSkinBevel>>({
    ColorKey("lightcolor", &TDataSkinBevel::LightColor),
    ColorKey("darkcolor", &TDataSkinBevel::DarkColor),
});

// Tree views, list views and rich edits carry the same keys.
template <class C>
constexpr auto TextViewKeys() {
  return JoinKeys(FontKeys<C>(), std::to_array<TSkinKey<C>>({ColorKey("bgcolor", &C::BGColor)}));
}

constexpr auto kTreeViewKeys = TextViewKeys<TDataSkinTreeView>();
constexpr auto kListViewKeys = TextViewKeys<TDataSkinListView>();
constexpr auto kRichEditKeys = TextViewKeys<TDataSkinRichEdit>();

constexpr auto kTabControlKeys = JoinKeys(
    std::to_array<TSkinKey<TDataSkinTabControl>>({
        RectKey("tabrect", &TDataSkinTabControl::TabRect),
        RectKey("activetabrect", &TDataSkinTabControl::ActiveTabRect),
        RectKey("focustabrect", &TDataSkinTabControl::FocusTabRect),
        RectKey("mouseintabrect", &TDataSkinTabControl::MouseInTabRect),
        RectKey("clientrect", &TDataSkinTabControl::ClientRect),
        IntegerKey("bgpictureindex", &TDataSkinTabControl::BGPictureIndex, -1),
        PointKey("lefttoppoint", &TDataSkinTabControl::LeftTopPoint),
        PointKey("righttoppoint", &TDataSkinTabControl::RightTopPoint),
        PointKey("leftbottompoint", &TDataSkinTabControl::LeftBottomPoint),
        PointKey("rightbottompoint", &TDataSkinTabControl::RightBottomPoint),
        IntegerKey("tableftoffset", &TDataSkinTabControl::TabLeftOffset),
        IntegerKey("tabrightoffset", &TDataSkinTabControl::TabRightOffset),
        RectKey("tabsbgrect", &TDataSkinTabControl::TabsBGRect),
        BooleanKey("tabstretcheffect", &TDataSkinTabControl::TabStretchEffect),
        BooleanKey("leftstretch", &TDataSkinTabControl::LeftStretch),
        BooleanKey("topstretch", &TDataSkinTabControl::TopStretch),
        BooleanKey("rightstretch", &TDataSkinTabControl::RightStretch),
        BooleanKey("bottomstretch", &TDataSkinTabControl::BottomStretch),
    }),
    FontKeys<TDataSkinTabControl>(),
    std::to_array<TSkinKey<TDataSkinTabControl>>({
        ColorKey("activefontcolor", &TDataSkinTabControl::ActiveFontColor),
        ColorKey("focusfontcolor", &TDataSkinTabControl::FocusFontColor),
        ColorKey("mouseinfontcolor", &TDataSkinTabControl::MouseInFontColor),
        StringKey("updown", &TDataSkinTabControl::UpDown),
        BooleanKey("showfocus", &TDataSkinTabControl::ShowFocus),
        IntegerKey("focusoffsetx", &TDataSkinTabControl::FocusOffsetX),
        IntegerKey("focusoffsety", &TDataSkinTabControl::FocusOffsetY),
    }));

constexpr auto kGridControlKeys = JoinKeys(
    std::to_array<TSkinKey<TDataSkinGridControl>>({
        RectKey("fixedcellrect", &TDataSkinGridControl::FixedCellRect),
        RectKey("selectcellrect", &TDataSkinGridControl::SelectCellRect),
        RectKey("focuscellrect", &TDataSkinGridControl::FocusCellRect),
        IntegerKey("fixedcellleftoffset", &TDataSkinGridControl::FixedCellLeftOffset),
        IntegerKey("fixedcellrightoffset", &TDataSkinGridControl::FixedCellRightOffset),
        RectKey("fixedcelltextrect", &TDataSkinGridControl::FixedCellTextRect),
        IntegerKey("cellleftoffset", &TDataSkinGridControl::CellLeftOffset),
        IntegerKey("cellrightoffset", &TDataSkinGridControl::CellRightOffset),
        RectKey("celltextrect", &TDataSkinGridControl::CellTextRect),
        ColorKey("linescolor", &TDataSkinGridControl::LinesColor),
        ColorKey("bgcolor", &TDataSkinGridControl::BGColor),
    }),
    FontKeys<TDataSkinGridControl>(),
    std::to_array<TSkinKey<TDataSkinGridControl>>({
        ColorKey("selectfontcolor", &TDataSkinGridControl::SelectFontColor),
        ColorKey("focusfontcolor", &TDataSkinGridControl::FocusFontColor),
    }),
    FixedFontKeys<TDataSkinGridControl>(),
    std::to_array<TSkinKey<TDataSkinGridControl>>({
        BooleanKey("cellstretcheffect", &TDataSkinGridControl::CellStretchEffect),
        BooleanKey("fixedcellstretcheffect", &TDataSkinGridControl::FixedCellStretchEffect),
        BooleanKey("showfocus", &TDataSkinGridControl::ShowFocus),
    }));

constexpr auto kStdLabelControlKeys = JoinKeys(
    FontKeys<TDataSkinStdLabelControl>(),
    std::to_array<TSkinKey<TDataSkinStdLabelControl>>({
        ColorKey("activefontcolor", &TDataSkinStdLabelControl::ActiveFontColor, 16711680),
    }));

}  // namespace

std::span<const TSkinKey<TDataSkinControl>> TDataSkinControl::Keys() { return kControlKeys; }

void TDataSkinControl::LoadFromIni(const TMemIniFile& ini) { ReadSkinKeys<TDataSkinControl>(ini, IDName, *this, Keys()); }

void TDataSkinControl::SaveToIni(TMemIniFile& ini) const {
  ini.EraseSection(IDName);
  WriteSkinKeys<TDataSkinControl>(ini, IDName, *this, Keys());
}

std::span<const TSkinKey<TDataSkinCustomControl>> TDataSkinCustomControl::Keys() { return kCustomControlKeys; }
std::span<const TSkinKey<TDataSkinMainMenuBar>> TDataSkinMainMenuBar::Keys() { return kMainMenuBarKeys; }

std::span<const TSkinKey<TDataSkinSlider>> TDataSkinSlider::Keys() { return kSliderKeys; }

std::span<const TSkinKey<TDataSkinBevel>> TDataSkinBevel::Keys() { return kBevelKeys; }

std::span<const TSkinKey<TDataSkinTreeView>> TDataSkinTreeView::Keys() { return kTreeViewKeys; }

std::span<const TSkinKey<TDataSkinListView>> TDataSkinListView::Keys() { return kListViewKeys; }

std::span<const TSkinKey<TDataSkinRichEdit>> TDataSkinRichEdit::Keys() { return kRichEditKeys; }

std::span<const TSkinKey<TDataSkinTabControl>> TDataSkinTabControl::Keys() { return kTabControlKeys; }

std::span<const TSkinKey<TDataSkinGridControl>> TDataSkinGridControl::Keys() { return kGridControlKeys; }

std::span<const TSkinKey<TDataSkinStdLabelControl>> TDataSkinStdLabelControl::Keys() { return kStdLabelControlKeys; }

