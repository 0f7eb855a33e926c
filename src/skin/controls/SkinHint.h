// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The skinned hint component: makes the application's tooltips show through a TSkinHintWindow
// painted from its skin data, and shows the hints of the skinned window's own frame objects
// (caption buttons) on a timer: after the application's hint pause below the pointer, hidden
// again after the hint hide pause.
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/ApplicationHints.h"
#include "platform/Component.h"
#include "platform/Font.h"

class QTimer;
class TSkinData;
class TSkinHintWindow;

class TSkinHint : public TComponent {
 public:
  explicit TSkinHint(TForm* owner = nullptr);
  ~TSkinHint() override;

  TSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TSkinData* skinData);
  // Only one hint of the main form is active; activating one deactivates the others and routes
  // the application's show-hint event to it.
  bool Active() const { return active_; }
  void SetActive(bool active);

  bool AlphaBlend = false;
  std::uint8_t AlphaBlendValue = 255;
  // Font of the unskinned look, and of the skinned one when UseSkinFont is off.
  TFont DefaultFont;
  bool UseSkinFont = true;
  TShowHintEvent OnShowHint;

  // The window of the object hints (hidden until one shows).
  TSkinHintWindow& HintWindow() const { return *window_; }
  // A hint for a frame object: replaces any pending one and shows after the hint pause.
  void ActivateObjectHint(const QString& text);
  void HideObjectHint();
  bool ObjectHintPending() const { return timer_ != nullptr; }

  // The first active hint owned by the application's main form, or none.
  static TSkinHint* ActiveMainFormHint();

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void RouteShowHint();
  void ObjectHintTimer();

  TSkinData* skinData_ = nullptr;
  bool active_ = true;
  std::unique_ptr<TSkinHintWindow> window_;
  std::unique_ptr<QTimer> timer_;
  bool objectHintShown_ = false;
  QString pendingText_;
};
