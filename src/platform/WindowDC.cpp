// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/WindowDC.h"

#include "platform/Form.h"

TWindowDC::TWindowDC(TForm& form) : form_(form), canvas_(&form.FrameImage()) {}

TWindowDC::~TWindowDC() { form_.FramePainted(); }
