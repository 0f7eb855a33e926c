// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A menu item of the desktop platform: a caption with "&" accelerators (the caption "-" makes a
// separator line), a name, its states, a shortcut, a picture and sub-items. A menu is a tree of
// items under a root item that is never shown itself.
//
// Every item carries a command number for its whole life. A menu that runs an item's command
// only after it has closed looks the item up by that number, so an item freed meanwhile (by a
// close handler, say) is simply not clicked.
#include <QAction>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/ShortCut.h"
#include "platform/Types.h"

class TCanvas;
class TMenu;
class TMenuItem;

using TMenuItemEvent = std::function<void(TMenuItem* sender)>;
// Draws caption, shortcut and picture of the item itself into `rect` of the canvas.
using TMenuDrawItemEvent = std::function<void(TMenuItem* sender, TCanvas& canvas, const TRect& rect, bool selected)>;

class TMenuItem {
 public:
  explicit TMenuItem(const QString& caption = {}, const QString& name = {});
  virtual ~TMenuItem();
  TMenuItem(const TMenuItem&) = delete;
  TMenuItem& operator=(const TMenuItem&) = delete;

  QString Caption;
  QString Name;
  bool Enabled = true;
  bool Visible = true;
  bool Checked = false;
  // A checked radio item shows a dot instead of a check mark.
  bool RadioItem = false;
  TShortCut ShortCut = scNone;
  // The item's own picture, drawn transparently (its bottom-left pixel's colour is left out).
  TBitmap Bitmap;
  // Picture from the menu's image list; -1 none.
  int ImageIndex = -1;
  TMenuItemEvent OnClick;
  // When set, replaces the drawing of caption, shortcut and picture.
  TMenuDrawItemEvent OnDrawItem;

  bool IsLine() const { return Caption == QStringLiteral("-"); }
  QString ShortCutText() const { return ShortCutToText(ShortCut); }

  // The action the item follows: its text, enabled, checked and visible states, and, without an
  // OnClick, its trigger.
  QAction* Action() const { return action_; }
  void SetAction(QAction* action);
  // Takes the action's states, as the menu does before it shows the item.
  void InitiateAction();
  // The item's command: OnClick, or without one the action. A disabled item does nothing.
  virtual void Click();

  int Count() const { return int(items_.size()); }
  // The sub-item at `index`, nullptr outside the list.
  TMenuItem* Items(int index) const;
  TMenuItem* Parent() const { return parent_; }
  int IndexOf(const TMenuItem* item) const;
  // Appends or inserts an item and takes it over; returns it.
  TMenuItem* Add(std::unique_ptr<TMenuItem> item);
  TMenuItem* Add(const QString& caption, const QString& name = {});
  TMenuItem* Insert(int index, std::unique_ptr<TMenuItem> item);
  void Delete(int index);
  void Clear();

  // The menu whose tree holds this item, or nullptr.
  TMenu* GetParentMenu() const;

  // Leaves out redundant separators among the sub-items: one that comes first or last among the
  // visible ones, or right after another. It decides afresh each time and never touches Visible.
  void RethinkLines();
  // Shows every visible separator again, for a menu that stopped reducing them.
  void KeepAllLines();
  // Visible, and not a separator that RethinkLines left out.
  bool Showing() const { return Visible && !lineReduced_; }

  unsigned Command() const { return command_; }
  static TMenuItem* FindByCommand(unsigned command);
  // Clicks the live item with that command; false when there is none.
  static bool DispatchCommand(unsigned command);

 private:
  friend class TMenu;

  std::vector<std::unique_ptr<TMenuItem>> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on a menu's root item only
  QPointer<QAction> action_;
  bool lineReduced_ = false;
  unsigned command_;
};
