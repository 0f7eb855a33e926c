#include "platform/Form.h"

#include <QCloseEvent>
#include <QPalette>

#include "platform/Application.h"
#include "platform/Forms.h"

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

void TFormWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange)
    form_.Perform(WM_ACTIVATE, isActiveWindow() ? 1 : 0, 0);
}

void TFormWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (form_.HasSystemFrame()) form_.client_->setGeometry(rect());
  form_.Perform(WM_SIZE, 0, LPARAM((height() << 16) | (width() & 0xFFFF)));
}

TForm::TForm() : window_(std::make_unique<TFormWindow>(*this)) {
  client_ = new QWidget(window_.get());
  client_->setAutoFillBackground(true);
  WindowProc = [this](TMessage& m) { WndProc(m); };
  SetColor(color_);
  SetFont(font_);
  RegisterForm(this);
}

TForm::~TForm() { UnregisterForm(this); }

QString TForm::Caption() const { return window_->windowTitle(); }
void TForm::SetCaption(const QString& caption) {
  window_->setWindowTitle(caption);
  Perform(WM_SETTEXT);
}

int TForm::Left() const { return window_->frameGeometry().left(); }
int TForm::Top() const { return window_->frameGeometry().top(); }
int TForm::Width() const { return window_->frameGeometry().width(); }
int TForm::Height() const { return window_->frameGeometry().height(); }
void TForm::SetLeft(int left) { window_->move(left, Top()); }
void TForm::SetTop(int top) { window_->move(Left(), top); }

void TForm::SetClientSize(int width, int height) {
  if (HasSystemFrame()) {
    window_->setFixedSize(width, height);
    client_->setGeometry(0, 0, width, height);
  } else {
    client_->resize(width, height);
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

LRESULT TForm::Perform(unsigned msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WindowProc(message);
  return message.Result;
}

void TForm::WndProc(TMessage& message) {
  if (message.Msg == WM_CLOSE) HandleCloseMessage();
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
  Perform(WM_SHOWWINDOW, 1, 0);
  if (shownOnce_) return;
  shownOnce_ = true;
  Application().Guard([this] { DoShow(); });
}
