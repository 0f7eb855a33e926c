// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Sizes and rectangles given on the command line.
#include <QJsonArray>
#include <QString>

#include "platform/Types.h"

// "WxH" with both at least 1; CliError naming the option otherwise.
TSize ParseSize(const QString& text, const QString& option);
// "L,T,R,B" (whole numbers, negative allowed); CliError naming the option otherwise.
TRect ParseRect(const QString& text, const QString& option);
// A rectangle in the commands' JSON: [L, T, R, B].
QJsonArray RectJson(const TRect& r);
