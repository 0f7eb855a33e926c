// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The frame's active skin objects: light objects (no windows) made from the skin's frame
// objects, kept in the engine's ObjectList in the skin's order, which is the drawing and the hit
// order. Each knows its place on the window (ObjectRect, window coordinates), draws itself into
// the frame and takes the mouse the engine routes to it.
//
// Draw runs in two modes: in the frame pass (singleRepaint false) the frame picture already lies
// under the object, so an object whose normal look is part of that picture draws nothing in its
// normal state; alone (singleRepaint true) it always draws its current look.
//
// The pointer: the engine tells an object that the pointer entered or left it, and passes it the
// presses, releases, moves and double clicks it routes. Hover morphs run in five steps on the
// engine's morph timer. Buttons show their pressed look while pressed with the pointer over
// them, and std buttons run their command when the left button is released over them.
// ActiveSkinObjects.cpp holds the base and the user object, SkinButtonObjects.cpp the buttons and
// their commands, SkinAnimateObject.cpp the animate object, SkinCaptionObject.cpp the caption.
#include <QString>
#include <memory>

#include "platform/Bitmap.h"
#include "platform/Types.h"
#include "skin/controls/MorphProgress.h"
#include "skin/data/SkinFont.h"
#include "skin/data/SkinIniValues.h"
#include "skin/form/FrameLayout.h"

class TCanvas;
class TMenuItem;
class TDataSkinObject;
class TDataSkinCaption;
class TSkinData;
class TSkinForm;

enum class TMouseButton { mbLeft, mbRight };

class TActiveSkinObject {
 public:
  TActiveSkinObject(TSkinForm& skinForm, const TDataSkinObject* data);
  virtual ~TActiveSkinObject() = default;
  TActiveSkinObject(const TActiveSkinObject&) = delete;
  TActiveSkinObject& operator=(const TActiveSkinObject&) = delete;

  virtual TFrameObjectKind Kind() const { return TFrameObjectKind::User; }
  virtual SkinCommand Command() const { return SkinCommand::cmDefault; }

  // The virtual operations, in slot order.
  virtual bool NeedsMorphStep() const;
  virtual void Draw(TCanvas& canvas, bool singleRepaint);
  virtual void DblClick() {}
  virtual void MouseDown(int x, int y, TMouseButton button);
  virtual void MouseUp(int x, int y, TMouseButton button);
  virtual void MouseMove(int x, int y);
  virtual void MouseEnter();
  virtual void MouseLeave();

  // What the engine asks of an object, by kind.
  // A caption button: a std button or an animate one, with a command of the window.
  virtual bool IsCaptionButton() const { return false; }
  // Shown, hidden or disabled by the window's BorderIcons.
  virtual bool FollowsBorderIcons() const { return false; }
  // A press holds the pointer until its release (the caption lets the move loop have it).
  virtual bool CapturesPointer() const { return true; }
  // Follows the window's activation (the caption bar).
  virtual bool FollowsActivation() const { return false; }
  virtual void StartActivationAnimation(bool active) { (void)active; }
  // Back to the look without pointer (a move or size loop begins, the window's state changed).
  virtual void ResetState();
  // One 25 ms tick of the engine's animation timer; false when the object neither counted nor
  // stepped.
  virtual bool AnimateTick() { return false; }
  // The object's menu closed: it comes up; false when no menu of its own was open.
  virtual bool ReleaseFromMenu() { return false; }

  // Morphing is on and the skin allows effects.
  bool MorphEnabled() const;
  // Starts the engine's morph timer, or repaints at once when the object does not morph.
  void StartMorph();
  // One step towards the look of the current state, then a repaint.
  void MorphStep();

  // The object as layout and hit testing see it.
  TObjectPlace Place() const;

  TSkinForm& SkinForm;
  TMorphProgress Morph;
  bool MouseIn = false;
  const TBitmap* FramePicture = nullptr;
  const TBitmap* ActivePicture = nullptr;
  TSkinData* SkinDataRef = nullptr;
  QString IDName;
  QString Hint;
  TRect SkinRect{};
  TRect ActiveSkinRect{};
  TRect InActiveSkinRect{};
  TRect ObjectRect{};
  bool Active = false;
  bool Morphing = false;
  TMorphKind MorphKind = TMorphKind::mkDefault;
  bool Enabled = true;
  bool Visible = true;
  bool SkinRectInAPicture = false;

 protected:
  // Copies a rectangle of a picture to ObjectRect (stretched when the sizes differ).
  void DrawLook(TCanvas& canvas, const TBitmap* picture, const TRect& source) const;
  // The normal look blended towards the active look by the morph's progress, at ObjectRect.
  void DrawMorph(TCanvas& canvas, const TBitmap* normalPicture, const TRect& normal, const TRect& active) const;
  void RepaintAlone();
};

// An area the program paints itself through the engine's OnPaintEvent.
class TUserObject : public TActiveSkinObject {
 public:
  using TActiveSkinObject::TActiveSkinObject;
  void Draw(TCanvas& canvas, bool singleRepaint) override;
};

class TSkinButtonObject : public TActiveSkinObject {
 public:
  TSkinButtonObject(TSkinForm& skinForm, const TDataSkinObject* data);
  TFrameObjectKind Kind() const override { return TFrameObjectKind::Button; }
  bool ReleaseFromMenu() override;
  bool NeedsMorphStep() const override;
  void Draw(TCanvas& canvas, bool singleRepaint) override;
  void MouseDown(int x, int y, TMouseButton button) override;
  void MouseUp(int x, int y, TMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;

  // Pressed or released; the pressed look follows at once (no morph between the active and the
  // pressed look).
  void SetDown(bool down);
  // Pops up the menu item's sub-items under the button, when it has any.
  void ShowMenu();

  bool Down = false;
  bool PopupUp = false;
  TRect DisableSkinRect{};
  TRect DownRect{};
  // The menu whose items pop up on a press (none at creation); not owned.
  TMenuItem* MenuItem = nullptr;
};

class TSkinStdButtonObject : public TSkinButtonObject {
 public:
  TSkinStdButtonObject(TSkinForm& skinForm, const TDataSkinObject* data);
  // A default caption button of the unskinned frame: no data, drawn by hand.
  TSkinStdButtonObject(TSkinForm& skinForm, const QString& idName, SkinCommand command);
  TFrameObjectKind Kind() const override { return TFrameObjectKind::StdButton; }
  SkinCommand Command() const override { return command_; }
  bool IsCaptionButton() const override { return true; }
  bool FollowsBorderIcons() const override { return true; }
  bool NeedsMorphStep() const override;
  void Draw(TCanvas& canvas, bool singleRepaint) override;
  void DblClick() override;
  void MouseDown(int x, int y, TMouseButton button) override;
  void MouseUp(int x, int y, TMouseButton button) override;

  bool SkinSupport = false;
  TRect RestoreRect{};
  TRect RestoreActiveRect{};
  TRect RestoreInActiveRect{};
  TRect RestoreDownRect{};

 private:
  // The look of the default frame's buttons.
  void DrawDefaultLook(TCanvas& canvas) const;
  SkinCommand command_ = SkinCommand::cmDefault;
};

// A button whose looks are frames side by side in the active picture.
class TSkinAnimateObject : public TActiveSkinObject {
 public:
  TSkinAnimateObject(TSkinForm& skinForm, const TDataSkinObject* data);
  TFrameObjectKind Kind() const override { return TFrameObjectKind::Animate; }
  SkinCommand Command() const override { return command_; }
  bool IsCaptionButton() const override { return true; }
  bool FollowsBorderIcons() const override { return ButtonStyle; }
  void ResetState() override;
  bool AnimateTick() override;
  // Its menu closed: it plays backwards to frame 1.
  bool ReleaseFromMenu() override;
  void Draw(TCanvas& canvas, bool singleRepaint) override;
  void DblClick() override;
  void MouseDown(int x, int y, TMouseButton button) override;
  void MouseUp(int x, int y, TMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;


  int AnimateFrame = 1;
  int AnimateCounter = 25;
  int TimerInterval = 25;
  TMenuItem* MenuItem = nullptr;
  bool PopupUp = false;
  bool Down = false;
  bool MenuOpen = false;
  int CountFrames = 1;
  bool Cycle = false;
  bool ButtonStyle = false;
  bool Forward = true;
  TRect DownSkinRect{};
  TRect RestoreRect{};
  TRect RestoreActiveRect{};
  TRect RestoreInActiveRect{};
  TRect RestoreDownRect{};

  // Frame k (from 1) of the strip that starts at `first`.
  TRect FrameRect(const TRect& first, int k) const;

 private:
  void RunCommand();
  // Plays towards the last frame or back to the first: the timer, or a repaint while the
  // pressed look shows.
  void Animate(bool forward);

  SkinCommand command_ = SkinCommand::cmDefault;
};

// The caption bar's text, drawn on the frame (or on its own looks when the skin gives them).
class TSkinCaptionObject : public TActiveSkinObject {
 public:
  TSkinCaptionObject(TSkinForm& skinForm, const TDataSkinObject* data);
  TFrameObjectKind Kind() const override { return TFrameObjectKind::Caption; }
  bool CapturesPointer() const override { return false; }
  bool FollowsActivation() const override { return true; }
  // The window became active (frames 1 onwards) or inactive (backwards, when the skin asks).
  void StartActivationAnimation(bool active) override;
  // The caption keeps its look through loops and state changes: it follows activation only.
  void ResetState() override {}
  bool AnimateTick() override;
  void Draw(TCanvas& canvas, bool singleRepaint) override;
  void MouseDown(int x, int y, TMouseButton button) override;
  void MouseUp(int x, int y, TMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;

  // A caption animation applies: effects on and an animation strip given.
  bool HasCaptionAnimation() const;

  QString FontName = SkinFontName();
  int FontHeight = kSkinFontHeight;
  TFontStyles FontStyle;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TColor ShadowColor = 0;
  TColor ActiveShadowColor = 0;
  bool Shadow = false;
  bool Light = false;
  TColor LightColor = 0;
  TColor ActiveLightColor = 0;
  TAlignment Alignment = TAlignment::taLeftJustify;
  TRect TextRect{};
  TRect FrameRect{};
  TRect ActiveFrameRect{};
  TRect FrameTextRect{};
  int FrameLeftOffset = 0;
  int FrameRightOffset = 0;
  bool StretchEffect = false;
  bool FullFrame = false;
  TRect AnimateSkinRect{};
  int FrameCount = 0;
  int AnimateInterval = 25;
  bool InActiveAnimation = false;
  int AnimateFrame = 0;
  int AnimateCounter = 0;

 private:
  // The text area relative to the object, widened with it.
  TRect TextArea() const;
  // Draws the caption text (with its frame, light and shadow) in the given look at origin (ox, oy).
  void DrawText(TCanvas& canvas, int ox, int oy, bool activeLook) const;
  // A bitmap of the object's size cut from a look of a picture.
  TBitmap LookBitmap(const TBitmap* picture, const TRect& source) const;
  // A look bitmap with the text drawn into it.
  TBitmap LookWithText(const TBitmap* picture, const TRect& source, bool activeLook) const;
  void DrawInactiveEffectAndPlace(TCanvas& canvas, TBitmap& look) const;
};

// A caption button's command on the window: close, maximise or restore, minimise (or to the
// tray), roll up or down, minimise to the tray; nothing for the system-menu and default ones.
void RunFrameCommand(TSkinForm& skinForm, SkinCommand command);

// The object a skin entry makes: std buttons before buttons; menu entries and unknown kinds make
// none.
std::unique_ptr<TActiveSkinObject> CreateActiveSkinObject(TSkinForm& skinForm, const TDataSkinObject& data);
