// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/data/SkinCustomControls.h"

#include <array>

namespace {

// The two arrow buttons of up-down, spin-edit, list-box and scroll-bar skins, each in its
// normal, hot and pressed look.
template <class C>
constexpr std::array<TSkinKey<C>, 6> UpDownButtonKeys() {
  return {RectKey("upbuttonrect", &C::UpButtonRect),           RectKey("activeupbuttonrect", &C::ActiveUpButtonRect),
          RectKey("downupbuttonrect", &C::DownUpButtonRect),   RectKey("downbuttonrect", &C::DownButtonRect),
          RectKey("activedownbuttonrect", &C::ActiveDownButtonRect),
          RectKey("downdownbuttonrect", &C::DownDownButtonRect)};
}

constexpr auto kButtonControlKeys = JoinKeys(
    FontKeys<TDataSkinButtonControl>(),
    std::to_array<TSkinKey<TDataSkinButtonControl>>({
        ColorKey("activefontcolor", &TDataSkinButtonControl::ActiveFontColor),
        ColorKey("downfontcolor", &TDataSkinButtonControl::DownFontColor),
        ColorKey("disabledfontcolor", &TDataSkinButtonControl::DisabledFontColor),
        RectKey("activeskinrect", &TDataSkinButtonControl::ActiveSkinRect),
        RectKey("downskinrect", &TDataSkinButtonControl::DownSkinRect),
        RectKey("disabledskinrect", &TDataSkinButtonControl::DisabledSkinRect),
        BooleanKey("morphing", &TDataSkinButtonControl::Morphing),
        MorphKindKey("morphkind", &TDataSkinButtonControl::MorphKind),
        RectKey("animateskinrect", &TDataSkinButtonControl::AnimateSkinRect),
        IntegerKey("framecount", &TDataSkinButtonControl::FrameCount),
        IntegerKey("animateinterval", &TDataSkinButtonControl::AnimateInterval, 25),
        BooleanKey("showfocus", &TDataSkinButtonControl::ShowFocus),
        RectKey("menumarkerflatrect", &TDataSkinButtonControl::MenuMarkerFlatRect),
        RectKey("menumarkerrect", &TDataSkinButtonControl::MenuMarkerRect),
        RectKey("menumarkeractiverect", &TDataSkinButtonControl::MenuMarkerActiveRect),
        RectKey("menumarkerdownrect", &TDataSkinButtonControl::MenuMarkerDownRect),
        ColorKey("menumarkertransparentcolor", &TDataSkinButtonControl::MenuMarkerTransparentColor),
    }));

constexpr auto kMenuButtonControlKeys = std::to_array<TSkinKey<TDataSkinMenuButtonControl>>({
    RectKey("trackbuttonrect", &TDataSkinMenuButtonControl::TrackButtonRect),
});

constexpr auto kUpDownControlKeys = UpDownButtonKeys<TDataSkinUpDownControl>();

constexpr auto kListBoxKeys = JoinKeys(
    std::to_array<TSkinKey<TDataSkinListBox>>({
        RectKey("itemrect", &TDataSkinListBox::ItemRect),
        RectKey("activeitemrect", &TDataSkinListBox::ActiveItemRect),
        RectKey("focusitemrect", &TDataSkinListBox::FocusItemRect),
        IntegerKey("itemleftoffset", &TDataSkinListBox::ItemLeftOffset),
        IntegerKey("itemrightoffset", &TDataSkinListBox::ItemRightOffset),
        RectKey("itemtextrect", &TDataSkinListBox::ItemTextRect),
    }),
    FontKeys<TDataSkinListBox>(),
    std::to_array<TSkinKey<TDataSkinListBox>>({
        ColorKey("activefontcolor", &TDataSkinListBox::ActiveFontColor),
        ColorKey("focusfontcolor", &TDataSkinListBox::FocusFontColor),
        RectKey("captionrect", &TDataSkinListBox::CaptionRect),
    }),
    CaptionFontKeys<TDataSkinListBox>(),
    UpDownButtonKeys<TDataSkinListBox>(),
    std::to_array<TSkinKey<TDataSkinListBox>>({
        RectKey("checkbuttonrect", &TDataSkinListBox::CheckButtonRect),
        RectKey("activecheckbuttonrect", &TDataSkinListBox::ActiveCheckButtonRect),
        RectKey("downcheckbuttonrect", &TDataSkinListBox::DownCheckButtonRect),
        StringKey("vscrollbarname", &TDataSkinListBox::VScrollBarName, "vscrollbar"),
        StringKey("hscrollbarname", &TDataSkinListBox::HScrollBarName, "hscrollbar"),
        StringKey("bothhscrollbarname", &TDataSkinListBox::BothHScrollBarName, "bothhscrollbar"),
        BooleanKey("showfocus", &TDataSkinListBox::ShowFocus),
    }));

constexpr auto kCheckListBoxKeys = std::to_array<TSkinKey<TDataSkinCheckListBox>>({
    RectKey("itemcheckrect", &TDataSkinCheckListBox::ItemCheckRect),
    RectKey("checkimagerect", &TDataSkinCheckListBox::CheckImageRect),
    RectKey("uncheckimagerect", &TDataSkinCheckListBox::UncheckImageRect),
});

constexpr auto kComboBoxKeys = JoinKeys(
    std::to_array<TSkinKey<TDataSkinComboBox>>({
        RectKey("activeskinrect", &TDataSkinComboBox::ActiveSkinRect),
        RectKey("itemrect", &TDataSkinComboBox::ItemRect),
        RectKey("activeitemrect", &TDataSkinComboBox::ActiveItemRect),
        RectKey("focusitemrect", &TDataSkinComboBox::FocusItemRect),
        IntegerKey("itemleftoffset", &TDataSkinComboBox::ItemLeftOffset),
        IntegerKey("itemrightoffset", &TDataSkinComboBox::ItemRightOffset),
        RectKey("itemtextrect", &TDataSkinComboBox::ItemTextRect),
    }),
    FontKeys<TDataSkinComboBox>(),
    std::to_array<TSkinKey<TDataSkinComboBox>>({
        ColorKey("focusfontcolor", &TDataSkinComboBox::FocusFontColor),
        ColorKey("activefontcolor", &TDataSkinComboBox::ActiveFontColor),
        StringKey("listboxname", &TDataSkinComboBox::ListBoxName),
        RectKey("buttonrect", &TDataSkinComboBox::ButtonRect),
        RectKey("activebuttonrect", &TDataSkinComboBox::ActiveButtonRect),
        RectKey("downbuttonrect", &TDataSkinComboBox::DownButtonRect),
        RectKey("unenabledbuttonrect", &TDataSkinComboBox::UnEnabledButtonRect),
        BooleanKey("itemstretcheffect", &TDataSkinComboBox::ItemStretchEffect),
        BooleanKey("focusitemstretcheffect", &TDataSkinComboBox::FocusItemStretchEffect),
        BooleanKey("showfocus", &TDataSkinComboBox::ShowFocus),
    }));

constexpr auto kControlBarKeys = std::to_array<TSkinKey<TDataSkinControlBar>>({
    RectKey("itemrect", &TDataSkinControlBar::ItemRect),
    IntegerKey("bgpictureindex", &TDataSkinControlBar::BGPictureIndex, -1),
    RectKey("hgriprect", &TDataSkinControlBar::HGripRect),
    RectKey("vgriprect", &TDataSkinControlBar::VGripRect),
    IntegerKey("gripoffset1", &TDataSkinControlBar::GripOffset1),
    IntegerKey("gripoffset2", &TDataSkinControlBar::GripOffset2),
});

constexpr auto kSpinEditControlKeys = JoinKeys(
    std::to_array<TSkinKey<TDataSkinSpinEditControl>>({
        RectKey("activeskinrect", &TDataSkinSpinEditControl::ActiveSkinRect),
    }),
    FontKeys<TDataSkinSpinEditControl>(),
    std::to_array<TSkinKey<TDataSkinSpinEditControl>>({
        ColorKey("activefontcolor", &TDataSkinSpinEditControl::ActiveFontColor),
        ColorKey("disabledfontcolor", &TDataSkinSpinEditControl::DisabledFontColor),
    }),
    UpDownButtonKeys<TDataSkinSpinEditControl>());

constexpr auto kEditControlKeys = JoinKeys(
    std::to_array<TSkinKey<TDataSkinEditControl>>({
        RectKey("activeskinrect", &TDataSkinEditControl::ActiveSkinRect),
    }),
    FontKeys<TDataSkinEditControl>(),
    std::to_array<TSkinKey<TDataSkinEditControl>>({
        ColorKey("disabledfontcolor", &TDataSkinEditControl::DisabledFontColor),
        ColorKey("activefontcolor", &TDataSkinEditControl::ActiveFontColor),
        RectKey("buttonrect", &TDataSkinEditControl::ButtonRect),
        RectKey("activebuttonrect", &TDataSkinEditControl::ActiveButtonRect),
        RectKey("downbuttonrect", &TDataSkinEditControl::DownButtonRect),
        RectKey("unenabledbuttonrect", &TDataSkinEditControl::UnEnabledButtonRect),
    }));

constexpr auto kMemoControlKeys = std::to_array<TSkinKey<TDataSkinMemoControl>>({
    ColorKey("bgcolor", &TDataSkinMemoControl::BGColor),
    ColorKey("activebgcolor", &TDataSkinMemoControl::ActiveBGColor),
});

constexpr auto kLabelControlKeys = FontKeys<TDataSkinLabelControl>();

constexpr auto kScrollBarControlKeys = JoinKeys(
    std::to_array<TSkinKey<TDataSkinScrollBarControl>>({RectKey("trackarea", &TDataSkinScrollBarControl::TrackArea)}),
    UpDownButtonKeys<TDataSkinScrollBarControl>(),
    std::to_array<TSkinKey<TDataSkinScrollBarControl>>({
        RectKey("thumbrect", &TDataSkinScrollBarControl::ThumbRect),
        RectKey("activethumbrect", &TDataSkinScrollBarControl::ActiveThumbRect),
        RectKey("downthumbrect", &TDataSkinScrollBarControl::DownThumbRect),
        IntegerKey("thumboffset1", &TDataSkinScrollBarControl::ThumbOffset1),
        IntegerKey("thumboffset2", &TDataSkinScrollBarControl::ThumbOffset2),
        BooleanKey("thumbtransparent", &TDataSkinScrollBarControl::ThumbTransparent),
        ColorKey("thumbtransparentcolor", &TDataSkinScrollBarControl::ThumbTransparentColor),
        RectKey("glyphrect", &TDataSkinScrollBarControl::GlyphRect),
        RectKey("activeglyphrect", &TDataSkinScrollBarControl::ActiveGlyphRect),
        RectKey("downglyphrect", &TDataSkinScrollBarControl::DownGlyphRect),
    }));

constexpr auto kTrackBarControlKeys = std::to_array<TSkinKey<TDataSkinTrackBarControl>>({
    RectKey("trackarea", &TDataSkinTrackBarControl::TrackArea),
    RectKey("buttonrect", &TDataSkinTrackBarControl::ButtonRect),
    RectKey("activebuttonrect", &TDataSkinTrackBarControl::ActiveButtonRect),
    BooleanKey("vertical", &TDataSkinTrackBarControl::Vertical),
    BooleanKey("buttontransparent", &TDataSkinTrackBarControl::ButtonTransparent),
    ColorKey("buttontransparentcolor", &TDataSkinTrackBarControl::ButtonTransparentColor),
});

constexpr auto kSplitterControlKeys = std::to_array<TSkinKey<TDataSkinSplitterControl>>({
    RectKey("gripperrect", &TDataSkinSplitterControl::GripperRect),
    BooleanKey("grippertransparent", &TDataSkinSplitterControl::GripperTransparent),
    ColorKey("grippertransparentcolor", &TDataSkinSplitterControl::GripperTransparentColor),
});

constexpr auto kGaugeControlKeys = JoinKeys(
    std::to_array<TSkinKey<TDataSkinGaugeControl>>({
        RectKey("progressarea", &TDataSkinGaugeControl::ProgressArea),
        RectKey("progressrect", &TDataSkinGaugeControl::ProgressRect),
        IntegerKey("beginoffset", &TDataSkinGaugeControl::BeginOffset),
        IntegerKey("endoffset", &TDataSkinGaugeControl::EndOffset),
        BooleanKey("vertical", &TDataSkinGaugeControl::Vertical),
    }),
    FontKeys<TDataSkinGaugeControl>(),
    std::to_array<TSkinKey<TDataSkinGaugeControl>>({
        BooleanKey("progresstransparent", &TDataSkinGaugeControl::ProgressTransparent),
        ColorKey("progresstransparentcolor", &TDataSkinGaugeControl::ProgressTransparentColor),
        BooleanKey("progressstretch", &TDataSkinGaugeControl::ProgressStretch),
    }));

constexpr auto kScrollBoxControlKeys = std::to_array<TSkinKey<TDataSkinScrollBoxControl>>({
    IntegerKey("bgpictureindex", &TDataSkinScrollBoxControl::BGPictureIndex, -1),
});

constexpr auto kPanelControlKeys = JoinKeys(
    std::to_array<TSkinKey<TDataSkinPanelControl>>({
        IntegerKey("bgpictureindex", &TDataSkinPanelControl::BGPictureIndex, -1),
        RectKey("captionrect", &TDataSkinPanelControl::CaptionRect),
        AlignmentKey("alignment", &TDataSkinPanelControl::Alignment),
    }),
    FontKeys<TDataSkinPanelControl>(),
    std::to_array<TSkinKey<TDataSkinPanelControl>>({
        RectKey("checkimagerect", &TDataSkinPanelControl::CheckImageRect),
        RectKey("uncheckimagerect", &TDataSkinPanelControl::UncheckImageRect),
        RectKey("markframerect", &TDataSkinPanelControl::MarkFrameRect),
        RectKey("framerect", &TDataSkinPanelControl::FrameRect),
        RectKey("frametextrect", &TDataSkinPanelControl::FrameTextRect),
        IntegerKey("frameleftoffset", &TDataSkinPanelControl::FrameLeftOffset),
        IntegerKey("framerightoffset", &TDataSkinPanelControl::FrameRightOffset),
        RectKey("gripperrect", &TDataSkinPanelControl::GripperRect),
        BooleanKey("grippertransparent", &TDataSkinPanelControl::GripperTransparent),
        ColorKey("grippertransparentcolor", &TDataSkinPanelControl::GripperTransparentColor),
    }));

constexpr auto kCheckRadioControlKeys = JoinKeys(
    FontKeys<TDataSkinCheckRadioControl>(),
    std::to_array<TSkinKey<TDataSkinCheckRadioControl>>({
        ColorKey("activefontcolor", &TDataSkinCheckRadioControl::ActiveFontColor),
        ColorKey("unenabledfontcolor", &TDataSkinCheckRadioControl::UnEnabledFontColor),
        ColorKey("framefontcolor", &TDataSkinCheckRadioControl::FrameFontColor),
        RectKey("activeskinrect", &TDataSkinCheckRadioControl::ActiveSkinRect),
        RectKey("checkimagearea", &TDataSkinCheckRadioControl::CheckImageArea),
        RectKey("textarea", &TDataSkinCheckRadioControl::TextArea),
        RectKey("checkimagerect", &TDataSkinCheckRadioControl::CheckImageRect),
        RectKey("uncheckimagerect", &TDataSkinCheckRadioControl::UncheckImageRect),
        RectKey("activecheckimagerect", &TDataSkinCheckRadioControl::ActiveCheckImageRect),
        RectKey("activeuncheckimagerect", &TDataSkinCheckRadioControl::ActiveUncheckImageRect),
        RectKey("unenabledcheckimagerect", &TDataSkinCheckRadioControl::UnEnabledCheckImageRect),
        RectKey("unenableduncheckimagerect", &TDataSkinCheckRadioControl::UnEnabledUncheckImageRect),
        BooleanKey("morphing", &TDataSkinCheckRadioControl::Morphing),
        MorphKindKey("morphkind", &TDataSkinCheckRadioControl::MorphKind),
    }));

constexpr auto kExPanelControlKeys = JoinKeys(
    std::to_array<TSkinKey<TDataSkinExPanelControl>>({
        RectKey("rollhskinrect", &TDataSkinExPanelControl::RollHSkinRect),
        RectKey("rollvskinrect", &TDataSkinExPanelControl::RollVSkinRect),
        IntegerKey("rollleftoffset", &TDataSkinExPanelControl::RollLeftOffset),
        IntegerKey("rollrightoffset", &TDataSkinExPanelControl::RollRightOffset),
        IntegerKey("rolltopoffset", &TDataSkinExPanelControl::RollTopOffset),
        IntegerKey("rollbottomoffset", &TDataSkinExPanelControl::RollBottomOffset),
        RectKey("rollvcaptionrect", &TDataSkinExPanelControl::RollVCaptionRect),
        RectKey("rollhcaptionrect", &TDataSkinExPanelControl::RollHCaptionRect),
        RectKey("closebuttonrect", &TDataSkinExPanelControl::CloseButtonRect),
        RectKey("closebuttonactiverect", &TDataSkinExPanelControl::CloseButtonActiveRect),
        RectKey("closebuttondownrect", &TDataSkinExPanelControl::CloseButtonDownRect),
        RectKey("hrollbuttonrect", &TDataSkinExPanelControl::HRollButtonRect),
        RectKey("hrollbuttonactiverect", &TDataSkinExPanelControl::HRollButtonActiveRect),
        RectKey("hrollbuttondownrect", &TDataSkinExPanelControl::HRollButtonDownRect),
        RectKey("hrestorebuttonrect", &TDataSkinExPanelControl::HRestoreButtonRect),
        RectKey("hrestorebuttonactiverect", &TDataSkinExPanelControl::HRestoreButtonActiveRect),
        RectKey("hrestorebuttondownrect", &TDataSkinExPanelControl::HRestoreButtonDownRect),
        RectKey("vrollbuttonrect", &TDataSkinExPanelControl::VRollButtonRect),
        RectKey("vrollbuttonactiverect", &TDataSkinExPanelControl::VRollButtonActiveRect),
        RectKey("vrollbuttondownrect", &TDataSkinExPanelControl::VRollButtonDownRect),
        RectKey("vrestorebuttonrect", &TDataSkinExPanelControl::VRestoreButtonRect),
        RectKey("vrestorebuttonactiverect", &TDataSkinExPanelControl::VRestoreButtonActiveRect),
        RectKey("vrestorebuttondownrect", &TDataSkinExPanelControl::VRestoreButtonDownRect),
        RectKey("captionrect", &TDataSkinExPanelControl::CaptionRect),
    }),
    FontKeys<TDataSkinExPanelControl>());
        
        constexpr auto kCheckListBoxWriteKeys = MovedAfter(kCheckListBoxKeys, "checkimagerect", "uncheckimagerect");
        constexpr auto kComboBoxWriteKeys = MovedAfter(kComboBoxKeys, "listboxname", "unenabledbuttonrect");
        constexpr auto kCheckRadioControlWriteKeys = MovedAfter(kCheckRadioControlKeys, "framefontcolor", "fontcolor");
        
        }  // namespace
        
        std::span<const TSkinKey<TDataSkinButtonControl>> TDataSkinButtonControl::Keys() { return kButtonControlKeys; }
        
        std::span<const TSkinKey<TDataSkinMenuButtonControl>> TDataSkinMenuButtonControl::Keys() { return kMenuButtonControlKeys; }
        
        std::span<const TSkinKey<TDataSkinUpDownControl>> TDataSkinUpDownControl::Keys() { return kUpDownControlKeys; }
        
        std::span<const TSkinKey<TDataSkinListBox>> TDataSkinListBox::Keys() { return kListBoxKeys; }
        
        std::span<const TSkinKey<TDataSkinCheckListBox>> TDataSkinCheckListBox::Keys() { return kCheckListBoxKeys; }
        
        std::span<const TSkinKey<TDataSkinComboBox>> TDataSkinComboBox::Keys() { return kComboBoxKeys; }
        
        std::span<const TSkinKey<TDataSkinControlBar>> TDataSkinControlBar::Keys() { return kControlBarKeys; }
        
        std::span<const TSkinKey<TDataSkinSpinEditControl>> TDataSkinSpinEditControl::Keys() { return kSpinEditControlKeys; }
        
        std::span<const TSkinKey<TDataSkinEditControl>> TDataSkinEditControl::Keys() { return kEditControlKeys; }
        
        std::span<const TSkinKey<TDataSkinMemoControl>> TDataSkinMemoControl::Keys() { return kMemoControlKeys; }
        
        std::span<const TSkinKey<TDataSkinLabelControl>> TDataSkinLabelControl::Keys() { return kLabelControlKeys; }
        
        std::span<const TSkinKey<TDataSkinScrollBarControl>> TDataSkinScrollBarControl::Keys() { return kScrollBarControlKeys; }
        
        std::span<const TSkinKey<TDataSkinTrackBarControl>> TDataSkinTrackBarControl::Keys() { return kTrackBarControlKeys; }
        
        std::span<const TSkinKey<TDataSkinSplitterControl>> TDataSkinSplitterControl::Keys() { return kSplitterControlKeys; }
        
        std::span<const TSkinKey<TDataSkinGaugeControl>> TDataSkinGaugeControl::Keys() { return kGaugeControlKeys; }
        
        std::span<const TSkinKey<TDataSkinScrollBoxControl>> TDataSkinScrollBoxControl::Keys() { return kScrollBoxControlKeys; }
        
        std::span<const TSkinKey<TDataSkinPanelControl>> TDataSkinPanelControl::Keys() { return kPanelControlKeys; }
        
        std::span<const TSkinKey<TDataSkinCheckRadioControl>> TDataSkinCheckRadioControl::Keys() { return kCheckRadioControlKeys; }
        
        std::span<const TSkinKey<TDataSkinExPanelControl>> TDataSkinExPanelControl::Keys() { return kExPanelControlKeys; }
        
        
        std::span<const TSkinKey<TDataSkinCheckListBox>> TDataSkinCheckListBox::WriteKeys() { return kCheckListBoxWriteKeys; }
        std::span<const TSkinKey<TDataSkinComboBox>> TDataSkinComboBox::WriteKeys() { return kComboBoxWriteKeys; }
        std::span<const TSkinKey<TDataSkinCheckRadioControl>> TDataSkinCheckRadioControl::WriteKeys() {
        return kCheckRadioControlWriteKeys;
        }
        
        void TDataSkinUpDownControl::AfterLoad() {
        LeftTopPoint = RightTopPoint = LeftBottomPoint = RightBottomPoint = TPoint{};
        ClientRect = TRect{};
        }
        