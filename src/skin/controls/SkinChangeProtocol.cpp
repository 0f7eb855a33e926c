// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/controls/SkinChangeProtocol.h"

#include <QPointer>
#include <QWidget>
#include <vector>

#include "platform/Form.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/SkinMessages.h"

bool ApplySkinMessageToControls(QWidget* root, const TMessage& message) {
  const bool before = message.Msg == SKINMSG_BEFORE_CHANGE;
  if (!before && message.Msg != SKINMSG_CHANGE) return false;
  if (!root) return true;
  const auto* skinData = reinterpret_cast<const TSkinData*>(message.WParam);
  // Collected first: applying a skin may resize or repaint, and a control may create or free
  // others while it does.
  std::vector<QPointer<TSkinControl>> controls;
  if (auto* self = qobject_cast<TSkinControl*>(root)) controls.emplace_back(self);
  for (TSkinControl* control : root->findChildren<TSkinControl*>()) controls.emplace_back(control);
  for (const QPointer<TSkinControl>& control : controls) {
    if (!control || (skinData && control->SkinData() != skinData)) continue;
    if (before) control->ForgetSkinObject();
    else control->ApplySkinChange();
  }
  return true;
}

bool ApplySkinMessageToForm(TForm& form, const TMessage& message) {
  return ApplySkinMessageToControls(form.Window(), message);
}
