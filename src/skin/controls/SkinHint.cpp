// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/data/SkinFont.h"
#include "skin/controls/SkinHint.h"

#include <QTimer>
#include <algorithm>

#include "platform/Application.h"
#include "platform/GlobalCoordinates.h"
#include "skin/controls/SkinHintWindow.h"
#include "skin/data/SkinData.h"

namespace {

// Every live hint component, in creation order.
std::vector<TSkinHint*>& Hints() {
  static std::vector<TSkinHint*> hints;
  return hints;
}

// Switching tooltips off and on makes the application create a window of the current class.
void RecreateHintWindow() {
  ApplicationHints().SetShowHint(false);
  ApplicationHints().SetShowHint(true);
}

TSkinHint* routedHint = nullptr;

}  // namespace

TSkinHint::TSkinHint(TForm* owner) : TComponent(owner), window_(std::make_unique<TSkinHintWindow>(this)) {
  DefaultFont = SkinDefaultFont(DefaultFont.Color);
  Hints().push_back(this);
  ApplicationHints().SetHintWindowClass([] { return std::make_unique<TSkinHintWindow>(); });
  RecreateHintWindow();
  RouteShowHint();
  ApplicationHints().HintShortPause = 100;
}

TSkinHint::~TSkinHint() {
  HideObjectHint();
  std::vector<TSkinHint*>& hints = Hints();
  hints.erase(std::remove(hints.begin(), hints.end(), this), hints.end());
  if (routedHint == this) {
    routedHint = nullptr;
    ApplicationHints().OnShowHint = nullptr;
  }
  // With the last hint component gone, tooltips go back to the plain window rather than
  // vanishing for good.
  if (hints.empty()) {
    ApplicationHints().ResetHintWindowClass();
    RecreateHintWindow();
  }
}

void TSkinHint::SetSkinData(TSkinData* skinData) {
  if (skinData_ && skinData_ != skinData) RemoveFreeNotification(skinData_);
  skinData_ = skinData;
  if (skinData) FreeNotification(skinData);
}

void TSkinHint::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component == skinData_) skinData_ = nullptr;
}

void TSkinHint::SetActive(bool active) {
  active_ = active;
  if (!active) return;
  for (TSkinHint* other : Hints())
    if (other != this && other->Owner() == Owner()) other->active_ = false;
  RouteShowHint();
}

void TSkinHint::RouteShowHint() {
  routedHint = this;
  ApplicationHints().OnShowHint = [this](QString& text, bool& canShow, THintInfo& info) {
    if (OnShowHint) OnShowHint(text, canShow, info);
  };
}

TSkinHint* TSkinHint::ActiveMainFormHint() {
  TForm* mainForm = Application().MainForm;
  if (!mainForm) return nullptr;
  for (TSkinHint* hint : Hints())
    if (hint->Owner() == mainForm && hint->Active()) return hint;
  return nullptr;
}

void TSkinHint::ActivateObjectHint(const QString& text) {
  if (text.isEmpty()) {
    HideObjectHint();
    return;
  }
  HideObjectHint();
  pendingText_ = text;
  timer_ = std::make_unique<QTimer>();
  timer_->setSingleShot(true);
  QObject::connect(timer_.get(), &QTimer::timeout, [this] { ObjectHintTimer(); });
  timer_->start(ApplicationHints().HintPause);
}

void TSkinHint::ObjectHintTimer() {
  if (objectHintShown_) {
    HideObjectHint();
    return;
  }
  // Below the pointer, clear of the cursor's visible part.
  objectHintShown_ = true;
  const QPoint pos = GetCursorPoint();
  window_->ActivateHint(Bounds(pos.x(), pos.y() + CursorHeightMargin(), 0, 0), pendingText_);
  timer_->start(ApplicationHints().HintHidePause);
}

void TSkinHint::HideObjectHint() {
  if (timer_) {
    timer_->stop();
    // The timer may be the sender of the signal being handled: let the event loop free it.
    timer_.release()->deleteLater();
  }
  objectHintShown_ = false;
  window_->hide();
}
