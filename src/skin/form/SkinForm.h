#pragma once
// TSkinForm: takes over its form's whole frame. It removes the system caption, sizes the frame
// from the skin (WM_NCCALCSIZE), paints it and the caption objects (WM_NCPAINT), paints the
// client background, answers the hit tests so that the caption moves the window, and routes the
// frame's mouse to the active skin objects. Without a loaded skin it shows a plain default frame.
//
// The work is split by concern: this file and SkinForm.cpp (attaching, skin changes, properties,
// size limits), SkinFormWndProc.cpp (the message table and mouse routing), SkinFormPaint.cpp
// (layout, painting, hit testing on the window), SkinFormTracking.cpp (hover and press tracking
// of the objects), WindowStates.cpp (window region and mask), ActiveSkinObjects.* (the objects).
#include <QPixmap>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Component.h"
#include "platform/Font.h"
#include "platform/Form.h"
#include "skin/controls/SkinDrawStrips.h"
#include "skin/form/ActiveSkinObjects.h"
#include "skin/form/FrameHitTest.h"
#include "skin/form/FrameLayout.h"

class TSkinData;
class TSkinHint;

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

// The frame's window states as the engine runs them.
enum class TSkinWindowState { Normal = 0, Minimized = 1, Maximized = 2 };

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

class TSkinForm : public TComponent {
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
  bool AlphaBlend = false;
  bool AlphaBlendAnimation = false;
  int AlphaBlendValue = 200;
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
  TComponent* StatusBar() const { return statusBar_; }
  void SetStatusBar(TComponent* c) { SetReference(statusBar_, c); }
  TComponent* TrayIcon() const { return trayIcon_; }
  void SetTrayIcon(TComponent* c) { SetReference(trayIcon_, c); }
  TComponent* MainMenuBar() const { return mainMenuBar_; }
  void SetMainMenuBar(TComponent* c) { SetReference(mainMenuBar_, c); }
  TComponent* MDITabsBar() const { return mdiTabsBar_; }
  void SetMDITabsBar(TComponent* c) { SetReference(mdiTabsBar_, c); }
  TComponent* SystemMenu() const { return systemMenu_; }
  void SetSystemMenu(TComponent* c) { SetReference(systemMenu_, c); }

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
  int HoverIndex() const { return hoverIndex_; }
  int CaptureIndex() const { return captureIndex_; }
  bool LastNcActive() const { return lastNcActive_; }
  // The object's action is in effect (maximised, minimised, rolled up).
  bool InRestoreState(SkinCommand command) const;
  TSkinWindowState SkinWindowState() const { return skinWindowState_; }
  bool RollUpState() const { return rollUpState_; }
  // The small icon the system-menu button shows with ShowIcon.
  const QPixmap& SmallIcon();
  static TSize SmallIconSize() { return {16, 16}; }
  QTimer& FrameMorphTimer() { return frameMorphTimer_; }
  QTimer& HoverTimer() { return hoverTimer_; }
  const TBorderStrips& MaskStrips() const { return maskStrips_; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void WndProc(TMessage& message);
  void Default(TMessage& message) { savedWindowProc_(message); }
  void RouteMouse(const TMessage& message);
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

  // Tracking (SkinFormTracking.cpp).
  void TrackHover(TPoint p, bool update);
  void MouseDownAt(TPoint p, TMouseButton button);
  void MouseUpAt(TPoint p, TMouseButton button);
  void MouseMoveAt(TPoint p);
  void DoubleClickAt();
  void HoverTimerTick();
  void FrameMorphTimerTick();

  TForm& form_;
  TWndMethod savedWindowProc_;
  TShortCutEvent savedShortCut_;
  std::vector<std::unique_ptr<TActiveSkinObject>> objectList_;
  std::vector<TObjectPlace> places_;
  bool skinned_ = false;
  bool inSkinChange_ = false;
  bool inChangeSkinData_ = false;
  int frameWidth_ = 0;
  int frameHeight_ = 0;
  TFrameSkinGeometry geometry_;
  TFrameLayout layout_;
  TRect defaultCaptionArea_{};
  int hoverIndex_ = -1;
  int oldHoverIndex_ = -1;
  int captureIndex_ = -1;
  QTimer hoverTimer_;
  QTimer frameMorphTimer_;
  QTimer frameAnimateTimer_;
  bool inSizeMove_ = false;
  bool dragFullWindows_ = true;
  bool firstShow_ = true;
  bool lastNcActive_ = false;
  TSkinWindowState skinWindowState_ = TSkinWindowState::Normal;
  bool rollUpState_ = false;
  std::optional<QRegion> windowRegion_;
  TBorderStrips maskStrips_;
  TBorderStrips frameStrips_;
  TBitmap defaultCaption_;
  QPixmap smallIcon_;

  TSkinData* skinData_ = nullptr;
  TSkinData* menusSkinData_ = nullptr;
  TSkinHint* skinHint_ = nullptr;
  TComponent* statusBar_ = nullptr;
  TComponent* trayIcon_ = nullptr;
  TComponent* mainMenuBar_ = nullptr;
  TComponent* mdiTabsBar_ = nullptr;
  TComponent* systemMenu_ = nullptr;
  TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize | biRollUp;
  bool showIcon_ = false;
  int maxMenuItemsInWindow_ = 0;
  int defMenuItemHeight_ = 20;
  TFont defCaptionFont_;
  TFont defInActiveCaptionFont_;
};
