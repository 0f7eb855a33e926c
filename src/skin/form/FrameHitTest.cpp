// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/form/FrameHitTest.h"

#include <QString>

#include "platform/NonClientMessages.h"

namespace {

bool InCaptionObject(std::span<const TObjectPlace> objects, TPoint P) {
  for (const TObjectPlace& o : objects)
    if (o.Kind == TFrameObjectKind::Caption && o.ObjectRect.Contains(P)) return true;
  return false;
}

int ClientCaptionOrObject(const TFrameLayout& layout, std::span<const TObjectPlace> objects, TPoint P) {
  if (layout.NewClientRect.Contains(P)) return HTCLIENT;
  return InCaptionObject(objects, P) ? HTCAPTION : HTOBJECT;
}

bool NearSkinnedEdge(const TFrameLayout& layout, int bw, const THitTestState& state, TPoint P,
                     const TMaskTest& maskTest) {
  const TPoint probes[] = {{P.X - bw, P.Y}, {P.X, P.Y - bw}, {P.X + bw, P.Y}, {P.X, P.Y + bw}};
  if (!maskTest) {
    const TRect window{0, 0, state.W, state.H};
    for (const TPoint& probe : probes)
      if (!window.Contains(probe)) return true;
    return false;
  }
  if (layout.NewMaskRectArea.Contains(P)) return false;
  for (const TPoint& probe : probes)
    if (!maskTest(probe)) return true;
  return false;
}

}  // namespace

int HitTestSkinnedFrame(const TFrameLayout& layout, int borderWidth, std::span<const TObjectPlace> objects,
                        const THitTestState& state, TPoint P, const TMaskTest& maskTest) {
  // 1. Rolled up or minimised: the caption moves the window, nothing sizes it.
  if (state.RolledUpOrMinimised) return InCaptionObject(objects, P) ? HTCAPTION : HTOBJECT;
  // 2. A hovered object keeps the pointer.
  if (state.ObjectHovered && !InCaptionObject(objects, P) && !layout.NewClientRect.Contains(P) && !state.InSizeMove)
    return HTOBJECT;
  // 3. Sizing edges.
  if (!state.Maximised && state.Sizeable) {
    if (!NearSkinnedEdge(layout, borderWidth, state, P, maskTest)) return ClientCaptionOrObject(layout, objects, P);
    const auto& [LT, RT, LB, RB] = layout.NewHitTestPoints;
    const TRect& C = layout.NewClientRect;
    if (P.X <= LT.X && P.Y <= LT.Y) return HTTOPLEFT;
    if (P.X >= RT.X && P.Y <= RT.Y) return HTTOPRIGHT;
    if (P.X <= LB.X && P.Y >= LB.Y) return HTBOTTOMLEFT;
    if (P.X >= RB.X && P.Y >= RB.Y) return HTBOTTOMRIGHT;
    if (TRect{LT.X, 0, RT.X, C.Top}.Contains(P)) return HTTOP;
    if (TRect{LB.X, C.Bottom, RB.X, state.H}.Contains(P)) return HTBOTTOM;
    if (TRect{0, LT.Y, C.Left, LB.Y}.Contains(P)) return HTLEFT;
    if (TRect{C.Right, RT.Y, state.W, RB.Y}.Contains(P)) return HTRIGHT;
  }
  // 4.
  return ClientCaptionOrObject(layout, objects, P);
}

int HitTestDefaultFrame(const TRect& defaultCaptionArea, TFormBorderStyle style, const THitTestState& state, TPoint P) {
  const int W = state.W, H = state.H;
  if (!state.Maximised && !state.RolledUpOrMinimised && IsSizeable(style)) {
    if (state.ObjectHovered) return HTOBJECT;
    if (P.X <= 2 && P.Y <= 2) return HTTOPLEFT;
    if (P.X >= W - 2 && P.Y <= 2) return HTTOPRIGHT;
    if (P.X <= 2 && P.Y >= H - 2) return HTBOTTOMLEFT;
    if (P.X >= W - 2 && P.Y >= H - 2) return HTBOTTOMRIGHT;
    if (P.X <= 2) return HTLEFT;
    if (P.Y <= 2) return HTTOP;
    if (P.X >= W - 2) return HTRIGHT;
    if (P.Y >= H - 2) return HTBOTTOM;
  }
  if (defaultCaptionArea.Contains(P)) return HTCAPTION;
  if (DefaultClientRect(style, {0, 0, W, H}).Contains(P)) return HTCLIENT;
  return HTOBJECT;
}

QString HitTestName(int code) {
  switch (code) {
    case HTNOWHERE: return QStringLiteral("HTNOWHERE");
    case HTCLIENT: return QStringLiteral("HTCLIENT");
    case HTCAPTION: return QStringLiteral("HTCAPTION");
    case HTLEFT: return QStringLiteral("HTLEFT");
    case HTRIGHT: return QStringLiteral("HTRIGHT");
    case HTTOP: return QStringLiteral("HTTOP");
    case HTTOPLEFT: return QStringLiteral("HTTOPLEFT");
    case HTTOPRIGHT: return QStringLiteral("HTTOPRIGHT");
    case HTBOTTOM: return QStringLiteral("HTBOTTOM");
    case HTBOTTOMLEFT: return QStringLiteral("HTBOTTOMLEFT");
    case HTBOTTOMRIGHT: return QStringLiteral("HTBOTTOMRIGHT");
    case HTOBJECT: return QStringLiteral("HTOBJECT");
    default: return QString::number(code);
  }
}
