// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Text drawing, measuring and shortening for skinned surfaces, in the canvas font.
#include <QString>

#include "platform/Types.h"

class TCanvas;

// Draws (or with DT_CALCRECT measures) wide text; returns the text height as DrawText does.
int DrawTextAuto(TCanvas& canvas, const QString& text, TRect& rect, unsigned format);

// Width and height of the text measured with DT_CALCRECT on an empty rectangle; `format` adds
// the flags the text will be drawn with (DT_NOPREFIX for a text whose "&" shows as it is).
int MeasureTextWidth(TCanvas& canvas, const QString& text, unsigned format = 0);
int MeasureTextHeight(TCanvas& canvas, const QString& text, unsigned format = 0);

// Leaves a text that fits `width` alone; otherwise drops characters from its end until the rest
// plus "..." fits (or nothing is left) and appends "...". Characters outside the basic plane
// are dropped whole, never split. Measured with the drawing's `format`, as above.
void EllipsizeToWidth(TCanvas& canvas, QString& text, int width, unsigned format = 0);
