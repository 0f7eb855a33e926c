// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The skinned push button: its face is one of four pictures of its control skin (normal,
// active, down, disabled) with a caption and an optional glyph on it; it fades between the
// normal and the active face while the pointer comes and goes (when the skin asks for it), can
// play a frame animation, repeat its click while held, act as one of a group, and be worked from
// the keyboard, also as the window's default or cancel button.
//
// Properties and painting live in SkinButton.cpp; the reactions to the pointer, the keyboard,
// the focus and the button's timers in SkinButtonInput.cpp.
#include <QPointer>

#include "platform/WindowTimer.h"
#include "skin/controls/MorphProgress.h"
#include "skin/controls/SkinButtonFace.h"
#include "skin/controls/SkinCustomControl.h"
#include "skin/controls/SkinDrawGlyph.h"

class QAction;
class TCustomImageList;

// One step of the hover fade between the normal and the active face.
constexpr int kHoverFadeInterval = 20;

class TSkinButton : public TSkinCustomControl {
  Q_OBJECT
 public:
  explicit TSkinButton(QWidget* parent = nullptr, TForm* owner = nullptr);
  ~TSkinButton() override;

  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  // The toolkit's names for the caption.
  QString text() const { return caption_; }
  void setText(const QString& caption) { SetCaption(caption); }
  // A click from the program: the same as the operator's.
  void click() { ButtonClick(); }

  // Size and text area follow the control skin.
  bool UseSkinSize() const { return useSkinSize_; }
  void SetUseSkinSize(bool on);
  // Caption colours from the control skin.
  bool UseSkinFontColor() const { return useSkinFontColor_; }
  void SetUseSkinFontColor(bool on);

  // Holding the button clicks every RepeatInterval ms.
  bool RepeatMode = false;
  int RepeatInterval = 100;
  // In a group: a down button may be released by clicking it again.
  bool AllowAllUp = false;

  // Takes the focus and the keyboard; writing it also sets TabStop.
  bool CanFocused() const { return canFocused_; }
  void SetCanFocused(bool on);
  // Reachable with the Tab key.
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool on);
  bool Down() const { return down_; }
  void SetDown(bool down);
  // Non-zero: one of the buttons of that number on the same parent; such a button never takes
  // the focus.
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int index);

  // Glyph strip of NumGlyphs cells (normal, disabled, down, active); copied in.
  const TBitmap& Glyph() const { return glyph_; }
  void SetGlyph(const TBitmap& glyph);
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int count);  // 1..4; other counts are refused
  int Margin() const { return margin_; }
  void SetMargin(int margin);  // -1 centres glyph and caption together; below -1 is refused
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);
  TGlyphLayout Layout() const { return layout_; }
  void SetLayout(TGlyphLayout layout);
  // Not owned: whoever frees the list sets it back to nullptr first.
  const TCustomImageList* ImageList() const { return imageList_; }
  void SetImageList(const TCustomImageList* images);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);

  // Enter clicks the window's default button, Escape its cancel button.
  bool Default() const { return default_; }
  void SetDefault(bool on);
  bool Cancel = false;
  // Closes a dialog window with this result when the button is clicked (0: no result).
  int ModalResult = 0;

  TSkinNotifyEvent OnClick;
  // Runs the action when there is no OnClick; the button takes the action's text, enabled state
  // and (for an empty glyph) its icon.
  QAction* Action() const { return action_; }
  void SetAction(QAction* action);

  // Run-time state.
  bool MouseIn() const { return mouseIn_; }
  double MorphProgress() const { return morph_.Value(); }
  bool IsActiveDefault() const { return activeDefault_; }
  int AnimateFrame() const { return animateFrame_; }
  bool HoverFadeRunning() const { return hoverFadeTimer_.Active(); }
  bool RepeatRunning() const { return repeatTimer_.Active(); }
  bool AnimationRunning() const { return animateTimer_.Active(); }
  // The button's timers, for a caller that keeps time itself.
  TWindowTimer& HoverFadeTimer() { return hoverFadeTimer_; }
  TWindowTimer& RepeatTimer() { return repeatTimer_; }
  TWindowTimer& AnimateTimer() { return animateTimer_; }
  // The cached values of the control skin.
  const TSkinButtonLook& Look() const { return look_; }

  // The click: modal result, then OnClick (or the action).
  virtual void ButtonClick();

  void RefreshSkinValues() override;
  void ApplySkinChange() override;
  void FitSizeToSkin(int& width, int& height) override;

 protected:
  // Draws the face of `rect` with its caption and glyph into the bitmap.
  virtual void DrawSkinState(TBitmap& bitmap, const TRect& rect, bool active, bool down);

  void PaintUnskinned(TBitmap& bitmap) override;
  void PaintSkinned(TBitmap& bitmap) override { (void)bitmap; }  // the button paints in Paint
  void Paint(TCanvas& canvas) override;
  void MouseEnter() override;
  void MouseLeave() override;

  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TButtonState State() const;
  bool EffectsOn() const;
  bool MorphingOn() const { return EffectsOn() && look_.Morphing; }
  bool Focused() const { return hasFocus(); }
  bool InGroup() const { return groupIndex_ != 0; }
  TFont CaptionFont(bool skinned) const;
  void DrawContent(TCanvas& canvas, const TRect& area, bool active, bool down, bool imagePressed);

  // Hover fade, auto-repeat and frame animation.
  void RedrawWithMorph();
  void HoverFadeTick();
  void StartRepeat();
  void StopRepeat() { repeatTimer_.Stop(); }
  void StartAnimation(bool forward);
  void StopAnimation();
  void AnimateTick();
  // Clicks from input events: a failing handler is reported, not thrown through the event loop.
  void ClickFromInput();

  // Keyboard reaching the window: the default and cancel keys and caption accelerators.
  void WatchWindow();
  // Alt with the caption's accelerator reaches the focused control first: a button with an
  // accelerator watches the application's key presses for its window.
  void WatchAccelerator();
  bool DialogKey(const QKeyEvent& key);
  bool DialogChar(const QKeyEvent& key);
  bool CanTakeFocus() const;
  // The focus moved to `now` somewhere in the application.
  void FocusChanged(QWidget* now);
  void ReleaseGroupSiblings();
  void ActionChanged();

  QString caption_;
  bool useSkinSize_ = true;
  bool useSkinFontColor_ = true;
  bool canFocused_ = true;
  bool tabStop_ = true;
  bool down_ = false;
  int groupIndex_ = 0;
  TBitmap glyph_;
  int numGlyphs_ = 1;
  int margin_ = -1;
  int spacing_ = 1;
  TGlyphLayout layout_ = blGlyphLeft;
  const TCustomImageList* imageList_ = nullptr;
  int imageIndex_ = -1;
  bool default_ = false;
  QPointer<QAction> action_;

  TSkinButtonLook look_;
  TRect normalRect_{};  // the skin rectangle, or the frame a backward animation shows
  bool mouseIn_ = false;
  bool pressedByMouse_ = false;
  bool wasDownAtPress_ = false;
  bool clicksDisabled_ = false;  // while a press takes the focus
  bool activeDefault_ = false;
  TMorphProgress morph_;
  TWindowTimer hoverFadeTimer_{kHoverFadeInterval};
  TWindowTimer repeatTimer_;
  TWindowTimer animateTimer_;
  int animateFrame_ = 0;
  bool animateForward_ = true;
  QPointer<QWidget> watchedWindow_;
  bool watchingApplication_ = false;
};
