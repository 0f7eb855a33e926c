// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/MenuItem.h"

#include <QAction>
#include <algorithm>
#include <unordered_map>

namespace {

std::unordered_map<unsigned, TMenuItem*>& LiveCommands() {
  static std::unordered_map<unsigned, TMenuItem*> commands;
  return commands;
}

unsigned NextCommand() {
  static unsigned next = 0;
  return ++next;
}

}  // namespace

TMenuItem::TMenuItem(const QString& caption, const QString& name)
    : Caption(caption), Name(name), command_(NextCommand()) {
  LiveCommands().emplace(command_, this);
}

TMenuItem::~TMenuItem() {
  LiveCommands().erase(command_);
  Clear();
}

TMenuItem* TMenuItem::FindByCommand(unsigned command) {
  const auto found = LiveCommands().find(command);
  return found == LiveCommands().end() ? nullptr : found->second;
}

bool TMenuItem::DispatchCommand(unsigned command) {
  TMenuItem* item = FindByCommand(command);
  if (!item) return false;
  item->Click();
  return true;
}

void TMenuItem::SetAction(QAction* action) {
  action_ = action;
  InitiateAction();
}

void TMenuItem::InitiateAction() {
  if (!action_) return;
  Caption = action_->text();
  Enabled = action_->isEnabled();
  Checked = action_->isChecked();
  Visible = action_->isVisible();
}

void TMenuItem::Click() {
  if (!Enabled) return;
  if (OnClick) OnClick(this);
  else if (action_) action_->trigger();
}

TMenuItem* TMenuItem::Items(int index) const {
  return index >= 0 && index < Count() ? items_[std::size_t(index)].get() : nullptr;
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  for (int i = 0; i < Count(); ++i)
    if (items_[std::size_t(i)].get() == item) return i;
  return -1;
}

TMenuItem* TMenuItem::Add(std::unique_ptr<TMenuItem> item) { return Insert(Count(), std::move(item)); }

TMenuItem* TMenuItem::Add(const QString& caption, const QString& name) {
  return Add(std::make_unique<TMenuItem>(caption, name));
}

TMenuItem* TMenuItem::Insert(int index, std::unique_ptr<TMenuItem> item) {
  TMenuItem* added = item.get();
  if (!added) return nullptr;
  added->parent_ = this;
  items_.insert(items_.begin() + std::clamp(index, 0, Count()), std::move(item));
  return added;
}

void TMenuItem::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  // Take it out of the list before freeing it, so its destructor never sees a half-removed tree.
  std::unique_ptr<TMenuItem> gone = std::move(items_[std::size_t(index)]);
  items_.erase(items_.begin() + index);
}

void TMenuItem::Clear() {
  while (Count() > 0) Delete(Count() - 1);
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

void TMenuItem::RethinkLines() {
  TMenuItem* pendingLine = nullptr;  // a separator kept only if a visible item follows it
  bool anyBefore = false;
  for (const auto& item : items_) {
    item->lineReduced_ = false;
    if (!item->Visible) continue;
    if (item->IsLine()) {
      if (!anyBefore || pendingLine) item->lineReduced_ = true;
      else pendingLine = item.get();
      continue;
    }
    anyBefore = true;
    pendingLine = nullptr;
  }
  if (pendingLine) pendingLine->lineReduced_ = true;
}

void TMenuItem::KeepAllLines() {
  for (const auto& item : items_) item->lineReduced_ = false;
}
