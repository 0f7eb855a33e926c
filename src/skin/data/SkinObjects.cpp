// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/data/SkinObjects.h"

#include <array>

namespace {

constexpr auto kObjectKeys = std::to_array<TSkinKey<TDataSkinObject>>({
    StringKey("hint", &TDataSkinObject::Hint),
    IntegerKey("activepictureindex", &TDataSkinObject::ActivePictureIndex, -1),
    BooleanKey("skinrectinapicture", &TDataSkinObject::SkinRectInAPicture),
    RectKey("skinrect", &TDataSkinObject::SkinRect),
    RectKey("activeskinrect", &TDataSkinObject::ActiveSkinRect),
    RectKey("inactiveskinrect", &TDataSkinObject::InActiveSkinRect),
    BooleanKey("morphing", &TDataSkinObject::Morphing),
    MorphKindKey("morphkind", &TDataSkinObject::MorphKind),
});

constexpr auto kButtonKeys = std::to_array<TSkinKey<TDataSkinButton>>({
    RectKey("downrect", &TDataSkinButton::DownRect),
    RectKey("disableskinrsect", &TDataSkinButton::DisableSkinRect),
});

constexpr auto kStdButtonKeys = std::to_array<TSkinKey<TDataSkinStdButton>>({
    CommandKey("command", &TDataSkinStdButton::Command),
    RectKey("restorerect", &TDataSkinStdButton::RestoreRect),
    RectKey("restoreactiverect", &TDataSkinStdButton::RestoreActiveRect),
    RectKey("restoredownrect", &TDataSkinStdButton::RestoreDownRect),
    RectKey("restoreinactiverect", &TDataSkinStdButton::RestoreInActiveRect),
});

constexpr auto kAnimateKeys = std::to_array<TSkinKey<TDataSkinAnimate>>({
    IntegerKey("countframes", &TDataSkinAnimate::CountFrames, 1),
    BooleanKey("cycle", &TDataSkinAnimate::Cycle),
    BooleanKey("buttonstyle", &TDataSkinAnimate::ButtonStyle),
    IntegerKey("timerinterval", &TDataSkinAnimate::TimerInterval, 50),
    CommandKey("command", &TDataSkinAnimate::Command),
    RectKey("downskinrect", &TDataSkinAnimate::DownSkinRect),
    RectKey("restorerect", &TDataSkinAnimate::RestoreRect),
    RectKey("restoreactiverect", &TDataSkinAnimate::RestoreActiveRect),
    RectKey("restoredownrect", &TDataSkinAnimate::RestoreDownRect),
    RectKey("restoreinactiverect", &TDataSkinAnimate::RestoreInActiveRect),
});

constexpr auto kMenuItemKeys = JoinKeys(
    std::to_array<TSkinKey<TDataSkinMenuItem>>({
        IntegerKey("itemleftoffset", &TDataSkinMenuItem::ItemLeftOffset),
        IntegerKey("itemrightoffset", &TDataSkinMenuItem::ItemRightOffset),
        RectKey("dividerrect", &TDataSkinMenuItem::DividerRect),
        IntegerKey("dividerleftoffset", &TDataSkinMenuItem::DividerLeftOffset),
        IntegerKey("dividerrightoffset", &TDataSkinMenuItem::DividerRightOffset),
        RectKey("textrect", &TDataSkinMenuItem::TextRect),
        RectKey("imagerect", &TDataSkinMenuItem::ImageRect),
    }),
    FontKeys<TDataSkinMenuItem>(),
    std::to_array<TSkinKey<TDataSkinMenuItem>>({
        ColorKey("activefontcolor", &TDataSkinMenuItem::ActiveFontColor),
        ColorKey("unenabledfontcolor", &TDataSkinMenuItem::UnEnabledFontColor),
        BooleanKey("stretcheffect", &TDataSkinMenuItem::StretchEffect),
        BooleanKey("inactivestretcheffect", &TDataSkinMenuItem::InActiveStretchEffect),
        BooleanKey("dividerstretcheffect", &TDataSkinMenuItem::DividerStretchEffect),
        RectKey("animateskinrect", &TDataSkinMenuItem::AnimateSkinRect),
        IntegerKey("framecount", &TDataSkinMenuItem::FrameCount),
        IntegerKey("animateinterval", &TDataSkinMenuItem::AnimateInterval, 25),
        BooleanKey("inactiveanimation", &TDataSkinMenuItem::InActiveAnimation),
        BooleanKey("useimagecolor", &TDataSkinMenuItem::UseImageColor),
        ColorKey("imagecolor", &TDataSkinMenuItem::ImageColor),
        ColorKey("activeimagecolor", &TDataSkinMenuItem::ActiveImageColor),
    }));

constexpr auto kMainMenuItemKeys = JoinKeys(
    std::to_array<TSkinKey<TDataSkinMainMenuItem>>({
        IntegerKey("itemleftoffset", &TDataSkinMainMenuItem::ItemLeftOffset),
        IntegerKey("itemrightoffset", &TDataSkinMainMenuItem::ItemRightOffset),
        RectKey("downrect", &TDataSkinMainMenuItem::DownRect),
        RectKey("textrect", &TDataSkinMainMenuItem::TextRect),
    }),
    FontKeys<TDataSkinMainMenuItem>(),
    std::to_array<TSkinKey<TDataSkinMainMenuItem>>({
        ColorKey("activefontcolor", &TDataSkinMainMenuItem::ActiveFontColor),
        ColorKey("downfontcolor", &TDataSkinMainMenuItem::DownFontColor),
        ColorKey("unenabledfontColor", &TDataSkinMainMenuItem::UnEnabledFontColor),
        BooleanKey("stretcheffect", &TDataSkinMainMenuItem::StretchEffect),
        RectKey("animateskinrect", &TDataSkinMainMenuItem::AnimateSkinRect),
        IntegerKey("framecount", &TDataSkinMainMenuItem::FrameCount),
        IntegerKey("animateinterval", &TDataSkinMainMenuItem::AnimateInterval, 25),
        BooleanKey("inactiveanimation", &TDataSkinMainMenuItem::InActiveAnimation),
    }));

constexpr auto kCaptionKeys = JoinKeys(
    std::to_array<TSkinKey<TDataSkinCaption>>({
        RectKey("textrect", &TDataSkinCaption::TextRect),
    }),
    FontKeys<TDataSkinCaption>(),
    std::to_array<TSkinKey<TDataSkinCaption>>({
        ColorKey("activefontcolor", &TDataSkinCaption::ActiveFontColor),
        AlignmentKey("alignment", &TDataSkinCaption::Alignment),
        BooleanKey("light", &TDataSkinCaption::Light),
        ColorKey("lightcolor", &TDataSkinCaption::LightColor),
        ColorKey("activelightcolor", &TDataSkinCaption::ActiveLightColor),
        BooleanKey("shadow", &TDataSkinCaption::Shadow),
        ColorKey("shadowcolor", &TDataSkinCaption::ShadowColor),
        ColorKey("activeshadowcolor", &TDataSkinCaption::ActiveShadowColor),
        RectKey("framerect", &TDataSkinCaption::FrameRect),
        RectKey("activeframerect", &TDataSkinCaption::ActiveFrameRect),
        RectKey("frametextrect", &TDataSkinCaption::FrameTextRect),
        IntegerKey("frameleftoffset", &TDataSkinCaption::FrameLeftOffset),
        IntegerKey("framerightoffset", &TDataSkinCaption::FrameRightOffset),
        BooleanKey("stretcheffect", &TDataSkinCaption::StretchEffect),
        RectKey("animateskinrect", &TDataSkinCaption::AnimateSkinRect),
        IntegerKey("framecount", &TDataSkinCaption::FrameCount),
        IntegerKey("animateinterval", &TDataSkinCaption::AnimateInterval, 25),
        BooleanKey("inactiveanimation", &TDataSkinCaption::InActiveAnimation),
        BooleanKey("fullframe", &TDataSkinCaption::FullFrame),
    }));

}  // namespace

std::span<const TSkinKey<TDataSkinObject>> TDataSkinObject::Keys() { return kObjectKeys; }

void TDataSkinObject::LoadFromIni(const TMemIniFile& ini) { ReadSkinKeys<TDataSkinObject>(ini, IDName, *this, Keys()); }

void TDataSkinObject::SaveToIni(TMemIniFile& ini) const {
  ini.EraseSection(IDName);
  WriteSkinKeys<TDataSkinObject>(ini, IDName, *this, Keys());
}

// A user object keeps nothing of the common object keys but its place.
void TDataUserObject::LoadFromIni(const TMemIniFile& ini) {
  SkinRect = SkinIni::ReadRect(ini, IDName, QStringLiteral("skinrect"));
}

void TDataUserObject::SaveToIni(TMemIniFile& ini) const {
  ini.EraseSection(IDName);
  SkinIni::WriteRect(ini, IDName, QStringLiteral("skinrect"), SkinRect);
}

std::span<const TSkinKey<TDataSkinButton>> TDataSkinButton::Keys() { return kButtonKeys; }

std::span<const TSkinKey<TDataSkinStdButton>> TDataSkinStdButton::Keys() { return kStdButtonKeys; }

std::span<const TSkinKey<TDataSkinAnimate>> TDataSkinAnimate::Keys() { return kAnimateKeys; }

std::span<const TSkinKey<TDataSkinMenuItem>> TDataSkinMenuItem::Keys() { return kMenuItemKeys; }

std::span<const TSkinKey<TDataSkinMainMenuItem>> TDataSkinMainMenuItem::Keys() { return kMainMenuItemKeys; }

std::span<const TSkinKey<TDataSkinCaption>> TDataSkinCaption::Keys() { return kCaptionKeys; }

