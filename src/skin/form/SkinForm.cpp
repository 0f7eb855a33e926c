// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/data/SkinFont.h"
#include "skin/form/SkinForm.h"

#include <QApplication>
#include <QStyle>

#include "platform/Exceptions.h"
#include "platform/Menus.h"
#include "platform/NonClientMessages.h"
#include "skin/controls/SkinChangeProtocol.h"
#include "skin/controls/SkinHint.h"
#include "skin/controls/SkinWindowOS.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupMenu.h"

namespace {

TForm& RequireForm(TForm* owner) {
  if (!owner) throw Exception(QStringLiteral("Invalid class typecast"));
  return *owner;
}

}  // namespace

// Attaching, in order: defaults and owned parts; the form gives up its border icons, its
// shortcuts and its auto-sizing; the menus (system, tray, the skinned menu engine); then the
// window procedure is taken over, the window recreated and its system caption removed.
TSkinForm::TSkinForm(TForm* owner)
    : TComponent(owner),
      form_(RequireForm(owner)),
      defCaptionFont_(SkinDefaultFont(clBtnText, TFontStyle::fsBold)),
      defInActiveCaptionFont_(SkinDefaultFont(clBtnShadow, TFontStyle::fsBold)) {
  DefMenuItemFont = SkinDefaultFont();

  savedShortCut_ = form_.OnShortCut;
  form_.OnShortCut = [this](TWMKey& message, bool& handled) { HandleShortCut(message, handled); };

  defaultSystemMenu_ = std::make_unique<TPopupMenu>(&form_);
  trayMenu_ = std::make_unique<TSkinPopupMenu>(&form_);
  FillTrayMenu();
  skinMenu_ = std::make_unique<TSkinMenu>(&form_);
  RegisterSkinMenuHost(&form_, this);

  if (Designing()) return;
  savedWindowProc_ = form_.WindowProc;
  form_.WindowProc = [this](TMessage& message) { WndProc(message); };
  form_.RecreateWnd();
  form_.SetStyle(form_.Style() & ~WS_CAPTION);
}

TSkinForm::~TSkinForm() {
  if (!Designing() && savedWindowProc_) {
    form_.WindowProc = savedWindowProc_;
    form_.OnShortCut = savedShortCut_;
  }
  if (SkinMenuHostOf(&form_) == this) RegisterSkinMenuHost(&form_, nullptr);
  menuState_.ReleaseHook();
  pointer_.StopTimers();
  fade_.Timer().Stop();
  skinMenu_.reset();
  objectList_.clear();
}

void TSkinForm::SetReference(TComponent*& slot, TComponent* value) {
  if (slot && slot != value) RemoveFreeNotification(slot);
  slot = value;
  if (value) FreeNotification(value);
}

void TSkinForm::SetMenusSkinData(TSkinData* skinData) {
  TComponent* slot = menusSkinData_;
  SetReference(slot, skinData);
  menusSkinData_ = skinData;
}

void TSkinForm::SetSkinHint(TSkinHint* hint) {
  TComponent* slot = skinHint_;
  SetReference(slot, hint);
  skinHint_ = hint;
}

void TSkinForm::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  // The frame keeps what it last built from a skin data that goes, until the next skin change.
  if (component == skinData_) skinData_ = nullptr;
  if (component == menusSkinData_) menusSkinData_ = nullptr;
  if (component == skinHint_) skinHint_ = nullptr;
  if (component == trayIcon_) trayIcon_ = nullptr;
  if (component == systemMenu_) systemMenu_ = nullptr;
  for (TComponent** slot : {&statusBar_, &mainMenuBar_, &mdiTabsBar_})
    if (*slot == component) *slot = nullptr;
}

void TSkinForm::SetSystemMenu(TPopupMenu* menu) {
  TComponent* slot = systemMenu_;
  SetReference(slot, menu);
  systemMenu_ = menu;
}

void TSkinForm::SetSkinData(TSkinData* skinData) {
  TComponent* slot = skinData_;
  SetReference(slot, skinData);
  skinData_ = skinData;
  trayMenu_->SetSkinData(skinData);
  FillTrayMenu();  // its captions may come from the skin's texts
  if (!Designing()) ChangeSkinData();
}

void TSkinForm::SetBorderIcons(TBorderIcons icons) {
  borderIcons_ = icons;
  if (Designing() || Loading()) return;
  ApplyBorderIcons();
  form_.Perform(WM_NCPAINT);
}

void TSkinForm::SetShowIcon(bool value) {
  showIcon_ = value;
  if (!Designing() && !Loading()) form_.Perform(WM_NCPAINT);
}

void TSkinForm::SetDefCaptionFont(const TFont& font) {
  defCaptionFont_ = font;
  if (!Designing() && !Loading() && !skinned_) form_.Perform(WM_NCPAINT);
}

void TSkinForm::SetDefInActiveCaptionFont(const TFont& font) {
  defInActiveCaptionFont_ = font;
  if (!Designing() && !Loading() && !skinned_) form_.Perform(WM_NCPAINT);
}

// Rebuilding for the current skin data, in order: objects (or none and no region); the minimum
// size enforced with the position kept (or a nudge, so the frame is measured anew); layout and
// region; repaint and activation look; the client size the component asks for.
void TSkinForm::ChangeSkinData() {
  pointer_.Forget();
  skinned_ = skinData_ && !skinData_->Empty();
  if (skinned_) {
    geometry_ = FrameSkinGeometryOf(*skinData_);
    CreateSkinObjects();
    ApplyBorderIcons();
  } else {
    ClearSkinObjects();
    SetRegion(false);
  }
  const int minWidth = GetMinWidth(), minHeight = GetMinHeight();
  const bool narrow = form_.Width() < minWidth, low = form_.Height() < minHeight;
  if (narrow && low) form_.SetBounds(form_.Left(), form_.Top(), minWidth, minHeight);
  else if (low) form_.SetHeight(minHeight);
  else if (narrow) form_.SetWidth(minWidth);
  else NudgeWidth();
  // Rolled-up and minimised windows keep their collapsed size (window states).
  if (states_.Collapsed()) {
    if (form_.Height() != GetMinHeight()) form_.SetHeight(GetMinHeight());
    if (states_.Minimised()) form_.SetWidth(GetMinWidth());
  }
  frameWidth_ = form_.Width();
  frameHeight_ = form_.Height();
  if (skinned_) UpdateFrame(true);
  form_.Client()->update();
  form_.RedrawFrame();
  ActivationChanged(true);
  pointer_.HoverTimer().Start();
  if (OnChangeSkinData) OnChangeSkinData(this);
  if (!states_.RolledUp()) {
    if (ClientWidth > 0) form_.SetClientSize(ClientWidth, form_.ClientHeight());
    if (ClientHeight > 0) form_.SetClientSize(form_.ClientWidth(), ClientHeight);
  }
}

void TSkinForm::CloseForm() {
  Application().Guard([this] { form_.Close(); });
}

void TSkinForm::CreateSkinObjects() {
  ClearSkinObjects();
  if (!skinData_) return;
  for (const auto& data : skinData_->SkinObjects)
    if (auto object = CreateActiveSkinObject(*this, *data)) objectList_.push_back(std::move(object));
}

void TSkinForm::ClearSkinObjects() {
  objectList_.clear();
  pointer_.Forget();
}

void TSkinForm::CreateDefaultButtons() {
  const std::pair<const char*, SkinCommand> buttons[] = {
      {"closebutton", SkinCommand::cmClose},       {"maxbutton", SkinCommand::cmMaximize},
      {"minbutton", SkinCommand::cmMinimize},      {"rollupbutton", SkinCommand::cmRollUp},
      {"sysmenubutton", SkinCommand::cmSysMenu},   {"traybutton", SkinCommand::cmMinimizeToTray},
  };
  for (const auto& [name, command] : buttons)
    objectList_.push_back(std::make_unique<TSkinStdButtonObject>(*this, QLatin1String(name), command));
  ApplyBorderIcons();
}

namespace {

unsigned IconOf(SkinCommand command) {
  switch (command) {
    case SkinCommand::cmMaximize: return biMaximize;
    case SkinCommand::cmMinimize: return biMinimize;
    case SkinCommand::cmSysMenu: return biSystemMenu;
    case SkinCommand::cmRollUp: return biRollUp;
    case SkinCommand::cmMinimizeToTray: return biMinimizeToTray;
    default: return 0;
  }
}

}  // namespace

void TSkinForm::ApplyBorderIcons() {
  for (auto& object : objectList_) {
    if (!object->IsCaptionButton()) continue;
    if (HideCaptionButtons) {
      // A button drawn in the frame picture cannot vanish: it stays visible and inert.
      object->Enabled = false;
      object->Visible = !object->SkinRectInAPicture;
      continue;
    }
    if (!object->FollowsBorderIcons()) continue;
    const SkinCommand command = object->Command();
    if (command == SkinCommand::cmClose) continue;
    if (command == SkinCommand::cmDefault) {
      bool visible = false;
      if (OnActivateCustomObject) OnActivateCustomObject(object->IDName, visible);
      object->Visible = visible;
      continue;
    }
    const bool on = (borderIcons_ & IconOf(command)) != 0;
    object->Enabled = on;
    object->Visible = object->SkinRectInAPicture ? on : true;
  }
  SetDefaultHints();
}

void TSkinForm::SetDefaultHints() {
  if (!UseDefaultObjectHint || !skinData_) return;
  struct DefaultHint {
    SkinCommand command;
    const char* key;
    const char* text;
  };
  static constexpr DefaultHint kHints[] = {
      {SkinCommand::cmClose, "CLOSEBUTTON_HINT", "Close"},
      {SkinCommand::cmMaximize, "MAXBUTTON_HINT", "Maximize"},
      {SkinCommand::cmMinimize, "MINBUTTON_HINT", "Minimize"},
      {SkinCommand::cmSysMenu, "MENUBUTTON_HINT", "System menu"},
      {SkinCommand::cmRollUp, "ROLLUPBUTTON_HINT", "Roll Up"},
      {SkinCommand::cmMinimizeToTray, "TRAYBUTTON_HINT", "Minimize to Tray"},
  };
  for (auto& object : objectList_) {
    if (!object->IsCaptionButton()) continue;
    for (const DefaultHint& hint : kHints)
      if (hint.command == object->Command()) object->Hint = ResourceText(hint.key, hint.text);
  }
}

bool TSkinForm::IsFormActive() const { return form_.Active(); }

void TSkinForm::ActivationChanged(bool animate) {
  const bool active = IsFormActive();
  // Only the first caption object whose state differs follows.
  for (auto& object : objectList_) {
    if (!object->FollowsActivation() || object->Active == active) continue;
    object->Active = active;
    if (animate) {
      object->StartActivationAnimation(active);
      form_.Perform(WM_NCPAINT);
      if (object->MorphEnabled()) pointer_.MorphTimer().Start();
    } else if (object->MorphEnabled()) {
      object->Morph.JumpTo(active);
    }
    break;
  }
  if (active && OnActivate) OnActivate(this);
  if (!active && OnDeActivate) OnDeActivate(this);
}

void TSkinForm::ResetObjectStates() {
  for (auto& object : objectList_) object->ResetState();
}

// The frame height without the client area: the skin's bands, or the default caption and borders.
int TSkinForm::GetMinWidth() const {
  if (!skinned_) return MinWidth > 0 ? MinWidth : kDefaultMinWidth;
  if (geometry_.PW < MinWidth && !states_.Minimised()) return MinWidth;
  return skinData_->FormMinWidth > 0 ? skinData_->FormMinWidth : geometry_.PW;
}

int TSkinForm::GetMinHeight() const {
  const int frame = skinned_ ? geometry_.PH - geometry_.ClientRect.Height()
                             : DefaultCaptionHeight(form_.BorderStyle()) + 2 * kDefaultBorder;
  if (frame >= MinHeight || states_.Collapsed()) return frame;
  return MinHeight;
}

int TSkinForm::GetMaxWidth() const {
  const int area = WorkAreaForWindow(form_.Window(), !MaximizeOnFullScreen).Width();
  return MaxWidth != 0 && MaxWidth < area ? MaxWidth : area;
}

int TSkinForm::GetMaxHeight() const {
  const int area = WorkAreaForWindow(form_.Window(), !MaximizeOnFullScreen).Height();
  return MaxHeight != 0 && MaxHeight < area ? MaxHeight : area;
}

void TSkinForm::NudgeWidth() {
  const int width = form_.Width();
  form_.SetWidth(width - 1 < GetMinWidth() ? width + 1 : width - 1);
  form_.SetWidth(width);
}

TPoint TSkinForm::ScreenToWindow(TPoint p) const { return {p.X - form_.Left(), p.Y - form_.Top()}; }

TRect TSkinForm::WindowToScreen(const TRect& r) const {
  const int x = form_.Left(), y = form_.Top();
  return {r.Left + x, r.Top + y, r.Right + x, r.Bottom + y};
}

bool TSkinForm::InRestoreState(SkinCommand command) const {
  switch (command) {
    case SkinCommand::cmMaximize: return states_.Maximised();
    case SkinCommand::cmMinimize: return states_.Minimised();
    case SkinCommand::cmRollUp: return states_.RolledUp();
    default: return false;
  }
}

const QPixmap& TSkinForm::SmallIcon() {
  if (smallIcon_.isNull()) {
    QIcon icon = form_.Window()->windowIcon();
    if (icon.isNull()) icon = QApplication::windowIcon();
    if (icon.isNull()) icon = QApplication::style()->standardIcon(QStyle::SP_TitleBarMenuButton);
    const TSize size = SmallIconSize();
    smallIcon_ = icon.pixmap(size.cx, size.cy);
  }
  return smallIcon_;
}

void TSkinForm::TellSkinControls(const TMessage& message) { ApplySkinMessageToForm(form_, message); }

// Alt+Space opens the system menu under the enabled system-menu object (nothing opens while it
// is disabled, and the key is still used); a system-menu item's shortcut (Alt+F4) runs that
// item; every other key would go to a skinned menu bar, which this window does not place.
void TSkinForm::HandleShortCut(TWMKey& message, bool& handled) {
  if (OnShortCut) {
    OnShortCut(message, handled);
    if (handled) return;
  }
  if (message.Shift == ssAlt && message.CharCode == VK_SPACE) {
    for (const auto& object : objectList_) {
      if (object->IsCaptionButton() && object->Command() == SkinCommand::cmSysMenu && object->Enabled)
        PopupSystemMenuIn(WindowToScreen(object->ObjectRect));
    }
    handled = true;
    return;
  }
  handled = SystemMenuShortCut(message);
}
