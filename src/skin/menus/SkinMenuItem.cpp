// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/menus/SkinMenuItem.h"

#include "skin/menus/SkinMenuLook.h"

TSkinMenuItem::TSkinMenuItem(const TMenuItem& item)
    : command_(item.Command()),
      caption_(item.Caption),
      shortCutText_(item.ShortCutText()),
      name_(item.Name),
      enabled_(item.Enabled),
      checked_(item.Checked),
      radioItem_(item.RadioItem),
      hasChildren_(item.Count() > 0),
      bitmap_(item.Bitmap),
      imageIndex_(item.ImageIndex),
      ownerDrawn_(bool(item.OnDrawItem)) {}

int TSkinMenuItem::Height(const TSkinMenuLook& look, int defaultItemHeight) const {
  if (look.Skinned()) return IsLine() ? look.Item->DividerRect.Height() : look.Item->SkinRect.Height();
  return IsLine() ? 4 : defaultItemHeight;
}

bool TSkinMenuItem::StepEffects(const TSkinMenuLook& look) {
  bool changed = false;
  if (look.MorphingOn()) changed = morph_.StepTowards(Active());
  if (look.AnimationOn()) {
    if (Active() && AnimateFrame < look.Item->FrameCount) {
      ++AnimateFrame;
      changed = true;
    } else if (!Active() && look.Item->InActiveAnimation && AnimateFrame > 0) {
      --AnimateFrame;
      changed = true;
    }
  }
  return changed;
}

void TSkinMenuItem::SettleEffects(const TSkinMenuLook& look) {
  morph_.JumpTo(Active());
  if (look.AnimationOn()) AnimateFrame = Active() ? look.Item->FrameCount : 0;
}
