#pragma once
// The font dialog: family, style, size and effects, plus the colour list of the platform's
// font dialog. Edits `font` in place when confirmed.
#include "platform/Font.h"

class QWidget;

bool ExecFontDialog(TFont& font, QWidget* parent);
