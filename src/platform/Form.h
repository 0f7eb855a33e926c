// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A top-level form with a replaceable window procedure.
//
// The form owns a top-level widget and, inside it, the client widget that carries the
// controls. In the system-frame mode (style with WS_CAPTION, the default) the window system
// draws the frame, no non-client messages arise and the client widget fills the window. The
// custom-frame mode (a component clears WS_CAPTION and recreates the window) makes the top-level
// widget frameless at the window's outer size and runs the non-client protocol through the
// window procedure:
//   - every size change: WM_NCCALCSIZE (its answer places the client widget), then WM_SIZE;
//   - the frame is painted on WM_NCPAINT through TWindowDC into the form's frame image, which
//     the top-level widget shows; the client widget paints its background on WM_ERASEBKGND;
//   - the pointer outside the client widget: WM_NCHITTEST, WM_SETCURSOR with the hit code, then
//     WM_NCMOUSEMOVE / WM_NC?BUTTON* with the code in wParam and the screen point in lParam; a
//     second press soon after the first on the same spot and hit code is the double click;
//   - activation: WM_NCACTIVATE, then WM_ACTIVATE;
//   - default processing of a left press on HTCAPTION or a sizing code runs a move or size loop
//     (WM_ENTERSIZEMOVE ... WM_EXITSIZEMOVE) that moves once the pointer is dragged: the window
//     system's own where it offers one, else a loop of the form's own that follows the pointer.
#include <QImage>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "platform/Color.h"
#include "platform/Font.h"
#include "platform/Messages.h"
#include "platform/Types.h"

class TForm;
class TMoveSizeLoop;
class QMouseEvent;

enum class TCloseAction { caNone, caHide, caFree, caMinimize };

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

// Shift keys held with a key.
enum TShiftFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4 };

// A key offered to the form before its focused control sees it.
struct TWMKey {
  int CharCode = 0;  // virtual key code
  unsigned Shift = 0;
};
using TShortCutEvent = std::function<void(TWMKey& message, bool& handled)>;

// The top-level widget of a form; turns Qt's window events into the form's messages.
class TFormWindow : public QWidget {
  Q_OBJECT
 public:
  explicit TFormWindow(TForm& form);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  TForm& form_;
};

// The client widget. In the custom-frame mode its background comes from WM_ERASEBKGND, painted
// beneath the controls.
class TFormClient : public QWidget {
 public:
  TFormClient(TForm& form, QWidget* parent) : QWidget(parent), form_(form) {}

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TForm& form_;
};

class TForm {
 public:
  TForm();
  // A form made in its own font from the start: the default font is never resolved for it.
  explicit TForm(const TFont& font);
  virtual ~TForm();
  TForm(const TForm&) = delete;
  TForm& operator=(const TForm&) = delete;

  QWidget* Window() const { return window_.get(); }
  // The parent of the form's controls.
  QWidget* Client() const { return client_; }

  QString Caption() const;
  void SetCaption(const QString& caption);

  // Outer bounds (frame included) and client size, as the platform reports them.
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
  void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
  void SetBounds(int left, int top, int width, int height);
  void SetClientSize(int width, int height);
  int ClientWidth() const;
  int ClientHeight() const;

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font);

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);

  // The window style (GWL_STYLE). Clearing WS_CAPTION switches to the custom-frame mode,
  // setting it back returns to the system frame.
  std::uint32_t Style() const { return style_; }
  void SetStyle(std::uint32_t style);
  bool HasSystemFrame() const { return (style_ & WS_CAPTION) == WS_CAPTION; }
  bool HasCustomFrame() const { return customFrame_; }
  // Builds the window anew for the current style and border style; bounds and visibility stay.
  void RecreateWnd();

  // The form is the active window (set by default processing of WM_ACTIVATE).
  bool Active() const { return active_; }

  // The window procedure: replace it to subclass the form; call the saved one for the default.
  TWndMethod WindowProc;
  LRESULT Perform(unsigned msg, WPARAM wParam = 0, LPARAM lParam = 0);
  // Default processing of a message.
  virtual void WndProc(TMessage& message);

  // Keys reach this handler before the focused control; a handled key goes no further.
  TShortCutEvent OnShortCut;

  // The custom frame's pixels, the size of the window; TWindowDC draws into it.
  QImage& FrameImage();
  const QImage& FrameImage() const { return frameImage_; }
  // Repaints the frame now (WM_NCPAINT) when the window shows a custom frame.
  void RedrawFrame();
  // Leaves the frame to be painted whole at the window's next paint.
  void InvalidateFrame() { frameDirty_ = true; }
  // SetWindowRgn: the window's outline; no region restores the full rectangle.
  void SetWindowRgn(const std::optional<QRegion>& region, bool redraw);
  std::optional<QRegion> WindowRgn() const { return region_; }
  // SetCapture / ReleaseCapture: while captured, pointer events over the frame arrive as client
  // messages (WM_MOUSEMOVE, WM_LBUTTONUP, WM_RBUTTONUP) with client coordinates.
  void SetCapture() { captured_ = true; }
  void ReleaseCapture() { captured_ = false; }
  bool HasCapture() const { return captured_; }
  // A move or size loop is running (between WM_ENTERSIZEMOVE and WM_EXITSIZEMOVE).
  bool InMoveSizeLoop() const;

  void Show();
  void Hide();
  bool Visible() const;
  // Asks the form to close: runs DoClose; the form hides unless the handler refused or raised.
  void Close();

 protected:
  // Event hooks of the form (creation is the derived constructor's business).
  virtual void DoShow() {}
  virtual void DoClose(TCloseAction& action) { (void)action; }

 private:
  friend class TFormWindow;
  friend class TFormClient;
  friend class TWindowDC;
  void HandleCloseMessage();
  void WindowShown();
  void ApplyWindowFlags();
  // Places the client widget for the window's size (WM_NCCALCSIZE in the custom-frame mode) and
  // reports the size (WM_SIZE), once per size.
  void SyncFrame();
  void FramePainted();
  void PaintFrameImageIfDirty();
  void PaintClientBackground(QImage& image);
  // Turns a pointer event over the frame into the non-client protocol; false when the form
  // shows the system frame.
  bool NonClientMouse(QMouseEvent* event, unsigned clientMessage, unsigned nonClientMessage);
  // Whether a press over the frame completes a double click (and if so, starts afresh).
  bool NonClientDoubleClick(const QMouseEvent* event, int hitCode);
  void DefaultNonClientButtonDown(int hitCode, TPoint screen);
  void DefaultSetCursor(int hitCode);
  std::unique_ptr<QObject> MakeShortCutFilter();

  std::unique_ptr<TFormWindow> window_;
  QWidget* client_ = nullptr;
  TColor color_ = clBtnFace;
  TFont font_;
  std::uint32_t style_ = WS_CAPTION | WS_SYSMENU;
  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  bool customFrame_ = false;
  bool active_ = false;
  bool captured_ = false;
  bool shownOnce_ = false;
  QSize syncedSize_;
  QImage frameImage_;
  QImage clientImage_;
  bool frameDirty_ = true;
  bool inFramePaint_ = false;
  bool framePaintHeld_ = false;  // while the window shows: painted at its first paint
  struct NonClientPress {
    bool valid = false;
    Qt::MouseButton button = Qt::NoButton;
    int hitCode = 0;
    QPoint at;
    quint64 time = 0;
  } lastNonClientPress_;
  std::optional<QRegion> region_;
  std::unique_ptr<TMoveSizeLoop> loop_;
  std::unique_ptr<QObject> shortCutFilter_;
};
