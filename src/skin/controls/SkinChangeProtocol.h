// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// How a window passes a skin change on to its skinned controls: every skinned control below the
// root (at any depth) that is bound to the skin data being changed, or every one when the message
// names none, drops its control skin before the skin data is reloaded and applies the new skin
// after. Other messages are left alone.
#include "platform/Messages.h"

class QWidget;
class TForm;
class TSkinData;

// Handles SKINMSG_BEFORE_CHANGE and SKINMSG_CHANGE (wParam: the skin data); returns whether the
// message was one of the two.
bool ApplySkinMessageToControls(QWidget* root, const TMessage& message);

// The same for all controls of a form's window.
bool ApplySkinMessageToForm(TForm& form, const TMessage& message);
