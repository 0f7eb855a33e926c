// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/Form.h"

#include <QCloseEvent>
#include <QMoveEvent>
#include <QPalette>
#include <QScopeGuard>

#include "platform/Application.h"
#include "platform/Canvas.h"
#include "platform/Forms.h"
#include "platform/MoveSizeLoop.h"
#include "platform/NonClientMessages.h"

TFormWindow::TFormWindow(TForm& form) : QWidget(nullptr), form_(form) {}

void TFormWindow::closeEvent(QCloseEvent* event) {
  // The window system's close request goes through the form's close path; the form hides
  // itself when the close is accepted.
  event->ignore();
  form_.Perform(WM_CLOSE);
}

void TFormWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  form_.WindowShown();
}

void TFormWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!event->spontaneous()) form_.Perform(WM_SHOWWINDOW, 0, 0);
}

void TFormWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::ActivationChange) return;
  const WPARAM active = isActiveWindow() ? 1 : 0;
  if (form_.HasCustomFrame()) form_.Perform(WM_NCACTIVATE, active, 0);
  form_.Perform(WM_ACTIVATE, active, 0);
}

void TFormWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  form_.SyncFrame();
}

// Whoever moved the window (the program, the window manager's own keyboard move, a move loop),
// the window procedure hears of it with the client area's new screen place.
void TFormWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  const QPoint client = form_.Client()->mapToGlobal(QPoint(0, 0));
  form_.Perform(WM_MOVE, 0, MAKELPARAM(client.x(), client.y()));
}

TForm::TForm() : TForm(TFont()) {}

TForm::TForm(const TFont& font)
    : window_(std::make_unique<TFormWindow>(*this)), font_(font), loop_(std::make_unique<TMoveSizeLoop>(*this)) {
  client_ = new TFormClient(*this, window_.get());
  client_->setAutoFillBackground(true);
  WindowProc = [this](TMessage& m) { WndProc(m); };
  SetColor(color_);
  SetFont(font_);
  shortCutFilter_ = MakeShortCutFilter();
  RegisterForm(this);
}

TForm::~TForm() { UnregisterForm(this); }

QString TForm::Caption() const { return window_->windowTitle(); }
void TForm::SetCaption(const QString& caption) {
  window_->setWindowTitle(caption);
  Perform(WM_SETTEXT);
}

namespace {

// The form's outer bounds: the system frame's decoration is what the window system adds around
// the widget. A custom frame is the window's own; what a window manager may still put around a
// frameless window (an invisible border for its shadow) is not part of it.
QRect OuterGeometry(const TForm& form) {
  const QWidget* window = form.Window();
  return form.HasCustomFrame() ? window->geometry() : window->frameGeometry();
}

// QWidget::move places whatever the window manager put around the window; the form's outer
// bounds start inside that with a custom frame.
void MoveOuterTo(const TForm& form, QPoint topLeft) {
  QWidget* window = form.Window();
  window->move(topLeft - (OuterGeometry(form).topLeft() - window->frameGeometry().topLeft()));
}

}  // namespace

int TForm::Left() const { return OuterGeometry(*this).left(); }
int TForm::Top() const { return OuterGeometry(*this).top(); }
int TForm::Width() const { return OuterGeometry(*this).width(); }
int TForm::Height() const { return OuterGeometry(*this).height(); }
void TForm::SetLeft(int left) { MoveOuterTo(*this, {left, Top()}); }
void TForm::SetTop(int top) { MoveOuterTo(*this, {Left(), top}); }

void TForm::SetBounds(int left, int top, int width, int height) {
  const QSize decoration = OuterGeometry(*this).size() - window_->size();
  const QSize size(std::max(width - decoration.width(), 0), std::max(height - decoration.height(), 0));
  MoveOuterTo(*this, {left, top});
  if (window_->minimumSize() == window_->maximumSize()) window_->setFixedSize(size);
  else window_->resize(size);
  SyncFrame();
}

void TForm::SetClientSize(int width, int height) {
  if (HasSystemFrame()) {
    window_->setFixedSize(width, height);
    client_->setGeometry(0, 0, width, height);
    SyncFrame();
  } else {
    SetBounds(Left(), Top(), Width() - ClientWidth() + width, Height() - ClientHeight() + height);
  }
}
int TForm::ClientWidth() const { return client_->width(); }
int TForm::ClientHeight() const { return client_->height(); }

void TForm::SetColor(TColor color) {
  color_ = color;
  QPalette palette = client_->palette();
  palette.setColor(QPalette::Window, ToQColor(color));
  client_->setPalette(palette);
}

void TForm::SetFont(const TFont& font) {
  font_ = font;
  client_->setFont(font.ToQFont());
  QPalette palette = client_->palette();
  palette.setColor(QPalette::WindowText, ToQColor(font.Color));
  client_->setPalette(palette);
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  if (customFrame_) {
    // The frame engine sizes the frame by the border style: ask it again.
    syncedSize_ = QSize();
    SyncFrame();
  } else {
    ApplyWindowFlags();
  }
}

void TForm::SetStyle(std::uint32_t style) {
  const bool captionChanged = (style ^ style_) & WS_CAPTION;
  style_ = style;
  if (captionChanged) RecreateWnd();
}

void TForm::ApplyWindowFlags() {
  const bool visible = window_->isVisible();
  Qt::WindowFlags flags = Qt::Window;
  if (customFrame_ || borderStyle_ == TFormBorderStyle::bsNone) {
    flags |= Qt::FramelessWindowHint;
  } else if (borderStyle_ == TFormBorderStyle::bsSingle || borderStyle_ == TFormBorderStyle::bsDialog) {
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
  } else if (borderStyle_ == TFormBorderStyle::bsToolWindow || borderStyle_ == TFormBorderStyle::bsSizeToolWin) {
    flags = Qt::Tool;
  }
  if (window_->windowFlags() == flags) return;
  window_->setWindowFlags(flags);
  if (visible) window_->show();
}

void TForm::RecreateWnd() {
  const QRect outer = window_->frameGeometry();
  customFrame_ = !HasSystemFrame();
  ApplyWindowFlags();
  if (customFrame_) {
    // The frame is now the window's own: no fixed size from the system-frame days, and the
    // window keeps its outer bounds.
    window_->setMinimumSize(0, 0);
    window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window_->setGeometry(outer);
    window_->setMouseTracking(true);
  }
  client_->setAutoFillBackground(!customFrame_);
  frameDirty_ = true;
  syncedSize_ = QSize();
  SyncFrame();
}

LRESULT TForm::Perform(unsigned msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WindowProc(message);
  return message.Result;
}

void TForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_CLOSE: HandleCloseMessage(); break;
    case WM_ACTIVATE: active_ = LOWORD(LPARAM(message.WParam)) != 0; break;
    case WM_NCACTIVATE: message.Result = 1; break;
    case WM_NCHITTEST: message.Result = HTCLIENT; break;
    case WM_SETCURSOR: DefaultSetCursor(LOWORD(message.LParam)); break;
    case WM_NCLBUTTONDOWN: DefaultNonClientButtonDown(int(message.WParam), PointFromLParam(message.LParam)); break;
    case WM_ERASEBKGND:
      if (auto* canvas = reinterpret_cast<TCanvas*>(message.WParam)) {
        canvas->Brush.Color = color_;
        canvas->Brush.Style = TBrushStyle::bsSolid;
        canvas->FillRect(Rect(0, 0, ClientWidth(), ClientHeight()));
        message.Result = 1;
      }
      break;
    default: break;
  }
}

void TForm::HandleCloseMessage() {
  Application().Guard([this] { Close(); });
}

void TForm::Close() {
  TCloseAction action = TCloseAction::caHide;
  DoClose(action);  // an exception here leaves the window open
  if (action == TCloseAction::caNone) return;
  if (action == TCloseAction::caMinimize) {
    window_->showMinimized();
    return;
  }
  window_->hide();
  if (Application().MainForm == this) Application().Terminate();
}

void TForm::Show() { window_->show(); }
void TForm::Hide() { window_->hide(); }
bool TForm::Visible() const { return window_->isVisible(); }

void TForm::WindowShown() {
  // A skin may size the window more than once as it shows; its frame is painted once, when the
  // window system first asks for the window's pixels.
  {
    framePaintHeld_ = true;
    const auto release = qScopeGuard([this] { framePaintHeld_ = false; });
    Perform(WM_SHOWWINDOW, 1, 0);
  }
  if (shownOnce_) return;
  shownOnce_ = true;
  Application().Guard([this] { DoShow(); });
}
