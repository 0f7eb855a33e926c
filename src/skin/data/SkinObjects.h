// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The skin objects of the "SKINOBJECTS" section: the pieces of the window frame (caption,
// caption buttons, animations, user-painted areas) and the menu item looks.
//
// Every object reads its keys from the section named like the object (IDName). Fields hold zero
// until LoadFromIni, which the skin data calls right after creating the object, gives each its
// key's value or default. Rectangles lie in the skin's main picture unless stated otherwise; a
// picture index points into the skin's active pictures, -1 for none.
#include <QString>
#include <span>
#include <tuple>

#include "platform/IniFile.h"
#include "skin/data/SkinKeyTable.h"

class TDataSkinObject {
 public:
  explicit TDataSkinObject(QString idName) : IDName(std::move(idName)) {}
  virtual ~TDataSkinObject() = default;
  TDataSkinObject(const TDataSkinObject&) = delete;
  TDataSkinObject& operator=(const TDataSkinObject&) = delete;
  // Reads the object's keys from section IDName; a missing key gives its default.
  virtual void LoadFromIni(const TMemIniFile& ini);
  // Replaces section IDName by the object's keys in their written forms.
  virtual void SaveToIni(TMemIniFile& ini) const;
  virtual const char* ClassName() const { return "TDataSkinObject"; }
  static std::span<const TSkinKey<TDataSkinObject>> Keys();
  // The entry's name, also the name of its INI section.
  const QString IDName;
  QString Hint;
  // Picture holding the active and pressed looks.
  int ActivePictureIndex{};
  // SkinRect lies in the active picture instead of the main picture.
  bool SkinRectInAPicture{};
  // Normal look, and the object's place on the frame.
  TRect SkinRect{};
  // Look under the mouse, in the active picture.
  TRect ActiveSkinRect{};
  // Look while the window is inactive.
  TRect InActiveSkinRect{};
  // Blend between looks when the state changes, in the way MorphKind says.
  bool Morphing{};
  TMorphKind MorphKind{};
};

// An area the program paints itself ("userobject"); only its place is read.
class TDataUserObject : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  void LoadFromIni(const TMemIniFile& ini) override;
  void SaveToIni(TMemIniFile& ini) const override;
  static constexpr const char* kClassName = "TDataUserObject";
  const char* ClassName() const override { return kClassName; }
};

// A frame button drawn from skin pictures ("button").
class TDataSkinButton : public TSkinKeyed<TDataSkinButton, TDataSkinObject> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinButton";
  static std::span<const TSkinKey<TDataSkinButton>> Keys();
  TRect DownRect{};
  TRect DisableSkinRect{};
};

// A caption button with a window command ("stdbutton"): close, minimise, maximise, roll-up,
// system menu; the restore looks stand in while the window is maximised or rolled up.
class TDataSkinStdButton : public TSkinKeyed<TDataSkinStdButton, TDataSkinButton> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinStdButton";
  static std::span<const TSkinKey<TDataSkinStdButton>> Keys();
  SkinCommand Command{};
  TRect RestoreRect{};
  TRect RestoreActiveRect{};
  TRect RestoreDownRect{};
  TRect RestoreInActiveRect{};
};

// A caption button of a main menu bar ("mainmenubarbutton").
class TDataSkinMainMenuBarButton : public TDataSkinStdButton {
 public:
  using TDataSkinStdButton::TDataSkinStdButton;
  static constexpr const char* kClassName = "TDataSkinMainMenuBarButton";
  const char* ClassName() const override { return kClassName; }
};

// A frame-animated button ("animate"): a strip of CountFrames looks in SkinRect's picture.
class TDataSkinAnimate : public TSkinKeyed<TDataSkinAnimate, TDataSkinObject> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinAnimate";
  static std::span<const TSkinKey<TDataSkinAnimate>> Keys();
  // Animations never morph, whatever their section says.
  void AfterLoad() { Morphing = false; }
  int CountFrames{};
  bool Cycle{};
  bool ButtonStyle{};
  int TimerInterval{};
  SkinCommand Command{};
  TRect DownSkinRect{};
  TRect RestoreRect{};
  TRect RestoreActiveRect{};
  TRect RestoreDownRect{};
  TRect RestoreInActiveRect{};
};

// The look of every item of a skinned popup menu ("menuitem"): SkinRect is the normal item,
// ActiveSkinRect the highlighted one.
class TDataSkinMenuItem : public TSkinKeyed<TDataSkinMenuItem, TDataSkinObject> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinMenuItem";
  static std::span<const TSkinKey<TDataSkinMenuItem>> Keys();
  int ItemLeftOffset{};
  int ItemRightOffset{};
  TRect DividerRect{};
  int DividerLeftOffset{};
  int DividerRightOffset{};
  TRect TextRect{};
  TRect ImageRect{};
  QString FontName;
  int FontHeight{};
  TFontStyles FontStyle{};
  TColor FontColor{};
  TColor ActiveFontColor{};
  TColor UnEnabledFontColor{};
  bool StretchEffect{};
  bool InActiveStretchEffect{};
  bool DividerStretchEffect{};
  TRect AnimateSkinRect{};
  int FrameCount{};
  int AnimateInterval{};
  bool InActiveAnimation{};
  bool UseImageColor{};
  TColor ImageColor{};
  TColor ActiveImageColor{};
};

// The look of a main menu bar item (base of "mainmenubaritem").
class TDataSkinMainMenuItem : public TSkinKeyed<TDataSkinMainMenuItem, TDataSkinObject> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinMainMenuItem";
  static std::span<const TSkinKey<TDataSkinMainMenuItem>> Keys();
  int ItemLeftOffset{};
  int ItemRightOffset{};
  TRect DownRect{};
  TRect TextRect{};
  QString FontName;
  int FontHeight{};
  TFontStyles FontStyle{};
  TColor FontColor{};
  TColor ActiveFontColor{};
  TColor DownFontColor{};
  TColor UnEnabledFontColor{};
  bool StretchEffect{};
  TRect AnimateSkinRect{};
  int FrameCount{};
  int AnimateInterval{};
  bool InActiveAnimation{};
};

// A main menu bar item ("mainmenubaritem").
class TDataSkinMainMenuBarItem : public TDataSkinMainMenuItem {
 public:
  using TDataSkinMainMenuItem::TDataSkinMainMenuItem;
  static constexpr const char* kClassName = "TDataSkinMainMenuBarItem";
  const char* ClassName() const override { return kClassName; }
};

// The caption bar text ("caption"); TextRect is relative to SkinRect.
class TDataSkinCaption : public TSkinKeyed<TDataSkinCaption, TDataSkinObject> {
 public:
  using TSkinKeyed::TSkinKeyed;
  static constexpr const char* kClassName = "TDataSkinCaption";
  static std::span<const TSkinKey<TDataSkinCaption>> Keys();
  TRect TextRect{};
  QString FontName;
  int FontHeight{};
  TFontStyles FontStyle{};
  TColor FontColor{};
  TColor ActiveFontColor{};
  TAlignment Alignment{};
  bool Light{};
  TColor LightColor{};
  TColor ActiveLightColor{};
  bool Shadow{};
  TColor ShadowColor{};
  TColor ActiveShadowColor{};
  TRect FrameRect{};
  TRect ActiveFrameRect{};
  TRect FrameTextRect{};
  int FrameLeftOffset{};
  int FrameRightOffset{};
  bool StretchEffect{};
  TRect AnimateSkinRect{};
  int FrameCount{};
  int AnimateInterval{};
  bool InActiveAnimation{};
  bool FullFrame{};
};

// Every class of the object family that a skin can name; each needs its keyword in the keyword
// table, which the compiler checks.
using TSkinObjectClasses = std::tuple<TDataSkinMenuItem, TDataSkinMainMenuBarItem, TDataSkinStdButton,
                                      TDataSkinMainMenuBarButton, TDataSkinButton, TDataSkinCaption,
                                      TDataSkinAnimate, TDataUserObject>;
