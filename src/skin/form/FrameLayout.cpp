// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/form/FrameLayout.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "skin/data/SkinData.h"

TFrameSkinGeometry FrameSkinGeometryOf(const TSkinData& skin) {
  TFrameSkinGeometry g;
  g.PW = skin.Picture.Width();
  g.PH = skin.Picture.Height();
  g.LT = skin.LeftTopPoint;
  g.RT = skin.RightTopPoint;
  g.LB = skin.LeftBottomPoint;
  g.RB = skin.RightBottomPoint;
  g.ClientRect = skin.ClientRect;
  g.CaptionRect = skin.CaptionRect;
  g.ButtonsRect = skin.ButtonsRect;
  g.MaskRectArea = skin.MaskRectArea;
  g.HitTestPoints = {skin.HitTestLeftTopPoint, skin.HitTestRightTopPoint, skin.HitTestLeftBottomPoint,
                     skin.HitTestRightBottomPoint};
  g.ButtonsOffset = skin.ButtonsOffset;
  g.ButtonsInLeft = skin.ButtonsInLeft;
  g.BorderWidth = skin.BorderWidth;
  return g;
}

namespace {

TPoint Moved(TPoint p, int dx, int dy) { return {p.X + dx, p.Y + dy}; }
TRect Moved(TRect r, int dx, int dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

}  // namespace

TFrameLayout CalcFrameLayout(const TFrameSkinGeometry& skin, int W, int H) {
  const int dW = W - skin.PW, dH = H - skin.PH;
  TFrameLayout l;
  l.NewLT = skin.LT;
  l.NewRT = Moved(skin.RT, dW, 0);
  l.NewLB = Moved(skin.LB, 0, dH);
  l.NewRB = Moved(skin.RB, dW, dH);
  const TRect& CR = skin.ClientRect;
  l.NewClientRect = {CR.Left, CR.Top, CR.Right + dW, CR.Bottom + dH};
  l.NewCaptionRect = skin.CaptionRect;
  if (!l.NewCaptionRect.IsEmpty()) l.NewCaptionRect.Right += dW;
  // Buttons in the right half follow the right edge.
  l.NewButtonsRect = skin.ButtonsRect;
  if (!l.NewButtonsRect.IsEmpty() && l.NewButtonsRect.Left > skin.PW / 2) l.NewButtonsRect = Moved(l.NewButtonsRect, dW, 0);
  l.ButtonsOnLeft = skin.ButtonsInLeft;
  l.ButtonsOffsetValue = skin.ButtonsOffset;
  l.NewHitTestPoints = {skin.HitTestPoints[0], Moved(skin.HitTestPoints[1], dW, 0), Moved(skin.HitTestPoints[2], 0, dH),
                        Moved(skin.HitTestPoints[3], dW, dH)};
  const TRect& M = skin.MaskRectArea;
  l.NewMaskRectArea = {M.Left, M.Top, M.Right + dW, M.Bottom + dH};
  return l;
}

namespace {

TRect KeepOrdered(TRect r) {
  r.Right = std::max(r.Right, r.Left);
  r.Bottom = std::max(r.Bottom, r.Top);
  return r;
}

}  // namespace

TRect SkinnedClientRect(const TFrameSkinGeometry& skin, TRect window) {
  const TRect& CR = skin.ClientRect;
  return KeepOrdered({window.Left + CR.Left, window.Top + CR.Top, window.Right - (skin.PW - CR.Right),
                      window.Bottom - (skin.PH - CR.Bottom)});
}

bool IsSizeable(TFormBorderStyle style) {
  return style == TFormBorderStyle::bsSizeable || style == TFormBorderStyle::bsSizeToolWin;
}

namespace {
bool IsToolWindow(TFormBorderStyle style) {
  return style == TFormBorderStyle::bsToolWindow || style == TFormBorderStyle::bsSizeToolWin;
}
}  // namespace

int DefaultCaptionHeight(TFormBorderStyle style) { return IsToolWindow(style) ? 15 : 19; }
int DefaultButtonSize(TFormBorderStyle style) { return IsToolWindow(style) ? 13 : 17; }

TRect DefaultClientRect(TFormBorderStyle style, TRect window) {
  constexpr int B = kDefaultBorder;
  return KeepOrdered({window.Left + B, window.Top + B + DefaultCaptionHeight(style), window.Right - B, window.Bottom - B});
}

namespace {

bool IsCaptionButton(const TObjectPlace& o) {
  return o.Kind == TFrameObjectKind::StdButton || o.Kind == TFrameObjectKind::Animate;
}

// The four-corner rule: where a rectangle of the frame picture lands at the new size.
TRect FourCornerRule(const TFrameSkinGeometry& skin, TRect S, int dW, int dH) {
  const TRect areaLT{0, 0, skin.LT.X, skin.LT.Y};
  const TRect areaRT{skin.RT.X, 0, skin.PW, skin.RT.Y};
  const TRect areaLB{0, skin.LB.Y, skin.LB.X, skin.PH};
  const TRect areaRB{skin.RB.X, skin.RB.Y, skin.PW, skin.PH};
  const TPoint TL{S.Left, S.Top}, BR{S.Right, S.Bottom};
  const auto both = [&](const TRect& area) { return area.Contains(TL) && area.Contains(BR); };
  if (both(areaLT)) return S;
  if (both(areaRT)) return Moved(S, dW, 0);
  if (both(areaLB)) return Moved(S, 0, dH);
  if (both(areaRB)) return Moved(S, dW, dH);
  if (areaLT.Contains(TL) && areaRB.Contains(BR)) return {S.Left, S.Top, S.Right + dW, S.Bottom + dH};
  if (areaLT.Contains(TL) && areaRT.Contains(BR)) return {S.Left, S.Top, S.Right + dW, S.Bottom};
  if (areaLB.Contains(TL) && areaRB.Contains(BR)) return {S.Left, S.Top + dH, S.Right + dW, S.Bottom + dH};
  if (areaLT.Contains(TL) && areaLB.Contains(BR)) return {S.Left, S.Top, S.Right, S.Bottom + dH};
  if (areaRT.Contains(TL) && areaRB.Contains(BR)) return {S.Left + dW, S.Top, S.Right + dW, S.Bottom + dH};
  return S;
}

TSize SizeOf(const TObjectPlace& o, TSize smallIcon, bool showIcon) {
  if (showIcon && o.Kind == TFrameObjectKind::StdButton && o.Command == SkinCommand::cmSysMenu) return smallIcon;
  return {o.SkinRect.Width(), o.SkinRect.Height()};
}

// The row's members in their order: the first visible one of each command, then every visible
// default-command one in list order.
std::vector<TObjectPlace*> RowMembers(std::span<TObjectPlace> objects, bool (*member)(const TObjectPlace&),
                                      bool withDefaults) {
  std::vector<TObjectPlace*> row;
  for (SkinCommand command : {SkinCommand::cmClose, SkinCommand::cmMaximize, SkinCommand::cmMinimize,
                              SkinCommand::cmRollUp, SkinCommand::cmMinimizeToTray}) {
    const auto it = std::find_if(objects.begin(), objects.end(),
                                 [&](const TObjectPlace& o) { return member(o) && o.Command == command; });
    if (it != objects.end()) row.push_back(&*it);
  }
  if (withDefaults)
    for (TObjectPlace& o : objects)
      if (member(o) && o.Command == SkinCommand::cmDefault) row.push_back(&o);
  return row;
}

bool SeparateVisibleButton(const TObjectPlace& o) { return IsCaptionButton(o) && o.Visible && o.SkinRectInAPicture; }
bool SeparateVisibleStdButton(const TObjectPlace& o) {
  return o.Kind == TFrameObjectKind::StdButton && o.Visible && o.SkinRectInAPicture;
}

TObjectPlace* FirstOf(std::span<TObjectPlace> objects, bool (*match)(const TObjectPlace&)) {
  const auto it = std::find_if(objects.begin(), objects.end(), match);
  return it == objects.end() ? nullptr : &*it;
}

}  // namespace

void ArrangeFrameObjects(const TFrameSkinGeometry& skin, const TFrameLayout& layout, std::span<TObjectPlace> objects,
                         TSize smallIcon, bool showIcon) {
  const int dW = layout.NewRT.X - skin.RT.X;
  const int dH = layout.NewLB.Y - skin.LB.Y;
  // 1. Pieces of the frame picture.
  for (TObjectPlace& o : objects)
    if (!o.SkinRectInAPicture) o.ObjectRect = FourCornerRule(skin, o.SkinRect, dW, dH);

  // 2. The button row.
  if (skin.ButtonsRect.IsEmpty() && skin.CaptionRect.IsEmpty()) return;
  const bool inCaption = layout.NewButtonsRect.IsEmpty();
  const TRect Q = inCaption ? layout.NewCaptionRect : layout.NewButtonsRect;
  const int offset = layout.ButtonsOffsetValue;
  TObjectPlace* caption = FirstOf(objects, [](const TObjectPlace& o) { return o.Kind == TFrameObjectKind::Caption; });
  TObjectPlace* sysMenu = FirstOf(objects, [](const TObjectPlace& o) {
    return SeparateVisibleButton(o) && o.Command == SkinCommand::cmSysMenu;
  });
  const std::vector<TObjectPlace*> row = RowMembers(objects, &SeparateVisibleButton, true);
  if (!layout.ButtonsOnLeft) {
    int x = Q.Right;
    for (TObjectPlace* o : row) {
      const TSize s = SizeOf(*o, smallIcon, showIcon);
      o->ObjectRect = {x - s.cx, Q.Top, x, Q.Top + s.cy};
      x -= s.cx + offset;
    }
    if (inCaption && caption) caption->ObjectRect.Right = x + offset;
    if (sysMenu) {
      const TSize s = SizeOf(*sysMenu, smallIcon, showIcon);
      const TRect& C = layout.NewCaptionRect;
      const int t = C.Top + C.Height() / 2 - s.cy / 2;
      sysMenu->ObjectRect = {C.Left, t, C.Left + s.cx, t + s.cy};
      if (caption) caption->ObjectRect.Left = C.Left + s.cx;
    }
  } else {
    int x = Q.Left;
    auto place = [&](TObjectPlace* o) {
      const TSize s = SizeOf(*o, smallIcon, showIcon);
      o->ObjectRect = {x, Q.Top, x + s.cx, Q.Top + s.cy};
      x += s.cx + offset;
    };
    for (TObjectPlace* o : row) place(o);
    if (inCaption) {
      if (sysMenu) place(sysMenu);
      if (caption) caption->ObjectRect.Left = x + offset;
    }
  }
}

TRect ArrangeDefaultButtons(int W, TFormBorderStyle style, std::span<TObjectPlace> objects, TSize smallIcon,
                            bool showIcon) {
  const int CH = DefaultCaptionHeight(style), BS = DefaultButtonSize(style);
  constexpr int B = kDefaultBorder;
  TRect area{B, B, W - B, CH};
  int x = W - B;
  for (TObjectPlace* o : RowMembers(objects, &SeparateVisibleStdButton, false)) {
    o->ObjectRect = {x - BS, 4, x, 4 + BS};
    x -= BS;
  }
  area.Right = x;
  x = B;
  const TSize s = showIcon ? smallIcon : TSize{BS, BS};
  if (TObjectPlace* sysMenu = FirstOf(objects, [](const TObjectPlace& o) {
        return SeparateVisibleStdButton(o) && o.Command == SkinCommand::cmSysMenu;
      }))
    sysMenu->ObjectRect = {x, 4, x + s.cx, 4 + s.cy};
  area.Left = x + s.cx;
  return area;
}
