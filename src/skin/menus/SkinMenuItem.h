// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// One line of a skinned popup: what the platform menu item showed when the popup was built (its
// caption, shortcut text, states and picture), the line's place in the popup and its hover
// state. The platform item itself is reached through its command number, so a line outlives the
// item safely.
#include <QString>

#include "platform/Bitmap.h"
#include "platform/MenuItem.h"
#include "platform/Types.h"
#include "skin/controls/MorphProgress.h"

struct TMenuItemLook;
struct TSkinMenuLook;

class TSkinMenuItem {
 public:
  explicit TSkinMenuItem(const TMenuItem& item);

  // The platform item, or nullptr once it is gone.
  TMenuItem* MenuItem() const { return TMenuItem::FindByCommand(command_); }
  unsigned Command() const { return command_; }

  const QString& Caption() const { return caption_; }
  const QString& ShortCutText() const { return shortCutText_; }
  const QString& Name() const { return name_; }
  bool Enabled() const { return enabled_; }
  bool Checked() const { return checked_; }
  bool RadioItem() const { return radioItem_; }
  bool HasChildren() const { return hasChildren_; }
  const TBitmap& Bitmap() const { return bitmap_; }
  int ImageIndex() const { return imageIndex_; }
  bool OwnerDrawn() const { return ownerDrawn_; }

  bool IsLine() const { return caption_ == QStringLiteral("-"); }
  // Enabled and not a separator: the pointer and the keyboard can select it.
  bool Selectable() const { return enabled_ && !IsLine(); }
  // Drawn in its active state.
  bool Active() const { return Highlighted || SubOpen; }

  // The height the line takes in the look.
  int Height(const TSkinMenuLook& look, int defaultItemHeight) const;

  // Place in the popup window.
  TRect Rect{};
  bool Highlighted = false;
  // The line's sub-menu is open.
  bool SubOpen = false;
  // Inside the visible range of a scrolling popup.
  bool Shown = false;
  // Selected by the popup's opening, not yet by the user.
  bool PreSelected = false;
  // Frame of the frame animation; 0 none, FrameCount + 1 after leaving.
  int AnimateFrame = 0;

  // Progress of the hover cross-fade, 0 to 1 in fifths.
  double MorphProgress() const { return morph_.Value(); }
  // One step of the hover effects towards the line's state; false when nothing changed.
  bool StepEffects(const TSkinMenuLook& look);
  // Jumps to where the effects would end.
  void SettleEffects(const TSkinMenuLook& look);

 private:
  unsigned command_;
  QString caption_;
  QString shortCutText_;
  QString name_;
  bool enabled_;
  bool checked_;
  bool radioItem_;
  bool hasChildren_;
  TBitmap bitmap_;
  int imageIndex_;
  bool ownerDrawn_;
  TMorphProgress morph_;
};
