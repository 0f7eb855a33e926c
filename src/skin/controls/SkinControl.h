// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The base of every skinned child control: binds the control to a skin data component and to one
// named control skin in it, and paints through one off-screen bitmap, so the screen is written
// once per paint and never shows a bare background: the skinned look when the skin holds the
// named entry, a built-in look when it does not.
//
// The control's pixels live in its own canvas (a surface the size of the control) that the
// widget shows; painting draws into that canvas first.
#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>

#include "platform/Canvas.h"
#include "platform/Component.h"

class TBitmap;
class TDataSkinControl;
class TSkinData;
class TSkinControl;

using TSkinNotifyEvent = std::function<void(TSkinControl* sender)>;

class TSkinControl : public QWidget, public TComponent {
  Q_OBJECT
 public:
  explicit TSkinControl(QWidget* parent = nullptr, TForm* owner = nullptr);
  ~TSkinControl() override;

  // Not owned; cleared when the skin data component goes away. Binding to a loaded skin applies
  // it at once.
  TSkinData* SkinData() const { return skinData_; }
  virtual void SetSkinData(TSkinData* skinData);
  // Takes effect at the next RefreshSkinValues (next paint, size or skin change).
  const QString& SkinDataName() const { return skinDataName_; }
  virtual void SetSkinDataName(const QString& name) { skinDataName_ = name; }
  // Index of the control skin in the skin data's control list, -1 when there is none.
  int SkinObjectIndex() const { return skinObjectIndex_; }

  // Looks the control skin up again.
  virtual void RefreshSkinValues();
  // Reacts to a new or changed skin.
  virtual void ApplySkinChange();
  // Drops the control skin before the skin data clears its entries.
  virtual void ForgetSkinObject() { skinObjectIndex_ = -1; }

  // Bounds in the parent's coordinates. Derived controls apply their skin's size rule here; the
  // widget's own geometry calls are routed through it as well.
  virtual void SetBounds(int left, int top, int width, int height);
  void setGeometry(int x, int y, int w, int h) { SetBounds(x, y, w, h); }
  void setGeometry(const QRect& r) { SetBounds(r.x(), r.y(), r.width(), r.height()); }
  void resize(int w, int h) { SetBounds(x(), y(), w, h); }
  void resize(const QSize& size) { resize(size.width(), size.height()); }

  TSkinNotifyEvent OnMouseEnter;
  TSkinNotifyEvent OnMouseLeave;

  // True while the widget's paint event is being handled.
  bool InPaintMessage() const { return inPaintMessage_; }
  // Whether the pointer is over the control, as the enter and leave handling last saw it.
  bool PointerInside() const { return pointerInside_; }

  // Paints the control into its canvas, exactly as a paint event does, and returns the pixels.
  QImage PaintToImage();

 protected:
  // The control skin of SkinObjectIndex, or nullptr.
  TDataSkinControl* SkinObject() const;

  // The look without a control skin, and the skinned look, drawn into the off-screen bitmap.
  virtual void PaintUnskinned(TBitmap& bitmap) { (void)bitmap; }
  virtual void PaintSkinned(TBitmap& bitmap) { (void)bitmap; }
  // Paints the whole control onto its canvas.
  virtual void Paint(TCanvas& canvas);
  // The common body of Paint: one bitmap of the control's size, painted by the current look,
  // then drawn onto the canvas at (0, 0).
  void PaintThroughBitmap(TCanvas& canvas);

  // The pointer came onto or left the control.
  virtual void MouseEnter();
  virtual void MouseLeave();
  // Follows the pointer while a button holds it (the window system then reports no enter or
  // leave of its own): pos is in the control's coordinates.
  void TrackPointer(const QPoint& pos);

  // Sets the widget's bounds without the size rule.
  void ApplyBounds(int left, int top, int width, int height);
  bool ApplyingBounds() const { return applyingBounds_; }
  // Asks for a paint of the whole control.
  void Repaint() { update(); }

  void Notification(TComponent* component, TOperation operation) override;
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  // The canvas: kept the size of the control, and kept between paints like a window's pixels.
  TCanvas& SurfaceCanvas();

  bool inPaintMessage_ = false;
  TSkinData* skinData_ = nullptr;
  QString skinDataName_;
  int skinObjectIndex_ = -1;
  bool pointerInside_ = false;
  bool applyingBounds_ = false;
  QImage surface_;
  TCanvas canvas_{&surface_};
};
