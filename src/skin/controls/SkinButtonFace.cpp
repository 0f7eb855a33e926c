// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/controls/SkinButtonFace.h"

#include "platform/Canvas.h"
#include "skin/data/SkinCustomControls.h"

TSkinButtonLook SkinButtonLookOf(const TDataSkinButtonControl& entry, const TRect& skinRect) {
  TSkinButtonLook look;
  look.FontName = entry.FontName;
  look.FontHeight = entry.FontHeight;
  look.FontStyle = entry.FontStyle;
  look.FontColor = entry.FontColor;
  look.ActiveFontColor = entry.ActiveFontColor;
  look.DownFontColor = entry.DownFontColor;
  look.DisabledFontColor = entry.DisabledFontColor;
  look.ActiveSkinRect = entry.ActiveSkinRect.IsEmpty() ? skinRect : entry.ActiveSkinRect;
  look.DownSkinRect = entry.DownSkinRect.IsEmpty() ? look.ActiveSkinRect : entry.DownSkinRect;
  look.DisabledSkinRect = entry.DisabledSkinRect;
  look.Morphing = entry.Morphing;
  look.MorphKind = entry.MorphKind;
  look.AnimateSkinRect = entry.AnimateSkinRect;
  look.FrameCount = entry.FrameCount;
  look.AnimateInterval = entry.AnimateInterval;
  look.ShowFocus = entry.ShowFocus;
  return look;
}

TSkinButtonLook PlainButtonLook(const TRect& skinRect) {
  TSkinButtonLook look;
  look.ActiveSkinRect = look.DownSkinRect = skinRect;
  return look;
}

TButtonFace ChooseButtonFace(const TButtonState& s, bool hasDisabledPicture) {
  if (!s.Enabled && hasDisabledPicture) return TButtonFace::Disabled;
  const bool keyboardHeld = s.Focused && s.CanFocused && !s.PressedByMouse;
  if (s.Down && (s.MouseIn || keyboardHeld || s.InGroup)) return TButtonFace::Down;
  if (s.Focused && s.CanFocused) return TButtonFace::Active;
  if (s.MouseIn) return TButtonFace::Active;
  // A fade that has reached the active face but not yet started back.
  if (s.Morphing && s.MorphProgress == 1) return TButtonFace::Active;
  return TButtonFace::Normal;
}

bool ShowsMorphFrame(const TButtonState& s) {
  return s.Morphing && s.MorphProgress > 0 && s.MorphProgress < 1 && s.Enabled;
}

TColor CaptionColor(const TSkinButtonLook& look, bool enabled, bool active, bool down, bool useSkinColor,
                    TColor defaultColor) {
  if (enabled && !useSkinColor) return defaultColor;
  if (!enabled) return look.DisabledFontColor;
  if (active && down) return look.DownFontColor;
  if (active) return look.ActiveFontColor;
  return look.FontColor;
}

int GlyphCell(bool active, bool down, bool enabled, int numGlyphs) {
  if (down && active && numGlyphs > 2) return 3;
  if (active && numGlyphs > 3) return 4;
  if (enabled || numGlyphs < 2) return 1;
  return 2;
}

TRect AnimationFrameRect(const TRect& strip, const TRect& skinRect, int frameCount, int k, TStripLayout layout) {
  if (frameCount < 1) return {};
  const bool sideBySide = layout == TStripLayout::SideBySideWhenWider ? strip.Width() > skinRect.Width()
                                                                       : strip.Height() <= skinRect.Height();
  if (sideBySide) {
    const int fw = strip.Width() / frameCount;
    return {strip.Left + fw * (k - 1), strip.Top, strip.Left + fw * k, strip.Bottom};
  }
  const int fh = strip.Height() / frameCount;
  return {strip.Left, strip.Top + fh * (k - 1), strip.Right, strip.Top + fh * k};
}

void DrawFocusRect(TCanvas& canvas, const TRect& r) {
  if (r.IsEmpty()) return;
  const auto invert = [&](int x, int y) {
    if ((x + y) % 2 != 0) return;
    const TColor c = canvas.Pixel(x, y);
    if (c != -1) canvas.SetPixel(x, y, c ^ 0xFFFFFF);
  };
  for (int x = r.Left; x < r.Right; ++x) {
    invert(x, r.Top);
    if (r.Bottom - 1 > r.Top) invert(x, r.Bottom - 1);
  }
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
    invert(r.Left, y);
    if (r.Right - 1 > r.Left) invert(r.Right - 1, y);
  }
}

QChar AcceleratorOf(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    if (caption[i + 1] != u'&') return caption[i + 1];
    ++i;  // a literal "&"
  }
  return {};
}

bool IsAccelerator(QChar key, const QString& caption) {
  const QChar accelerator = AcceleratorOf(caption);
  return !accelerator.isNull() && accelerator.toUpper() == key.toUpper();
}
