// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/Component.h"

#include <algorithm>

TComponent::~TComponent() {
  state_ |= csDestroying;
  // Take the list first: a handler may drop further links while it runs.
  const std::vector<TComponent*> links = std::move(freeNotifies_);
  freeNotifies_.clear();
  for (TComponent* other : links) {
    Unlink(other->freeNotifies_, this);
    other->Notification(this, TOperation::opRemove);
  }
}

void TComponent::FreeNotification(TComponent* other) {
  if (!other || other == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), other) == freeNotifies_.end())
    freeNotifies_.push_back(other);
  if (std::find(other->freeNotifies_.begin(), other->freeNotifies_.end(), this) ==
      other->freeNotifies_.end())
    other->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* other) {
  if (!other) return;
  Unlink(freeNotifies_, other);
  Unlink(other->freeNotifies_, this);
}

void TComponent::Unlink(std::vector<TComponent*>& links, TComponent* other) {
  links.erase(std::remove(links.begin(), links.end(), other), links.end());
}
