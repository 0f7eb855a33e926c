// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/menus/SkinPopupContent.h"

#include <algorithm>

#include "platform/Bitmap.h"
#include "platform/ImageList.h"
#include "platform/Menus.h"
#include "skin/controls/SkinDrawMarks.h"
#include "skin/controls/SkinRegion.h"
#include "skin/controls/SkinText.h"
#include "skin/menus/SkinMenuItemPaint.h"

void TSkinPopupContent::Build(const TSkinMenuLook& look, const TSkinMenuSettings& settings, TMenuItem& root,
                              int startIndex, const TRect& workArea) {
  // 1. The font travels with the look.
  look_ = look;
  defaultItemHeight_ = settings.DefMenuItemHeight;
  // 2. Actions first, as they may show or hide items; then the separators they leave redundant.
  for (int i = std::max(startIndex, 0); i < root.Count(); ++i) root.Items(i)->InitiateAction();
  const TMenu* menu = root.GetParentMenu();
  if (menu && menu->AutoLineReduction) root.RethinkLines();
  else root.KeepAllLines();
  images_ = menu ? menu->Images : nullptr;
  // 3.
  items_.clear();
  for (int i = std::max(startIndex, 0); i < root.Count(); ++i)
    if (const TMenuItem* child = root.Items(i); child->Showing()) items_.push_back(std::make_unique<TSkinMenuItem>(*child));
  firstVisible_ = 0;
  ScrollDirection = sdNone;
  // 4.-6.
  imageColumnWidth_ = images_ ? images_->Width() + kMenuImagePadding : kMenuImageColumn;
  width_ = MeasureWidth();
  MeasureHeight(settings, workArea);
  // 7.
  if (look_.Skinned()) {
    const TPopupFrameLook& frame = *look_.Frame;
    sized_ = ResizeLayout(frame.Geometry, frame.Picture.Width(), frame.Picture.Height(), width_, height_);
  } else {
    sized_ = NinePartSkin{};
    sized_.CR = {2, 2, width_ - 2, height_ - 2};
  }
  // 8.
  LayoutItems();
  region_.reset();
  if (look_.Skinned() && !look_.Frame->Mask.Empty())
    region_ = NinePartMaskRegion(look_.Frame->Geometry, sized_, look_.Frame->Mask, width_, height_);
}

int TSkinPopupContent::MeasureWidth() const {
  TBitmap scratch(1, 1);
  scratch.Canvas.Font = look_.Font;
  int a = 0;
  for (const auto& item : items_) {
    QString text = item->Caption();
    if (!item->ShortCutText().isEmpty()) text += QStringLiteral("  ") + item->ShortCutText();
    a = std::max(a, MeasureTextWidth(scratch.Canvas, text) + 2);
  }
  a += imageColumnWidth_ + kMenuRightColumn;
  if (!look_.Skinned()) return a + 10;
  const TPopupFrameLook& frame = *look_.Frame;
  const TMenuItemLook& item = *look_.Item;
  return a + (frame.Picture.Width() - frame.Geometry.CR.Width()) + (item.SkinRect.Width() - item.TextRect.Width());
}

void TSkinPopupContent::MeasureHeight(const TSkinMenuSettings& settings, const TRect& workArea) {
  const int frame = look_.Skinned() ? look_.Frame->Picture.Height() - look_.Frame->Geometry.CR.Height() : 4;
  const int limit = settings.MaxMenuItemsInWindow;
  scrolling_ = limitScrolling_ = false;
  if (limit > 0 && Count() > limit) {
    const int itemHeight = look_.Skinned() ? look_.Item->SkinRect.Height() : settings.DefMenuItemHeight;
    height_ = itemHeight * limit + frame + 2 * kMarkerBand;
    scrolling_ = limitScrolling_ = true;
  } else {
    height_ = frame;
    for (const auto& item : items_) height_ += item->Height(look_, defaultItemHeight_);
  }
  if (height_ > workArea.Height()) {
    height_ = workArea.Height();
    scrolling_ = true;
  }
}

// From the first visible line down, until a line would pass the bottom (the marker bands kept
// free while scrolling). A popup that does not scroll shows every line.
void TSkinPopupContent::LayoutItems() {
  const TRect& area = ResizedItemsRect();
  const int band = scrolling_ ? kMarkerBand : 0;
  int y = area.Top + band;
  visibleCount_ = 0;
  bool ended = false;
  for (int i = 0; i < Count(); ++i) {
    TSkinMenuItem& item = Item(i);
    if (i < firstVisible_ || ended) {
      item.Shown = !scrolling_;
      continue;
    }
    item.Rect = {area.Left, y, area.Right, y + item.Height(look_, defaultItemHeight_)};
    y = item.Rect.Bottom;
    if (item.Rect.Bottom > area.Bottom - band) {
      ended = true;
      item.Shown = !scrolling_;
      continue;
    }
    item.Shown = true;
    ++visibleCount_;
  }
}

void TSkinPopupContent::SetFirstVisibleIndex(int index) {
  firstVisible_ = std::clamp(index, 0, std::max(Count() - 1, 0));
  LayoutItems();
}

int TSkinPopupContent::ItemAt(const QPoint& point) const {
  const TPoint p{point.x(), point.y()};
  for (int i = 0; i < Count(); ++i)
    if (Item(i).Shown && Item(i).Rect.Contains(p)) return i;
  return -1;
}

TRect TSkinPopupContent::TopMarkerBand() const {
  if (!look_.Skinned()) return {3, 3, width_ - 3, 3 + kMarkerBand};
  const TRect& area = ResizedItemsRect();
  return {area.Left, area.Top, area.Right, area.Top + kMarkerBand};
}

TRect TSkinPopupContent::BottomMarkerBand() const {
  if (!look_.Skinned()) return {3, height_ - kMarkerBand, width_ - 3, height_ - 3};
  const TRect& area = ResizedItemsRect();
  return {area.Left, area.Bottom - kMarkerBand, area.Right, area.Bottom};
}

void TSkinPopupContent::PaintBackground(TBitmap& target) const {
  if (look_.Skinned()) {
    const TPopupFrameLook& frame = *look_.Frame;
    const TRect whole = Rect(0, 0, frame.Picture.Width(), frame.Picture.Height());
    // The items cover the items area unless the popup scrolls.
    DrawNinePartSkin(frame.Geometry, sized_, target, frame.Picture, whole, width_, height_, scrolling_, frame.Stretch);
    return;
  }
  target.SetSize(width_, height_);
  TCanvas& c = target.Canvas;
  const int column = imageColumnWidth_ + 2;
  c.Brush.Style = TBrushStyle::bsSolid;
  c.Brush.Color = clBtnFace;
  c.FillRect(Rect(0, 0, column, height_));
  c.Brush.Color = clWindow;
  c.FillRect(Rect(column, 0, width_, height_));
  c.Brush.Style = TBrushStyle::bsClear;
  c.Pen.Color = clBtnShadow;
  c.Rectangle(0, 0, width_, height_);
  c.Pen.Color = clWindow;
  c.Rectangle(1, 1, width_ - 1, height_ - 1);
}

void TSkinPopupContent::PaintScrollMarkers(TBitmap& target) const {
  TColor normal = clBtnShadow, scrolling = clBtnText;
  if (look_.Skinned()) {
    normal = look_.Frame->ScrollMarkerColor;
    scrolling = look_.Frame->ScrollMarkerActiveColor;
  }
  DrawArrowMark(target.Canvas, TopMarkerBand(), ScrollDirection == sdUp ? scrolling : normal, adUp);
  DrawArrowMark(target.Canvas, BottomMarkerBand(), ScrollDirection == sdDown ? scrolling : normal, adDown);
}

void TSkinPopupContent::Paint(TBitmap& target) const {
  PaintBackground(target);
  for (int i = 0; i < Count(); ++i) PaintItem(target, i);
  if (scrolling_) PaintScrollMarkers(target);
}

void TSkinPopupContent::PaintItem(TBitmap& target, int index) const {
  const TSkinMenuItem& item = Item(index);
  if (!item.Shown || item.Rect.IsEmpty()) return;
  TBitmap line;
  PaintMenuItem(line, item, {look_, images_, imageColumnWidth_});
  target.Canvas.Draw(item.Rect.Left, item.Rect.Top, line);
}
