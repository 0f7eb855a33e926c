#pragma once
// How the console's controls look: fonts, colours, and small factories for its plain controls.
#include <QImage>
#include <QString>

#include "platform/Font.h"
#include "platform/Types.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

// "宋体" in the GB2312 character set at the given pixel height and colour.
TFont ConsoleFont(int height, TColor color);
// The window font: 16 pixels, window-text colour.
TFont ConsoleWindowFont();

void SetControlFont(QWidget* control, const TFont& font);
void SetTextColours(QWidget* control, TColor background, TColor text);

QLabel* MakeLabel(QWidget* parent, const TRect& bounds, const QString& text);
QGroupBox* MakeGroupBox(QWidget* parent, const TRect& bounds);
QPushButton* MakeCommandButton(QWidget* parent, const TRect& bounds, const QString& caption);

// The small picture beside the version label: a sign with a lit caption, 32 x 32.
QImage ConsoleBadge();
