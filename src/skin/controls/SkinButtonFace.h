// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The pure half of the skinned push button: the values it caches from its control skin, which
// face each state shows, the caption colour, the glyph cell and the frames of its animation.
#include <QString>

#include "skin/data/SkinFont.h"
#include "platform/Color.h"
#include "platform/Font.h"
#include "platform/Types.h"
#include "skin/data/SkinIniValues.h"

class TCanvas;
class TDataSkinButtonControl;

// The button's values from its control skin, with the fall-backs already applied.
struct TSkinButtonLook {
  QString FontName = SkinFontName();
  int FontHeight = kSkinFontHeight;
  TFontStyles FontStyle;
  TColor FontColor = clBlack;
  TColor ActiveFontColor = clBlack;
  TColor DownFontColor = clBlack;
  TColor DisabledFontColor = clBlack;
  TRect ActiveSkinRect{};    // the skin rectangle when the skin gives none
  TRect DownSkinRect{};      // the active rectangle when the skin gives none
  TRect DisabledSkinRect{};  // empty: no disabled picture
  bool Morphing = false;
  TMorphKind MorphKind = TMorphKind::mkDefault;
  TRect AnimateSkinRect{};
  int FrameCount = 0;
  int AnimateInterval = 25;
  bool ShowFocus = false;
};

TSkinButtonLook SkinButtonLookOf(const TDataSkinButtonControl& entry, const TRect& skinRect);
// For a control skin of another kind: every look is the skin rectangle.
TSkinButtonLook PlainButtonLook(const TRect& skinRect);

// What the button's face depends on at one moment.
struct TButtonState {
  bool Enabled = true;
  bool Down = false;
  bool MouseIn = false;
  bool Focused = false;
  bool CanFocused = true;
  bool PressedByMouse = false;
  bool InGroup = false;
  bool Morphing = false;  // morphing is on for this button
  double MorphProgress = 0;
};

enum class TButtonFace { Disabled, Down, Active, Normal };

// The first face that applies: disabled (when there is a disabled picture); down while the
// pointer or the keyboard holds it, or in a group; active when focused, hovered or at the top of
// a fade; else normal.
TButtonFace ChooseButtonFace(const TButtonState& state, bool hasDisabledPicture);
// The cross-fade between the normal and the active face is shown instead of a single face.
bool ShowsMorphFrame(const TButtonState& state);

// Caption colour of a face drawn with `active` and `down`; useSkinColor off takes the default
// font's colour for an enabled button.
TColor CaptionColor(const TSkinButtonLook& look, bool enabled, bool active, bool down, bool useSkinColor,
                    TColor defaultColor);
// Which cell (from 1) of a glyph strip of numGlyphs cells a face shows.
int GlyphCell(bool active, bool down, bool enabled, int numGlyphs);

// How an animation strip holds its frames: the push button's rule (side by side when the strip is
// wider than the skin rectangle, else stacked) or the caption's and the menu line's (stacked when
// the strip is taller than the skin rectangle, else side by side).
enum class TStripLayout { SideBySideWhenWider, StackedWhenTaller };

// Frame k (1 .. frameCount) of an animation strip, each frame the strip's width or height div
// frameCount. Empty for a count below 1.
TRect AnimationFrameRect(const TRect& strip, const TRect& skinRect, int frameCount, int k,
                         TStripLayout layout = TStripLayout::SideBySideWhenWider);

// The dotted focus outline: every other pixel of the rectangle's edge inverted.
void DrawFocusRect(TCanvas& canvas, const TRect& rect);

// The character after the caption's first single "&", or a null character (a doubled "&&" is a
// plain "&").
QChar AcceleratorOf(const QString& caption);
// Whether the key is the caption's accelerator, letter case aside.
bool IsAccelerator(QChar key, const QString& caption);
