// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The frame's geometry as pure functions of the skin's numbers and the window size: how thick
// the frame is, where the skin's points and rectangles move at a given size, and where the frame
// objects land. Nothing here needs a window.
#include <array>
#include <span>

#include "platform/Form.h"
#include "platform/Types.h"
#include "skin/data/SkinIniValues.h"

class TSkinData;

// What the frame reads from the skin (PW × PH is the size of its frame picture).
struct TFrameSkinGeometry {
  int PW = 0;
  int PH = 0;
  TPoint LT, RT, LB, RB;
  TRect ClientRect{};
  TRect CaptionRect{};
  TRect ButtonsRect{};
  TRect MaskRectArea{};
  std::array<TPoint, 4> HitTestPoints{};  // left-top, right-top, left-bottom, right-bottom
  int ButtonsOffset = 0;
  bool ButtonsInLeft = false;
  int BorderWidth = 0;
};

TFrameSkinGeometry FrameSkinGeometryOf(const TSkinData& skin);

// The skin's geometry moved to a window of W × H.
struct TFrameLayout {
  TPoint NewLT, NewRT, NewLB, NewRB;
  TRect NewClientRect{};
  TRect NewCaptionRect{};
  TRect NewButtonsRect{};
  TRect NewMaskRectArea{};
  std::array<TPoint, 4> NewHitTestPoints{};
  int ButtonsOffsetValue = 0;
  bool ButtonsOnLeft = false;
};

TFrameLayout CalcFrameLayout(const TFrameSkinGeometry& skin, int W, int H);

// The client rectangle the frame leaves of the window rectangle `window` (WM_NCCALCSIZE): the
// skin's band widths, or the default frame's borders under its caption. Right and
// Bottom never fall below Left and Top.
TRect SkinnedClientRect(const TFrameSkinGeometry& skin, TRect window);
TRect DefaultClientRect(TFormBorderStyle style, TRect window);

// The default frame: a border this wide on every side (three rings of one pixel), the caption
// under its top; no narrower than kDefaultMinWidth unless the engine's MinWidth says otherwise.
constexpr int kDefaultBorder = 3;
constexpr int kDefaultMinWidth = 120;

// The default frame's caption height and caption button size.
int DefaultCaptionHeight(TFormBorderStyle style);
int DefaultButtonSize(TFormBorderStyle style);
bool IsSizeable(TFormBorderStyle style);

enum class TFrameObjectKind { Caption, StdButton, Button, Animate, User };

// One frame object as layout and hit testing see it. ObjectRect is the object's place on the
// window, which ArrangeFrameObjects sets.
struct TObjectPlace {
  TFrameObjectKind Kind = TFrameObjectKind::User;
  SkinCommand Command = SkinCommand::cmDefault;
  bool SkinRectInAPicture = false;
  bool Visible = true;
  bool Enabled = true;
  TRect SkinRect{};
  TRect ObjectRect{};
};

// Places the objects, in two steps:
//   1. objects drawn as part of the frame picture follow the four-corner rule;
//   2. with a buttons or caption rectangle, the caption buttons with pictures of their own form
//      a row in it (close, maximise, minimise, roll-up, tray, then the default ones), and the
//      system-menu button goes to the caption's far end; the caption object gives way to both.
// `smallIcon` is the system-menu button's size while it shows the window's icon (showIcon).
void ArrangeFrameObjects(const TFrameSkinGeometry& skin, const TFrameLayout& layout, std::span<TObjectPlace> objects,
                         TSize smallIcon, bool showIcon);

// The default frame's caption buttons along its caption bar, right to left from the window's
// right border, the system-menu button at the left; returns the caption area left between them.
TRect ArrangeDefaultButtons(int W, TFormBorderStyle style, std::span<TObjectPlace> objects, TSize smallIcon,
                            bool showIcon);
