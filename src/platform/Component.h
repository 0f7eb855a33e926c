// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The platform's non-visual component: a named part of a form with design/loading states and
// removal notifications.
//
// A form keeps its components as members and frees them itself; the owner recorded here is the
// form the component belongs to (nullptr for a free-standing one). Components refer to each other
// through plain references that they do not own; a component that keeps such a reference asks
// the other one for a free notification and clears the reference in Notification when the other
// goes away.
#include <QString>
#include <cstdint>
#include <vector>

class TForm;

enum class TOperation { opInsert, opRemove };

enum TComponentStateFlag : std::uint32_t {
  csLoading = 0x1,     // the form description is being read into the component
  csDesigning = 0x2,   // the component lives in a form designer, not in the running program
  csDestroying = 0x4,  // the component is being freed
};

class TComponent {
 public:
  explicit TComponent(TForm* owner = nullptr) : owner_(owner) {}
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TForm* Owner() const { return owner_; }
  QString Name;

  std::uint32_t ComponentState() const { return state_; }
  bool Designing() const { return (state_ & csDesigning) != 0; }
  bool Loading() const { return (state_ & csLoading) != 0; }
  void SetDesigning(bool designing) { SetFlag(csDesigning, designing); }
  // The form loader marks its components while it reads the form description, then calls
  // Loaded on each of them.
  void SetLoading(bool loading) { SetFlag(csLoading, loading); }
  virtual void Loaded() { SetFlag(csLoading, false); }

  // Asks this component to call other->Notification(this, opRemove) when it is freed. Links
  // are mutual, so whichever of the two goes first unlinks the other.
  void FreeNotification(TComponent* other);
  void RemoveFreeNotification(TComponent* other);

 protected:
  // Called on components that asked for a free notification while `component` is being freed
  // (it is still a valid object of the component base class at this point).
  virtual void Notification(TComponent* component, TOperation operation) {
    (void)component;
    (void)operation;
  }

 private:
  void SetFlag(std::uint32_t flag, bool on) { state_ = on ? (state_ | flag) : (state_ & ~flag); }
  static void Unlink(std::vector<TComponent*>& links, TComponent* other);

  TForm* owner_;
  std::uint32_t state_ = 0;
  std::vector<TComponent*> freeNotifies_;
};
