// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// TSkinForm: takes over its form's whole frame. It removes the system caption, sizes the frame
// from the skin (WM_NCCALCSIZE), paints it and the caption objects (WM_NCPAINT), paints the
// client background, answers the hit tests so that the caption moves the window, and routes the
// frame's mouse to the active skin objects. Without a loaded skin it shows a plain default frame.
//
// It also runs the window states the system would otherwise run: roll-up, minimise, maximise and
// restore, the first placement, the window's outline from the skin's mask, the skinned system
// menu with its keys, transparency with a fade-in, snapping to the work area's edges and the
// tray icon's calls.
//
// The engine holds each concern as a part of its own, by value: PointerTracking.* (hover and press
// tracking of the objects, the mouse routing, the poll, morph and animation timers),
// WindowStates.* (roll-up, minimise, maximise, restore, placement), MenuState.* (the menu state
// and its keys) and WindowFade.* (transparency and the fade-in). The rest is split by file:
// SkinForm.cpp (attaching, skin changes, properties, size limits), SkinFormWndProc.cpp (one
// handler per message), SkinFormPaint.cpp (layout, painting, hit testing on the window),
// WindowRegion.cpp (window region and mask), SystemMenu.cpp (the system menu's items),
// SkinFormTray.cpp (the tray icon's calls), ActiveSkinObjects.* and the object files (the
// objects).
#include <QPixmap>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/Application.h"
#include "platform/Bitmap.h"
#include "platform/Component.h"
#include "platform/Font.h"
#include "platform/Form.h"
#include "platform/WindowTimer.h"
#include "skin/controls/SkinDrawStrips.h"
#include "skin/form/ActiveSkinObjects.h"
#include "skin/form/FrameHitTest.h"
#include "skin/form/FrameLayout.h"
#include "skin/form/FrameLinks.h"
#include "skin/form/MagneticSnap.h"
#include "skin/form/MenuState.h"
#include "skin/form/PointerTracking.h"
#include "skin/form/WindowFade.h"
#include "skin/form/WindowStates.h"
#include "skin/menus/SkinMenuHost.h"

class TMenuItem;
class TPopupMenu;
class TSkinData;
class TSkinHint;
class TSkinMenu;
class TSkinPopupMenu;

enum class TPositionInMonitor { spDefault, spScreenCenter, spDesktopCenter };

// Caption buttons and system-menu items that work: bits 0 to 4.
enum TBorderIcon : unsigned {
  biSystemMenu = 1u << 0,
  biMinimize = 1u << 1,
  biMaximize = 1u << 2,
  biRollUp = 1u << 3,
  biMinimizeToTray = 1u << 4,
};
using TBorderIcons = unsigned;

// A private request to paint the frame into a given device context (wParam), answered with
// kFramePrintAnswer.
constexpr unsigned kFramePrintRequest = 0xBC4B;
constexpr LPARAM kFramePrintAnswer = 0x41A2;


using TSkinNotifyHandler = std::function<void(TSkinForm* sender)>;
using TShortCutHandler = std::function<void(TWMKey& message, bool& handled)>;
using TMouseEnterHandler = std::function<void(const QString& idName)>;
using TMouseLeaveHandler = std::function<void(const QString& idName)>;
using TMouseButtonHandler =
    std::function<void(const QString& idName, int x, int y, const TRect& objectRect, TMouseButton button)>;
using TMouseMoveHandler = std::function<void(const QString& idName, int x, int y, const TRect& objectRect)>;
using TPaintHandler = std::function<void(const QString& idName, TCanvas& canvas, const TRect& objectRect)>;
using TActivateCustomObjectHandler = std::function<void(const QString& idName, bool& objectVisible)>;

class TSkinForm : public TComponent, public TSkinMenuHost {
 public:
  // Attaches to the owner form; fails with "Invalid class typecast" without one.
  explicit TSkinForm(TForm* owner);
  ~TSkinForm() override;

  // --- Properties ---------------------------------------------------------------------------
  TPositionInMonitor PositionInMonitor = TPositionInMonitor::spDefault;
  bool UseFormCursorInNCArea = false;
  int MaxMenuItemsInWindow() const { return maxMenuItemsInWindow_; }
  void SetMaxMenuItemsInWindow(int value) {
    if (value >= 0) maxMenuItemsInWindow_ = value;
  }
  // Above 0: the form's client size, re-applied after every skin change.
  int ClientWidth = 0;
  int ClientHeight = 0;
  bool HideCaptionButtons = false;
  bool AlwaysShowInTray = false;
  TBitmap LogoBitMap;
  bool LogoBitMapTransparent = false;
  bool AlwaysMinimizeToTray = false;
  bool UseSkinFontInMenu = true;
  bool ShowIcon() const { return showIcon_; }
  void SetShowIcon(bool value);
  bool MaximizeOnFullScreen = false;
  // Window transparency: on at run time it applies AlphaBlendValue at once; showing the window
  // with either flag fades it in from invisible.
  bool AlphaBlend() const { return fade_.AlphaBlend(); }
  void SetAlphaBlend(bool on) { fade_.SetAlphaBlend(on); }
  int AlphaBlendValue() const { return fade_.AlphaBlendValue(); }
  void SetAlphaBlendValue(int value) { fade_.SetAlphaBlendValue(value); }
  bool AlphaBlendAnimation = false;
  bool ShowObjectHint = false;
  bool UseDefaultObjectHint = true;
  bool MenusAlphaBlend = false;
  bool MenusAlphaBlendAnimation = false;
  int MenusAlphaBlendValue = 200;
  const TFont& DefCaptionFont() const { return defCaptionFont_; }
  void SetDefCaptionFont(const TFont& font);
  const TFont& DefInActiveCaptionFont() const { return defInActiveCaptionFont_; }
  void SetDefInActiveCaptionFont(const TFont& font);
  int DefMenuItemHeight() const { return defMenuItemHeight_; }
  void SetDefMenuItemHeight(int value) {
    if (value > 0) defMenuItemHeight_ = value;
  }
  TFont DefMenuItemFont;
  bool UseDefaultSysMenu = true;
  int MinHeight = 0;
  int MinWidth = 0;
  int MaxHeight = 0;
  int MaxWidth = 0;
  bool Magnetic = false;
  int MagneticSize = 5;

  TSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TSkinData* skinData);
  TSkinData* MenusSkinData() const { return menusSkinData_; }
  void SetMenusSkinData(TSkinData* skinData);
  // The hint window of object hints. The references below are to components this window does
  // not place (status bar, tray icon, menu bar, tabs bar, custom system menu): they are kept and
  // cleared when the component goes.
  TSkinHint* SkinHint() const { return skinHint_; }
  void SetSkinHint(TSkinHint* hint);
  // A status bar that is a TStatusBarGrip has its size grip hidden while maximised.
  TComponent* StatusBar() const { return statusBar_; }
  void SetStatusBar(TComponent* c) { SetReference(statusBar_, c); }
  TTrayIcon* TrayIcon() const { return trayIcon_; }
  // Hides the icon unless AlwaysShowInTray, gives it the tray menu when it has none, and lets
  // its restore request bring the window back.
  void SetTrayIcon(TTrayIcon* icon);
  TComponent* MainMenuBar() const { return mainMenuBar_; }
  void SetMainMenuBar(TComponent* c) { SetReference(mainMenuBar_, c); }
  TComponent* MDITabsBar() const { return mdiTabsBar_; }
  void SetMDITabsBar(TComponent* c) { SetReference(mdiTabsBar_, c); }
  // A system menu of the program's own; with UseDefaultSysMenu the standard items join it.
  TPopupMenu* SystemMenu() const { return systemMenu_; }
  void SetSystemMenu(TPopupMenu* menu);

  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons icons);

  // --- Events -------------------------------------------------------------------------------
  TSkinNotifyHandler OnChangeSkinData, OnBeforeChangeSkinData, OnAfterChangeSkinData, OnActivate, OnDeActivate,
      OnSkinMenuOpen, OnSkinMenuClose, OnChangeRollUpState, OnMainMenuEnter, OnMainMenuExit, OnMinimizeToTray,
      OnRestoreFromTray, OnMinimize, OnRestore, OnMaximize;
  TShortCutHandler OnShortCut;
  TMouseEnterHandler OnMouseEnterEvent;
  TMouseLeaveHandler OnMouseLeaveEvent;
  TMouseButtonHandler OnMouseDownEvent;
  TMouseButtonHandler OnMouseUpEvent;
  TMouseMoveHandler OnMouseMoveEvent;
  TPaintHandler OnPaintEvent;
  TActivateCustomObjectHandler OnActivateCustomObject;

  // --- Operations ---------------------------------------------------------------------------
  TForm& OwnerForm() const { return form_; }
  void ChangeSkinData();
  void CreateSkinObjects();
  void ClearSkinObjects();
  void ApplyBorderIcons();
  void CalcLayout();
  void ArrangeObjects();
  void UpdateFrame(bool arrange);
  // Paints into the given device context, or into the window's.
  void PaintFrame(TCanvas* dc = nullptr);
  void PaintDefaultFrame(TCanvas* dc = nullptr);
  void PaintObject(TActiveSkinObject& object);
  // The client background (WM_ERASEBKGND) into a canvas of the client's size.
  void PaintClientBackground(TCanvas& canvas);
  int HitTestSkinned(TPoint p);
  int HitTestDefault(TPoint p);
  TPoint ScreenToWindow(TPoint p) const;
  bool IsFormActive() const;
  void ActivationChanged(bool animate);
  void ResetObjectStates();
  int GetMinWidth() const;
  int GetMinHeight() const;
  int GetMaxWidth() const;
  int GetMaxHeight() const;
  void NudgeWidth();
  // The window region: from the stretched mask, from the whole mask, or none.
  void SetRegion(bool stretch);
  bool MaskHitTest(TPoint p) const;

  // --- Window states (WindowStates.*) --------------------------------------------------------
  TWindowStates& WindowStates() { return states_; }
  const TWindowStates& WindowStates() const { return states_; }
  void SetWindowState(TSkinWindowState state) { states_.SetState(state); }
  void SetRollUp(bool rolledUp) { states_.SetRollUp(rolledUp); }
  TSkinWindowState SkinWindowState() const { return states_.State(); }
  bool RollUpState() const { return states_.RolledUp(); }
  // The form's Close, with a failure reported and the window left open.
  void CloseForm();
  // The form's place from the screen's point of view: window rectangle to screen coordinates.
  TRect WindowToScreen(const TRect& r) const;

  // --- System menu (SystemMenu.cpp) ---------------------------------------------------------
  // The system menu's items for the current state (the default menu is rebuilt each time).
  TMenuItem* GetSystemMenuItems();
  void PopupSystemMenuAt(TPoint screen);
  void PopupSystemMenuIn(const TRect& screen);
  // Pops up a caption button's menu under its window rectangle, in the menu state.
  void PopupObjectMenu(TMenuItem& item, const TRect& objectRect, bool popupUp);
  bool SkinMenuOpen() const { return menuState_.Open(); }
  TSkinMenu& SkinMenu() { return *skinMenu_; }
  TPopupMenu& DefaultSystemMenu() { return *defaultSystemMenu_; }
  TSkinPopupMenu& TrayMenu() { return *trayMenu_; }
  // TSkinMenuHost: the menus of this window show through SkinMenu.
  TSkinMenu& HostMenu() override { return *skinMenu_; }
  TSkinData* MenusSkin() const override { return menusSkinData_ ? menusSkinData_ : skinData_; }

  // --- Tray (SkinFormTray.cpp) --------------------------------------------------------------
  void MinimizeToTray();
  void RestoreFromTray();

  // --- State read by the objects, layout and tests --------------------------------------------
  bool Skinned() const { return skinned_; }
  bool InSkinChange() const { return inSkinChange_; }
  bool InSizeMove() const { return inSizeMove_; }
  const std::vector<std::unique_ptr<TActiveSkinObject>>& ObjectList() const { return objectList_; }
  const TFrameLayout& Layout() const { return layout_; }
  const TFrameSkinGeometry& Geometry() const { return geometry_; }
  int FrameWidth() const { return frameWidth_; }
  int FrameHeight() const { return frameHeight_; }
  const TRect& DefaultCaptionArea() const { return defaultCaptionArea_; }
  int HoverIndex() const { return pointer_.HoverIndex(); }
  int CaptureIndex() const { return pointer_.CaptureIndex(); }
  bool LastNcActive() const { return lastNcActive_; }
  // The object's action is in effect (maximised, minimised, rolled up).
  bool InRestoreState(SkinCommand command) const;
  const TSnapState& SnapState() const { return snapState_; }
  // The small icon the system-menu button shows with ShowIcon.
  const QPixmap& SmallIcon();
  static TSize SmallIconSize() { return {16, 16}; }
  TWindowTimer& HoverTimer() { return pointer_.HoverTimer(); }
  TWindowTimer& FrameMorphTimer() { return pointer_.MorphTimer(); }
  TWindowTimer& FrameAnimateTimer() { return pointer_.AnimateTimer(); }
  // The client area in window coordinates.
  TRect ClientRectOnWindow() const;
  // Starts the alpha fade-in a moment after the window shows (WM_TIMER kAlphaTimerId).
  TWindowTimer& AlphaTimer() { return fade_.Timer(); }
  const TBorderStrips& MaskStrips() const { return maskStrips_; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void WndProc(TMessage& message);
  void Default(TMessage& message) { savedWindowProc_(message); }
  // The message handlers (SkinFormWndProc.cpp).
  void WMDestroy(TMessage& message);
  void WMSize(TMessage& message);
  void WMActivate(TMessage& message);
  void WMSetText(TMessage& message);
  void WMEraseBkgnd(TMessage& message);
  void WMShowWindow(TMessage& message);
  void WMSetCursor(TMessage& message);
  void WMGetMinMaxInfo(TMessage& message);
  void WMNCCalcSize(TMessage& message);
  void WMNCHitTest(TMessage& message);
  void WMNCPaint();
  void WMNCActivate(TMessage& message);
  void WMSyncPaint(TMessage& message);
  void WMSysCommand(TMessage& message);
  void WMTimer(TMessage& message);
  void WMMoving(TMessage& message);
  void WMNCLButtonDown(TMessage& message);
  void WMSkinMenuClosed(TMessage& message);
  void WMSizing(TMessage& message);
  void WMEnterSizeMove(TMessage& message);
  void WMExitSizeMove(TMessage& message);
  void SkinBeforeChange(TMessage& message);
  void SkinChange(TMessage& message);
  void SkinAfterChange(TMessage& message);
  void SkinResStrChange(TMessage& message);
  void FramePrintRequest(TMessage& message);
  bool HasBorder() const;
  // A press on a maximised window's caption: the window stays where it is.
  bool HeldCaptionPress(const TMessage& message) const;
  void SetReference(TComponent*& slot, TComponent* value);
  void HandleShortCut(TWMKey& message, bool& handled);
  void TellSkinControls(const TMessage& message);
  void SetDefaultHints();
  void CreateDefaultButtons();
  // The default frame's buttons and caption area for the current width.
  void ArrangeDefaultFrame();
  std::vector<TObjectPlace>& Places();
  THitTestState HitState() const;
  void PaintFrameStrips(TCanvas& dc);
  bool FrameMinimumMet(int width, int height) const;

  // System menu (SystemMenu.cpp).
  void FillDefaultItems(TMenuItem& root, bool merge);
  // A system-menu item's shortcut (Alt+F4) runs the item.
  bool SystemMenuShortCut(const TWMKey& key);
  void FillTrayMenu();
  // The menus take the window's menu settings at each opening.
  void ApplyMenuSettings();
  // A text of the skin's resource strings, or the program's own without them.
  QString ResourceText(const char* key, const char* text) const;

  // Magnetic snapping of a move to the work area's edges.
  void Snap(TRect& proposed);

  TForm& form_;
  TWindowStates states_{*this};
  TMenuState menuState_{*this};
  TPointerTracking pointer_{*this};
  TWindowFade fade_{*this};
  TWndMethod savedWindowProc_;
  TShortCutEvent savedShortCut_;
  std::vector<std::unique_ptr<TActiveSkinObject>> objectList_;
  std::vector<TObjectPlace> places_;
  bool skinned_ = false;
  bool inSkinChange_ = false;
  int frameWidth_ = 0;
  int frameHeight_ = 0;
  TFrameSkinGeometry geometry_;
  TFrameLayout layout_;
  TRect defaultCaptionArea_{};
  bool inSizeMove_ = false;
  bool lastNcActive_ = false;
  TSnapState snapState_;
  std::unique_ptr<TPopupMenu> defaultSystemMenu_;
  std::unique_ptr<TSkinPopupMenu> trayMenu_;
  std::unique_ptr<TSkinMenu> skinMenu_;
  std::optional<QRegion> windowRegion_;
  TBorderStrips maskStrips_;
  TBorderStrips frameStrips_;
  TBitmap defaultCaption_;
  QPixmap smallIcon_;

  TSkinData* skinData_ = nullptr;
  TSkinData* menusSkinData_ = nullptr;
  TSkinHint* skinHint_ = nullptr;
  TComponent* statusBar_ = nullptr;
  TTrayIcon* trayIcon_ = nullptr;
  TComponent* mainMenuBar_ = nullptr;
  TComponent* mdiTabsBar_ = nullptr;
  TPopupMenu* systemMenu_ = nullptr;
  TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize | biRollUp;
  bool showIcon_ = false;
  int maxMenuItemsInWindow_ = 0;
  int defMenuItemHeight_ = 20;
  TFont defCaptionFont_;
  TFont defInActiveCaptionFont_;
};
