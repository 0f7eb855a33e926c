// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The control skins of the "SKINCONTROLS" section: the common base, the nine-part base of most
// controls, and the controls that derive straight from the common base.
//
// Every entry reads its keys from the section named like the entry (IDName). Fields hold zero
// until LoadFromIni, which the skin data calls right after creating the entry, gives each its
// key's value or default. Rectangles lie in the picture PictureIndex names.
#include <QString>
#include <span>

#include "platform/IniFile.h"
#include "skin/data/SkinKeyTable.h"

class TDataSkinControl {
 public:
  explicit TDataSkinControl(QString idName) : IDName(std::move(idName)) {}
  virtual ~TDataSkinControl() = default;
  TDataSkinControl(const TDataSkinControl&) = delete;
  TDataSkinControl& operator=(const TDataSkinControl&) = delete;

  // Reads the entry's keys from section IDName; a missing key gives its default.
  virtual void LoadFromIni(const TMemIniFile& ini);
  // Replaces section IDName by the entry's keys in their written forms.
  virtual void SaveToIni(TMemIniFile& ini) const;
  virtual const char* ClassName() const { return "TDataSkinControl"; }
  static std::span<const TSkinKey<TDataSkinControl>> Keys();

  // The entry's name, also the name of its INI section.
  const QString IDName;

  // Picture (in the skin's active pictures) that holds the control's looks, -1 none.
  int PictureIndex{};
  // Its mask picture, for window regions.
  int MaskPictureIndex{};
  // The normal look inside that picture.
  TRect SkinRect{};
};

// The nine-part geometry of SkinRect shared by most controls: corner points and client area are
// relative to SkinRect; each edge strip and the client area are stretched or tiled.
class TDataSkinCustomControl : public TSkinKeyed<TDataSkinCustomControl, TDataSkinControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinCustomControl";
  static std::span<const TSkinKey<TDataSkinCustomControl>> Keys();
  TPoint LeftTopPoint{};
  TPoint RightTopPoint{};
  TPoint LeftBottomPoint{};
  TPoint RightBottomPoint{};
  TRect ClientRect{};
  bool LeftStretch{};
  bool TopStretch{};
  bool RightStretch{};
  bool BottomStretch{};
  bool StretchEffect{};
};

// A main menu bar ("mainmenubar"); the strings name the skin objects it uses.
class TDataSkinMainMenuBar : public TSkinKeyed<TDataSkinMainMenuBar, TDataSkinControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinMainMenuBar";
  static std::span<const TSkinKey<TDataSkinMainMenuBar>> Keys();
  TRect ItemsRect{};
  QString MenuBarItem;
  QString CloseButton;
  QString MinButton;
  QString MaxButton;
  QString SysMenuButton;
  TColor TrackMarkColor{};
  TColor TrackMarkActiveColor{};
};

// A slider ("slider").
class TDataSkinSlider : public TSkinKeyed<TDataSkinSlider, TDataSkinControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinSlider";
  static std::span<const TSkinKey<TDataSkinSlider>> Keys();
  TColor BGColor{};
  TRect HRulerRect{};
  TRect HThumbRect{};
  TRect VRulerRect{};
  TRect VThumbRect{};
  int EdgeSize{};
  TColor PointsColor{};
};

// A bevel line ("bevel").
class TDataSkinBevel : public TSkinKeyed<TDataSkinBevel, TDataSkinControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinBevel";
  static std::span<const TSkinKey<TDataSkinBevel>> Keys();
  TColor LightColor{};
  TColor DarkColor{};
};

// A tree view ("treeview").
class TDataSkinTreeView : public TSkinKeyed<TDataSkinTreeView, TDataSkinControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinTreeView";
  static std::span<const TSkinKey<TDataSkinTreeView>> Keys();
  QString FontName;
  int FontHeight{};
  TFontStyles FontStyle{};
  TColor FontColor{};
  TColor BGColor{};
};

// A list view ("listview").
class TDataSkinListView : public TSkinKeyed<TDataSkinListView, TDataSkinControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinListView";
  static std::span<const TSkinKey<TDataSkinListView>> Keys();
  QString FontName;
  int FontHeight{};
  TFontStyles FontStyle{};
  TColor FontColor{};
  TColor BGColor{};
};

// A rich text editor ("richedit").
class TDataSkinRichEdit : public TSkinKeyed<TDataSkinRichEdit, TDataSkinControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinRichEdit";
  static std::span<const TSkinKey<TDataSkinRichEdit>> Keys();
  QString FontName;
  int FontHeight{};
  TFontStyles FontStyle{};
  TColor FontColor{};
  TColor BGColor{};
};

// A tab control ("tab"); "updown" names the up-down entry of its tab scroller.
class TDataSkinTabControl : public TSkinKeyed<TDataSkinTabControl, TDataSkinControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinTabControl";
  static std::span<const TSkinKey<TDataSkinTabControl>> Keys();
  TRect TabRect{};
  TRect ActiveTabRect{};
  TRect FocusTabRect{};
  TRect MouseInTabRect{};
  TRect ClientRect{};
  int BGPictureIndex{};
  TPoint LeftTopPoint{};
  TPoint RightTopPoint{};
  TPoint LeftBottomPoint{};
  TPoint RightBottomPoint{};
  int TabLeftOffset{};
  int TabRightOffset{};
  TRect TabsBGRect{};
  bool TabStretchEffect{};
  bool LeftStretch{};
  bool TopStretch{};
  bool RightStretch{};
  bool BottomStretch{};
  QString FontName;
  int FontHeight{};
  TFontStyles FontStyle{};
  TColor FontColor{};
  TColor ActiveFontColor{};
  TColor FocusFontColor{};
  TColor MouseInFontColor{};
  QString UpDown;
  bool ShowFocus{};
  int FocusOffsetX{};
  int FocusOffsetY{};
};

// A grid ("grid").
class TDataSkinGridControl : public TSkinKeyed<TDataSkinGridControl, TDataSkinControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinGridControl";
  static std::span<const TSkinKey<TDataSkinGridControl>> Keys();
  TRect FixedCellRect{};
  TRect SelectCellRect{};
  TRect FocusCellRect{};
  int FixedCellLeftOffset{};
  int FixedCellRightOffset{};
  TRect FixedCellTextRect{};
  int CellLeftOffset{};
  int CellRightOffset{};
  TRect CellTextRect{};
  TColor LinesColor{};
  TColor BGColor{};
  QString FontName;
  int FontHeight{};
  TFontStyles FontStyle{};
  TColor FontColor{};
  TColor SelectFontColor{};
  TColor FocusFontColor{};
  QString FixedFontName;
  int FixedFontHeight{};
  TFontStyles FixedFontStyle{};
  TColor FixedFontColor{};
  bool CellStretchEffect{};
  bool FixedCellStretchEffect{};
  bool ShowFocus{};
};

// A plain label ("stdlabel").
class TDataSkinStdLabelControl : public TSkinKeyed<TDataSkinStdLabelControl, TDataSkinControl> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinStdLabelControl";
  static std::span<const TSkinKey<TDataSkinStdLabelControl>> Keys();
  QString FontName;
  int FontHeight{};
  TFontStyles FontStyle{};
  TColor FontColor{};
  TColor ActiveFontColor{};
};
