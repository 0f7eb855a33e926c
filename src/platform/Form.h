#pragma once
// A top-level form with a replaceable window procedure.
//
// The form owns a top-level widget and, inside it, the client widget that carries the
// controls. In the system-frame mode (style with WS_CAPTION, the default) the window system
// draws the frame, no non-client messages arise and the client widget fills the window. The
// custom-frame mode (a component clears WS_CAPTION and recreates the window) makes the top-level
// widget frameless at the window's outer size; the frame engine then places the client widget
// through WM_NCCALCSIZE and paints the rest.
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "platform/Color.h"
#include "platform/Font.h"
#include "platform/Messages.h"
#include "platform/Types.h"

class TForm;

enum class TCloseAction { caNone, caHide, caFree, caMinimize };

// The top-level widget of a form; turns Qt's window events into the form's messages.
class TFormWindow : public QWidget {
  Q_OBJECT
 public:
  explicit TFormWindow(TForm& form);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  TForm& form_;
};

class TForm {
 public:
  TForm();
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
  void SetClientSize(int width, int height);
  int ClientWidth() const;
  int ClientHeight() const;

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font);

  std::uint32_t Style() const { return style_; }
  void SetStyle(std::uint32_t style) { style_ = style; }
  bool HasSystemFrame() const { return (style_ & WS_CAPTION) == WS_CAPTION; }

  // The window procedure: replace it to subclass the form; call the saved one for the default.
  TWndMethod WindowProc;
  LRESULT Perform(unsigned msg, WPARAM wParam = 0, LPARAM lParam = 0);
  // Default processing of a message.
  virtual void WndProc(TMessage& message);

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
  void HandleCloseMessage();
  void WindowShown();

  std::unique_ptr<TFormWindow> window_;
  QWidget* client_ = nullptr;
  TColor color_ = clBtnFace;
  TFont font_;
  std::uint32_t style_ = WS_CAPTION | WS_SYSMENU;
  bool shownOnce_ = false;
};
