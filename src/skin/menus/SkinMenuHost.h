// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The skinned window of a form, as the popup menus of that form see it: the menu engine that
// shows their items and the skin the window's menus are drawn from. The skinned window
// registers itself for its form while it is attached; a popup menu looks up the window of its
// owner form.
class TForm;
class TSkinData;
class TSkinMenu;

class TSkinMenuHost {
 public:
  virtual TSkinMenu& HostMenu() = 0;
  // The skin for the window's menus: its menus skin, else its own skin; may be nullptr.
  virtual TSkinData* MenusSkin() const = 0;

 protected:
  ~TSkinMenuHost() = default;
};

// Registers the skinned window of a form; nullptr removes it.
void RegisterSkinMenuHost(const TForm* form, TSkinMenuHost* host);
// The skinned window registered for the form, or nullptr.
TSkinMenuHost* SkinMenuHostOf(const TForm* form);
