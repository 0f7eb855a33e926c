// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/controls/SkinControl.h"

#include <QEnterEvent>
#include <QPainter>

#include "platform/Bitmap.h"
#include "skin/data/SkinData.h"

TSkinControl::TSkinControl(QWidget* parent, TForm* owner) : QWidget(parent), TComponent(owner) {
  // Every paint covers the whole control from its off-screen bitmap: nothing is erased first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setAutoFillBackground(false);
}

TSkinControl::~TSkinControl() = default;

void TSkinControl::SetSkinData(TSkinData* skinData) {
  if (skinData_ && skinData_ != skinData) RemoveFreeNotification(skinData_);
  skinData_ = skinData;
  if (!skinData) return;
  FreeNotification(skinData);
  if (!skinData->Empty() && !Designing()) ApplySkinChange();
}

void TSkinControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  // The skin data is going away: forget it (and its entry), without a repaint.
  if (operation != TOperation::opRemove || component != skinData_) return;
  skinData_ = nullptr;
  ForgetSkinObject();
}

void TSkinControl::RefreshSkinValues() {
  skinObjectIndex_ =
      (!skinData_ || skinData_->Empty()) ? -1 : skinData_->GetControlIndex(skinDataName_);
}

TDataSkinControl* TSkinControl::SkinObject() const {
  if (skinObjectIndex_ < 0 || !skinData_ || std::size_t(skinObjectIndex_) >= skinData_->SkinControls.size())
    return nullptr;
  return skinData_->SkinControls[std::size_t(skinObjectIndex_)].get();
}

void TSkinControl::ApplySkinChange() {
  RefreshSkinValues();
  Repaint();
}

void TSkinControl::SetBounds(int left, int top, int width, int height) { ApplyBounds(left, top, width, height); }

void TSkinControl::ApplyBounds(int left, int top, int width, int height) {
  applyingBounds_ = true;
  QWidget::setGeometry(left, top, width, height);
  applyingBounds_ = false;
}

void TSkinControl::Paint(TCanvas& canvas) {
  if (width() <= 0 || height() <= 0) return;
  RefreshSkinValues();
  PaintThroughBitmap(canvas);
}

void TSkinControl::PaintThroughBitmap(TCanvas& canvas) {
  TBitmap bitmap(width(), height());
  if (skinObjectIndex_ == -1) PaintUnskinned(bitmap);
  else PaintSkinned(bitmap);
  canvas.Draw(0, 0, bitmap);
}

TCanvas& TSkinControl::SurfaceCanvas() {
  if (surface_.size() != size()) {
    QImage grown(size(), QImage::Format_RGB32);
    grown.fill(Qt::white);
    QPainter(&grown).drawImage(0, 0, surface_);
    surface_ = grown;
    canvas_.SetTarget(&surface_);
  }
  return canvas_;
}

QImage TSkinControl::PaintToImage() {
  if (width() > 0 && height() > 0) Paint(SurfaceCanvas());
  return surface_;
}

void TSkinControl::paintEvent(QPaintEvent*) {
  inPaintMessage_ = true;
  const QImage& pixels = PaintToImage();
  QPainter(this).drawImage(0, 0, pixels);
  inPaintMessage_ = false;
}

void TSkinControl::MouseEnter() {
  if (!Designing() && OnMouseEnter) OnMouseEnter(this);
}

void TSkinControl::MouseLeave() {
  if (!Designing() && OnMouseLeave) OnMouseLeave(this);
}

void TSkinControl::TrackPointer(const QPoint& pos) {
  const bool inside = rect().contains(pos) && (mask().isEmpty() || mask().contains(pos));
  if (inside == pointerInside_) return;
  pointerInside_ = inside;
  if (inside) MouseEnter();
  else MouseLeave();
}

void TSkinControl::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  if (pointerInside_) return;
  pointerInside_ = true;
  MouseEnter();
}

void TSkinControl::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (!pointerInside_) return;
  pointerInside_ = false;
  MouseLeave();
}
