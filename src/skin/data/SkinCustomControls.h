// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The control skins built on the nine-part base (TDataSkinCustomControl).
#include <QString>
#include <span>
#include <tuple>

#include "skin/data/SkinControls.h"

// A push button ("button"); the program's push buttons read the entry "button".
class TDataSkinButtonControl : public TSkinKeyed<TDataSkinButtonControl, TDataSkinCustomControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinButtonControl";
  static std::span<const TSkinKey<TDataSkinButtonControl>> Keys();
  QString FontName;
  int FontHeight{};
  TFontStyles FontStyle{};
  TColor FontColor{};
  TColor ActiveFontColor{};
  TColor DownFontColor{};
  TColor DisabledFontColor{};
  TRect ActiveSkinRect{};
  TRect DownSkinRect{};
  TRect DisabledSkinRect{};
  bool Morphing{};
  TMorphKind MorphKind{};
  TRect AnimateSkinRect{};
  int FrameCount{};
  int AnimateInterval{};
  bool ShowFocus{};
  TRect MenuMarkerFlatRect{};
  TRect MenuMarkerRect{};
  TRect MenuMarkerActiveRect{};
  TRect MenuMarkerDownRect{};
  TColor MenuMarkerTransparentColor{};
};

// A push button with a drop-down part ("menubutton").
class TDataSkinMenuButtonControl : public TSkinKeyed<TDataSkinMenuButtonControl, TDataSkinButtonControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinMenuButtonControl";
  static std::span<const TSkinKey<TDataSkinMenuButtonControl>> Keys();
  TRect TrackButtonRect{};
};

// An up-down pair of buttons ("updown").
class TDataSkinUpDownControl : public TSkinKeyed<TDataSkinUpDownControl, TDataSkinCustomControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinUpDownControl";
  static std::span<const TSkinKey<TDataSkinUpDownControl>> Keys();
  // The buttons fill the whole control: its corner points and client area are cleared.
  void AfterLoad();
  TRect UpButtonRect{};
  TRect ActiveUpButtonRect{};
  TRect DownUpButtonRect{};
  TRect DownButtonRect{};
  TRect ActiveDownButtonRect{};
  TRect DownDownButtonRect{};
};

// A list box ("listbox"); the three names pick the scroll bar entries it uses.
class TDataSkinListBox : public TSkinKeyed<TDataSkinListBox, TDataSkinCustomControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinListBox";
  static std::span<const TSkinKey<TDataSkinListBox>> Keys();
  TRect ItemRect{};
  TRect ActiveItemRect{};
  TRect FocusItemRect{};
  int ItemLeftOffset{};
  int ItemRightOffset{};
  TRect ItemTextRect{};
  QString FontName;
  int FontHeight{};
  TFontStyles FontStyle{};
  TColor FontColor{};
  TColor ActiveFontColor{};
  TColor FocusFontColor{};
  TRect CaptionRect{};
  QString CaptionFontName;
  int CaptionFontHeight{};
  TFontStyles CaptionFontStyle{};
  TColor CaptionFontColor{};
  TRect UpButtonRect{};
  TRect ActiveUpButtonRect{};
  TRect DownUpButtonRect{};
  TRect DownButtonRect{};
  TRect ActiveDownButtonRect{};
  TRect DownDownButtonRect{};
  TRect CheckButtonRect{};
  TRect ActiveCheckButtonRect{};
  TRect DownCheckButtonRect{};
  QString VScrollBarName;
  QString HScrollBarName;
  QString BothHScrollBarName;
  bool ShowFocus{};
};

// A list box with check marks ("checklistbox").
class TDataSkinCheckListBox : public TSkinKeyed<TDataSkinCheckListBox, TDataSkinListBox> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinCheckListBox";
  static std::span<const TSkinKey<TDataSkinCheckListBox>> Keys();
  // Written with "uncheckimagerect" before "checkimagerect".
  static std::span<const TSkinKey<TDataSkinCheckListBox>> WriteKeys();
  TRect ItemCheckRect{};
  TRect CheckImageRect{};
  TRect UncheckImageRect{};
};

// A combo box ("combobox"); "listboxname" picks the list box entry of its drop-down list.
class TDataSkinComboBox : public TSkinKeyed<TDataSkinComboBox, TDataSkinCustomControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinComboBox";
  static std::span<const TSkinKey<TDataSkinComboBox>> Keys();
  // Written with "listboxname" after the four button rectangles.
  static std::span<const TSkinKey<TDataSkinComboBox>> WriteKeys();
  TRect ActiveSkinRect{};
  TRect ItemRect{};
  TRect ActiveItemRect{};
  TRect FocusItemRect{};
  int ItemLeftOffset{};
  int ItemRightOffset{};
  TRect ItemTextRect{};
  QString FontName;
  int FontHeight{};
  TFontStyles FontStyle{};
  TColor FontColor{};
  TColor FocusFontColor{};
  TColor ActiveFontColor{};
  QString ListBoxName;
  TRect ButtonRect{};
  TRect ActiveButtonRect{};
  TRect DownButtonRect{};
  TRect UnEnabledButtonRect{};
  bool ItemStretchEffect{};
  bool FocusItemStretchEffect{};
  bool ShowFocus{};
};

// A tool bar container ("controlbar").
class TDataSkinControlBar : public TSkinKeyed<TDataSkinControlBar, TDataSkinCustomControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinControlBar";
  static std::span<const TSkinKey<TDataSkinControlBar>> Keys();
  TRect ItemRect{};
  int BGPictureIndex{};
  TRect HGripRect{};
  TRect VGripRect{};
  int GripOffset1{};
  int GripOffset2{};
};

// A number edit with up-down buttons ("spinedit").
class TDataSkinSpinEditControl : public TSkinKeyed<TDataSkinSpinEditControl, TDataSkinCustomControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinSpinEditControl";
  static std::span<const TSkinKey<TDataSkinSpinEditControl>> Keys();
  TRect ActiveSkinRect{};
  QString FontName;
  int FontHeight{};
  TFontStyles FontStyle{};
  TColor FontColor{};
  TColor ActiveFontColor{};
  TColor DisabledFontColor{};
  TRect UpButtonRect{};
  TRect ActiveUpButtonRect{};
  TRect DownUpButtonRect{};
  TRect DownButtonRect{};
  TRect ActiveDownButtonRect{};
  TRect DownDownButtonRect{};
};

// An edit box, optionally with a button ("edit").
class TDataSkinEditControl : public TSkinKeyed<TDataSkinEditControl, TDataSkinCustomControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinEditControl";
  static std::span<const TSkinKey<TDataSkinEditControl>> Keys();
  TRect ActiveSkinRect{};
  QString FontName;
  int FontHeight{};
  TFontStyles FontStyle{};
  TColor FontColor{};
  TColor DisabledFontColor{};
  TColor ActiveFontColor{};
  TRect ButtonRect{};
  TRect ActiveButtonRect{};
  TRect DownButtonRect{};
  TRect UnEnabledButtonRect{};
};

// A multi-line edit ("memo").
class TDataSkinMemoControl : public TSkinKeyed<TDataSkinMemoControl, TDataSkinEditControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinMemoControl";
  static std::span<const TSkinKey<TDataSkinMemoControl>> Keys();
  TColor BGColor{};
  TColor ActiveBGColor{};
};

// A skinned label ("label").
class TDataSkinLabelControl : public TSkinKeyed<TDataSkinLabelControl, TDataSkinCustomControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinLabelControl";
  static std::span<const TSkinKey<TDataSkinLabelControl>> Keys();
  QString FontName;
  int FontHeight{};
  TFontStyles FontStyle{};
  TColor FontColor{};
};

// A scroll bar ("scrollbar"); one class serves the horizontal and vertical entries.
class TDataSkinScrollBarControl : public TSkinKeyed<TDataSkinScrollBarControl, TDataSkinCustomControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinScrollBarControl";
  static std::span<const TSkinKey<TDataSkinScrollBarControl>> Keys();
  TRect TrackArea{};
  TRect UpButtonRect{};
  TRect ActiveUpButtonRect{};
  TRect DownUpButtonRect{};
  TRect DownButtonRect{};
  TRect ActiveDownButtonRect{};
  TRect DownDownButtonRect{};
  TRect ThumbRect{};
  TRect ActiveThumbRect{};
  TRect DownThumbRect{};
  int ThumbOffset1{};
  int ThumbOffset2{};
  bool ThumbTransparent{};
  TColor ThumbTransparentColor{};
  TRect GlyphRect{};
  TRect ActiveGlyphRect{};
  TRect DownGlyphRect{};
};

// A track bar ("trackbar").
class TDataSkinTrackBarControl : public TSkinKeyed<TDataSkinTrackBarControl, TDataSkinCustomControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinTrackBarControl";
  static std::span<const TSkinKey<TDataSkinTrackBarControl>> Keys();
  TRect TrackArea{};
  TRect ButtonRect{};
  TRect ActiveButtonRect{};
  bool Vertical{};
  bool ButtonTransparent{};
  TColor ButtonTransparentColor{};
};

// A splitter ("splitter").
class TDataSkinSplitterControl : public TSkinKeyed<TDataSkinSplitterControl, TDataSkinCustomControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinSplitterControl";
  static std::span<const TSkinKey<TDataSkinSplitterControl>> Keys();
  TRect GripperRect{};
  bool GripperTransparent{};
  TColor GripperTransparentColor{};
};

// A progress gauge ("gauge").
class TDataSkinGaugeControl : public TSkinKeyed<TDataSkinGaugeControl, TDataSkinCustomControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinGaugeControl";
  static std::span<const TSkinKey<TDataSkinGaugeControl>> Keys();
  TRect ProgressArea{};
  TRect ProgressRect{};
  int BeginOffset{};
  int EndOffset{};
  bool Vertical{};
  QString FontName;
  int FontHeight{};
  TFontStyles FontStyle{};
  TColor FontColor{};
  bool ProgressTransparent{};
  TColor ProgressTransparentColor{};
  bool ProgressStretch{};
};

// A scrolling container ("scrollbox").
class TDataSkinScrollBoxControl : public TSkinKeyed<TDataSkinScrollBoxControl, TDataSkinCustomControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinScrollBoxControl";
  static std::span<const TSkinKey<TDataSkinScrollBoxControl>> Keys();
  int BGPictureIndex{};
};

// A panel or group box ("panel").
class TDataSkinPanelControl : public TSkinKeyed<TDataSkinPanelControl, TDataSkinCustomControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinPanelControl";
  static std::span<const TSkinKey<TDataSkinPanelControl>> Keys();
  int BGPictureIndex{};
  TRect CaptionRect{};
  TAlignment Alignment{};
  QString FontName;
  int FontHeight{};
  TFontStyles FontStyle{};
  TColor FontColor{};
  TRect CheckImageRect{};
  TRect UncheckImageRect{};
  TRect MarkFrameRect{};
  TRect FrameRect{};
  TRect FrameTextRect{};
  int FrameLeftOffset{};
  int FrameRightOffset{};
  TRect GripperRect{};
  bool GripperTransparent{};
  TColor GripperTransparentColor{};
};

// A check box or radio button ("checkradio").
class TDataSkinCheckRadioControl : public TSkinKeyed<TDataSkinCheckRadioControl, TDataSkinCustomControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinCheckRadioControl";
  static std::span<const TSkinKey<TDataSkinCheckRadioControl>> Keys();
  // Written with "framefontcolor" right after "fontcolor".
  static std::span<const TSkinKey<TDataSkinCheckRadioControl>> WriteKeys();
  QString FontName;
  int FontHeight{};
  TFontStyles FontStyle{};
  TColor FontColor{};
  TColor ActiveFontColor{};
  TColor UnEnabledFontColor{};
  TColor FrameFontColor{};
  TRect ActiveSkinRect{};
  TRect CheckImageArea{};
  TRect TextArea{};
  TRect CheckImageRect{};
  TRect UncheckImageRect{};
  TRect ActiveCheckImageRect{};
  TRect ActiveUncheckImageRect{};
  TRect UnEnabledCheckImageRect{};
  TRect UnEnabledUncheckImageRect{};
  bool Morphing{};
  TMorphKind MorphKind{};
};

// A panel that rolls up horizontally or vertically ("expanel").
class TDataSkinExPanelControl : public TSkinKeyed<TDataSkinExPanelControl, TDataSkinCustomControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinExPanelControl";
  static std::span<const TSkinKey<TDataSkinExPanelControl>> Keys();
  TRect RollHSkinRect{};
  TRect RollVSkinRect{};
  int RollLeftOffset{};
  int RollRightOffset{};
  int RollTopOffset{};
  int RollBottomOffset{};
  TRect RollVCaptionRect{};
  TRect RollHCaptionRect{};
  TRect CloseButtonRect{};
  TRect CloseButtonActiveRect{};
  TRect CloseButtonDownRect{};
  TRect HRollButtonRect{};
  TRect HRollButtonActiveRect{};
  TRect HRollButtonDownRect{};
  TRect HRestoreButtonRect{};
  TRect HRestoreButtonActiveRect{};
  TRect HRestoreButtonDownRect{};
  TRect VRollButtonRect{};
  TRect VRollButtonActiveRect{};
  TRect VRollButtonDownRect{};
  TRect VRestoreButtonRect{};
  TRect VRestoreButtonActiveRect{};
  TRect VRestoreButtonDownRect{};
  TRect CaptionRect{};
  QString FontName;
  int FontHeight{};
  TFontStyles FontStyle{};
  TColor FontColor{};
};

// Every class of the control family that a skin can name; each needs its keyword in the keyword
// table, which the compiler checks.
using TSkinControlClasses =
    std::tuple<TDataSkinPanelControl, TDataSkinExPanelControl, TDataSkinMenuButtonControl, TDataSkinButtonControl,
               TDataSkinCheckRadioControl, TDataSkinGaugeControl, TDataSkinSplitterControl, TDataSkinTrackBarControl,
               TDataSkinLabelControl, TDataSkinStdLabelControl, TDataSkinUpDownControl, TDataSkinGridControl,
               TDataSkinBevel, TDataSkinListView, TDataSkinTabControl, TDataSkinMainMenuBar, TDataSkinControlBar,
               TDataSkinMemoControl, TDataSkinEditControl, TDataSkinCheckListBox, TDataSkinListBox,
               TDataSkinComboBox, TDataSkinScrollBarControl, TDataSkinSpinEditControl, TDataSkinScrollBoxControl,
               TDataSkinTreeView, TDataSkinSlider, TDataSkinRichEdit>;
