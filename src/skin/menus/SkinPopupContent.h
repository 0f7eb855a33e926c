// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The inside of one popup window, without the window: its lines, its size and geometry, which
// lines are in view when it scrolls, and its painting. The popup window and the command-line
// preview both draw through it.
//
// Building, for the visible sub-items of a menu item:
//   1. the font lines are measured in;
//   2. redundant separators left out (when the menu asks for it), the menu's image list taken;
//   3. one line per visible sub-item, each item's action consulted first;
//   4. the width: the widest caption (with its shortcut) plus the image column and the frame;
//   5. the height: the lines' heights plus the frame, or at most MaxMenuItemsInWindow lines plus
//      room for the scroll markers, then scrolling;
//   6. no taller than the work area, else scrolling;
//   7. the frame geometry at that size (the items area moved with it);
//   8. the lines laid out, and the window's outline from the frame's mask.
#include <QPoint>
#include <QRegion>
#include <memory>
#include <optional>
#include <vector>

#include "skin/controls/SkinDrawNinePart.h"
#include "skin/menus/SkinMenuItem.h"
#include "skin/menus/SkinMenuItemPaint.h"
#include "skin/menus/SkinMenuLook.h"

class TBitmap;
class TCustomImageList;
class TMenuItem;

enum TScrollDirection { sdNone = 0, sdUp = 1, sdDown = 2 };

class TSkinPopupContent {
 public:
  // Height of each scroll marker band.
  static constexpr int kMarkerBand = 10;

  // Builds the lines for root's visible sub-items from startIndex on (see the outline above).
  void Build(const TSkinMenuLook& look, const TSkinMenuSettings& settings, TMenuItem& root, int startIndex,
             const TRect& workArea);

  const TSkinMenuLook& Look() const { return look_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Scrolling() const { return scrolling_; }
  bool LimitScrolling() const { return limitScrolling_; }
  // The frame's corner points and items area at the popup's size.
  const NinePartSkin& Sized() const { return sized_; }
  const TRect& ResizedItemsRect() const { return sized_.CR; }
  int ImageColumnWidth() const { return imageColumnWidth_; }
  const TCustomImageList* Images() const { return images_; }
  // The window's outline; none keeps the full rectangle.
  const std::optional<QRegion>& Region() const { return region_; }

  int Count() const { return int(items_.size()); }
  TSkinMenuItem& Item(int index) { return *items_[std::size_t(index)]; }
  const TSkinMenuItem& Item(int index) const { return *items_[std::size_t(index)]; }
  // The shown line under the point (window coordinates), or -1.
  int ItemAt(const QPoint& point) const;

  // Scrolling: the first line in view and how many are in view.
  int FirstVisibleIndex() const { return firstVisible_; }
  int VisibleItemCount() const { return visibleCount_; }
  bool CanScrollUp() const { return firstVisible_ > 0; }
  bool CanScrollDown() const { return firstVisible_ + visibleCount_ < Count(); }
  // Puts the first line in view (kept within the list) and lays the lines out again.
  void SetFirstVisibleIndex(int index);
  TScrollDirection ScrollDirection = sdNone;
  // The bands that show the scroll markers and start scrolling under the pointer.
  TRect TopMarkerBand() const;
  TRect BottomMarkerBand() const;

  // Paints the whole popup: background, the shown lines, the scroll markers.
  void Paint(TBitmap& target) const;
  // Paints one shown line over its place in a painted popup.
  void PaintItem(TBitmap& target, int index) const;

 private:
  int MeasureWidth() const;
  void MeasureHeight(const TSkinMenuSettings& settings, const TRect& workArea);
  void LayoutItems();
  void PaintBackground(TBitmap& target) const;
  void PaintScrollMarkers(TBitmap& target) const;

  TSkinMenuLook look_;
  int defaultItemHeight_ = 20;
  std::vector<std::unique_ptr<TSkinMenuItem>> items_;
  const TCustomImageList* images_ = nullptr;
  int imageColumnWidth_ = kMenuImageColumn;
  int width_ = 0;
  int height_ = 0;
  bool scrolling_ = false;
  bool limitScrolling_ = false;
  NinePartSkin sized_;
  std::optional<QRegion> region_;
  int firstVisible_ = 0;
  int visibleCount_ = 0;
};
