// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The colours every picture of the sign gives its dots (the virtual sign, the proof sheet, the
// stage page), so that the sign looks the same wherever it is shown.
#include <QColor>
#include <QString>

constexpr QRgb kLitDotColour = qRgb(255, 40, 30);
constexpr QRgb kUnlitDotColour = qRgb(48, 8, 8);

// "#rrggbb", as a style sheet writes it.
inline QString DotColourName(QRgb colour) { return QColor(colour).name(QColor::HexRgb); }
