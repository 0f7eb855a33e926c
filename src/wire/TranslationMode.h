// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The mode a translation goes out in. Every mode but the scrolling one draws the caption once,
// centred in the sign's 192 columns, so a wider caption loses columns on both sides. A track's line
// goes to its signs in the mode its caption line is sent in, unless that mode would cut it; then
// it scrolls in, so that no translation is ever cut on a sign.
#include "wire/DisplayModes.h"
#include "wire/LedFrame.h"

// Whether a caption `width` pixels wide in the caption font loses columns when sent with mode
// index `modeIndex` (-1 for the mode byte 0xFF of a stored mode outside the list).
constexpr bool CutsCaption(int width, int modeIndex) { return width > kLedWidth && modeIndex != kScrollInFromRightMode; }

// The mode index a translation `width` pixels wide goes out in when its caption line is sent with
// `captionMode`.
constexpr int TranslationMode(int width, int captionMode) {
  return CutsCaption(width, captionMode) ? kScrollInFromRightMode : captionMode;
}
