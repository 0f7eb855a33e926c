// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The frame's answers to WM_NCHITTEST, as pure functions of the layout, the objects' places and
// the window's state. Points are in window coordinates; "in" a rectangle excludes its right and
// bottom edges.
#include <functional>
#include <span>

#include "skin/form/FrameLayout.h"

struct THitTestState {
  int W = 0;
  int H = 0;
  bool Sizeable = false;
  bool Maximised = false;
  bool RolledUpOrMinimised = false;
  bool ObjectHovered = false;
  bool InSizeMove = false;
};

// Whether a window point belongs to the mask's outline; empty when the skin has no mask.
using TMaskTest = std::function<bool(TPoint)>;

// The skinned frame: sizing codes near the outline of a sizeable window (the outline is the
// window's rectangle, or the mask's where there is one), HTCLIENT in the client rectangle,
// HTCAPTION on a caption object (visible or not), HTOBJECT everywhere else.
int HitTestSkinnedFrame(const TFrameLayout& layout, int borderWidth, std::span<const TObjectPlace> objects,
                        const THitTestState& state, TPoint P, const TMaskTest& maskTest);

// The default frame: 2-pixel sizing margins on a sizeable window, the caption area between the
// button groups, the client rectangle (3, CH + 3, W − 3, H − 3), HTOBJECT elsewhere.
int HitTestDefaultFrame(const TRect& defaultCaptionArea, TFormBorderStyle style, const THitTestState& state, TPoint P);

// The name of a hit-test code ("HTCAPTION"), or its number.
QString HitTestName(int code);
