// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// How the console's controls look: fonts, colours, and small factories for its plain controls.
#include <QImage>
#include <QString>

#include "platform/Types.h"
#include "show/CaptionFont.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

// The window font: 16 pixels, window-text colour.
TFont ConsoleWindowFont();

void SetControlFont(QWidget* control, const TFont& font);
void SetTextColours(QWidget* control, TColor background, TColor text);

QLabel* MakeLabel(QWidget* parent, const TRect& bounds, const QString& text);
QGroupBox* MakeGroupBox(QWidget* parent, const TRect& bounds);
QPushButton* MakeCommandButton(QWidget* parent, const TRect& bounds, const QString& caption);

// The small picture beside the version label: a sign with a lit caption, 32 x 32.
QImage ConsoleBadge();
