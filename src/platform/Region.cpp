// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/Region.h"

#include <QList>

QRegion CreateRectRgn(int left, int top, int right, int bottom) {
  return CreateRectRgnIndirect(Rect(left, top, right, bottom));
}

QRegion CreateRectRgnIndirect(const TRect& rect) {
  return rect.IsEmpty() ? QRegion() : QRegion(rect.ToQRect());
}

int CombineRgn(QRegion& dest, const QRegion& a, const QRegion& b, int mode) {
  switch (mode) {
    case RGN_AND: dest = a.intersected(b); break;
    case RGN_OR: dest = a.united(b); break;
    case RGN_XOR: dest = a.xored(b); break;
    case RGN_DIFF: dest = a.subtracted(b); break;
    case RGN_COPY: dest = a; break;
    default: return 0;  // ERROR: dest is left alone
  }
  if (dest.isEmpty()) return NULLREGION;
  return dest.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

namespace {

// One horizontal band: the rows top..bottom share the same runs.
struct Band {
  int top;
  int bottom;
  QList<QRect> runs;  // height 1, at row `top`
};

bool SameRuns(const QList<QRect>& a, const QList<QRect>& b) {
  if (a.size() != b.size()) return false;
  for (qsizetype i = 0; i < a.size(); ++i)
    if (a[i].left() != b[i].left() || a[i].right() != b[i].right()) return false;
  return true;
}

// Adds the band to the banded rectangle list, or, when it continues the previous band with the
// same runs, extends that one.
void FlushBand(QList<QRect>& out, Band& previous, Band& current) {
  if (current.runs.isEmpty()) return;
  if (!previous.runs.isEmpty() && previous.bottom == current.top && SameRuns(previous.runs, current.runs)) {
    previous.bottom = current.bottom;
  } else {
    for (const QRect& r : previous.runs) out << QRect(r.left(), previous.top, r.width(), previous.bottom - previous.top);
    previous = current;
  }
  current.runs.clear();
}

}  // namespace

QRegion ExtCreateRegion(const std::vector<TRect>& rects) {
  // Fast path for the usual input, one-pixel-high runs in scan order: build Qt's banded form
  // directly. Anything else is united rectangle by rectangle.
  bool rowRuns = true;
  for (std::size_t i = 0; i < rects.size() && rowRuns; ++i) {
    const TRect& r = rects[i];
    if (r.IsEmpty() || r.Height() != 1) rowRuns = false;
    else if (i > 0) {
      const TRect& p = rects[i - 1];
      rowRuns = p.Top < r.Top || (p.Top == r.Top && p.Right < r.Left);
    }
  }
  if (!rowRuns) {
    QRegion region;
    for (const TRect& r : rects)
      if (!r.IsEmpty()) region += r.ToQRect();
    return region;
  }
  QList<QRect> banded;
  Band previous{0, 0, {}};
  Band current{0, 0, {}};
  for (const TRect& r : rects) {
    if (!current.runs.isEmpty() && current.top != r.Top) FlushBand(banded, previous, current);
    if (current.runs.isEmpty()) current = Band{r.Top, r.Top + 1, {}};
    current.runs << r.ToQRect();
  }
  FlushBand(banded, previous, current);
  for (const QRect& r : previous.runs) banded << QRect(r.left(), previous.top, r.width(), previous.bottom - previous.top);
  QRegion region;
  region.setRects(banded.constData(), int(banded.size()));
  return region;
}

bool PtInRegion(const QRegion& region, int x, int y) { return region.contains(QPoint(x, y)); }

long long RegionArea(const QRegion& region) {
  long long area = 0;
  for (const QRect& r : region) area += static_cast<long long>(r.width()) * r.height();
  return area;
}
