// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Menu shortcuts as the desktop platform encodes them: the virtual key in the low byte, the
// modifiers in the high bits. Their text reads "Shift+Ctrl+Alt+Key", e.g. "Alt+F4".
#include <QString>
#include <cstdint>

using TShortCut = std::uint16_t;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

constexpr TShortCut ShortCut(int key, TShortCut modifiers = scNone) { return TShortCut((key & 0xFF) | modifiers); }

// "Alt+F4"; empty for no shortcut or a key without a name.
QString ShortCutToText(TShortCut shortCut);
// The shortcut a text names, modifiers in any order and letter case; 0 when it names none.
TShortCut TextToShortCut(const QString& text);
