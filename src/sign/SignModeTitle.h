// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A mode as the sign's window names it. The sign's own names are Chinese; in any other language
// a short gloss of the effect goes before the name ("roll in downwards from above, 从上向下卷入"),
// while a Chinese window shows the name alone.
#include <QString>

// Empty for a mode byte outside the sign's effects.
QString SignModeTitle(int modeIndex);
