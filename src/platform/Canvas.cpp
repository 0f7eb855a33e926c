// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/Canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

#include "platform/Bitmap.h"

namespace {

// Text with the platform's "&" prefix convention: "&x" underlines x, "&&" is a literal "&".
QString StripPrefix(const QString& text, int* underlined) {
  QString plain;
  plain.reserve(text.size());
  *underlined = -1;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) {
      ++i;
      if (text[i] != u'&' && *underlined < 0) *underlined = int(plain.size());
    }
    plain += text[i];
  }
  return plain;
}

}  // namespace

QRect TCanvas::Bounds() const { return target_ ? target_->rect() : QRect(); }

bool TCanvas::BeginPaint(QPainter& painter) const {
  if (!target_ || target_->isNull()) return false;
  painter.begin(target_);
  if (clipped_) painter.setClipRegion(clip_);
  return true;
}

QRegion TCanvas::ClipRegion() const { return clipped_ ? clip_ : QRegion(Bounds()); }

void TCanvas::FillRect(const TRect& rect) {
  QPainter p;
  if (!BeginPaint(p) || Brush.Style == TBrushStyle::bsClear) return;
  p.fillRect(rect.ToQRect(), ToQColor(Brush.Color));
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  QPainter p;
  if (!BeginPaint(p)) return;
  const TRect r{left, top, right, bottom};
  if (r.IsEmpty()) return;
  if (Brush.Style == TBrushStyle::bsSolid) p.fillRect(r.ToQRect(), ToQColor(Brush.Color));
  if (Pen.Width <= 0) return;
  const QColor pen = ToQColor(Pen.Color);
  const int w = std::min({Pen.Width, r.Width(), r.Height()});
  p.fillRect(QRect(left, top, r.Width(), w), pen);
  p.fillRect(QRect(left, bottom - w, r.Width(), w), pen);
  p.fillRect(QRect(left, top, w, r.Height()), pen);
  p.fillRect(QRect(right - w, top, w, r.Height()), pen);
}

void TCanvas::LineTo(int x, int y) {
  QPainter p;
  if (BeginPaint(p)) {
    // Walk the line pixel by pixel (Bresenham), leaving out the end point as the platform does.
    const QColor colour = ToQColor(Pen.Color);
    int x0 = penPos_.X, y0 = penPos_.Y;
    const int dx = std::abs(x - x0), sx = x0 < x ? 1 : -1;
    const int dy = -std::abs(y - y0), sy = y0 < y ? 1 : -1;
    int err = dx + dy;
    while (!(x0 == x && y0 == y)) {
      p.fillRect(QRect(x0, y0, 1, 1), colour);
      const int e2 = 2 * err;
      if (e2 >= dy) { err += dy; x0 += sx; }
      if (e2 <= dx) { err += dx; y0 += sy; }
    }
  }
  penPos_ = {x, y};
}

void TCanvas::TextOut(int x, int y, const QString& text) {
  QPainter p;
  if (!BeginPaint(p) || text.isEmpty()) return;
  const QFont font = Font.ToQFont();
  const QFontMetrics metrics(font);
  if (Brush.Style == TBrushStyle::bsSolid)
    p.fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()), ToQColor(Brush.Color));
  p.setFont(font);
  p.setPen(ToQColor(Font.Color));
  p.drawText(QPoint(x, y + metrics.ascent()), text);
}

TSize TCanvas::TextExtent(const QString& text) const {
  const QFontMetrics metrics(Font.ToQFont());
  return {metrics.horizontalAdvance(text), metrics.height()};
}

namespace {

// The lines DrawText shows of a text (prefixes already stripped) for a rectangle `width` wide:
// one line, the text's own lines, or those broken at spaces to fit; shortened with "..." when
// the flags ask.
QStringList TextLines(const QString& text, unsigned flags, const QFontMetrics& metrics, int width) {
  QStringList lines;
  if (flags & DT_SINGLELINE) {
    lines << QString(text).replace(u'\n', u' ').remove(u'\r');
  } else {
    for (const QString& paragraph : text.split(u'\n')) {
      QString line = QString(paragraph).remove(u'\r');
      if (!(flags & DT_WORDBREAK)) { lines << line; continue; }
      // Break at spaces so that every line fits the rectangle's width where it can.
      QString current;
      for (const QString& word : line.split(u' ')) {
        const QString candidate = current.isEmpty() ? word : current + u' ' + word;
        if (!current.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
          lines << current;
          current = word;
        } else {
          current = candidate;
        }
      }
      lines << current;
    }
  }
  if (flags & DT_END_ELLIPSIS) {
    for (QString& line : lines) line = metrics.elidedText(line, Qt::ElideRight, width);
  } else if (flags & DT_PATH_ELLIPSIS) {
    for (QString& line : lines) line = metrics.elidedText(line, Qt::ElideMiddle, width);
  }
  return lines;
}

}  // namespace

int TCanvas::DrawText(const QString& source, TRect& rect, unsigned flags) {
  int underlined = -1;
  const QString text = (flags & DT_NOPREFIX) ? source : StripPrefix(source, &underlined);
  const QFont font = Font.ToQFont();
  const QFontMetrics metrics(font);
  const int lineHeight = metrics.height();
  const QStringList lines = TextLines(text, flags, metrics, rect.Width());

  int width = 0;
  for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
  const int height = lineHeight * int(lines.size());
  if (flags & DT_CALCRECT) {
    rect.Right = rect.Left + width;
    rect.Bottom = rect.Top + height;
    return height;
  }

  QPainter p;
  if (!BeginPaint(p)) return height;
  if (!(flags & DT_NOCLIP)) p.setClipRect(rect.ToQRect(), clipped_ ? Qt::IntersectClip : Qt::ReplaceClip);
  QFont drawFont = font;
  p.setFont(drawFont);
  p.setPen(ToQColor(Font.Color));
  int y = rect.Top;
  if (flags & DT_SINGLELINE) {
    if (flags & DT_VCENTER) y = rect.Top + (rect.Height() - lineHeight) / 2;
    else if (flags & DT_BOTTOM) y = rect.Bottom - lineHeight;
  }
  int offset = 0;
  for (const QString& line : lines) {
    const int w = metrics.horizontalAdvance(line);
    int x = rect.Left;
    if (flags & DT_CENTER) x = rect.Left + (rect.Width() - w) / 2;
    else if (flags & DT_RIGHT) x = rect.Right - w;
    if (Brush.Style == TBrushStyle::bsSolid) p.fillRect(QRect(x, y, w, lineHeight), ToQColor(Brush.Color));
    p.drawText(QPoint(x, y + metrics.ascent()), line);
    if (underlined >= offset && underlined < offset + line.size() && !(flags & DT_HIDEPREFIX)) {
      const int ux = x + metrics.horizontalAdvance(line.left(underlined - offset));
      const int uw = metrics.horizontalAdvance(line.at(underlined - offset));
      p.fillRect(QRect(ux, y + metrics.ascent() + 1, uw, 1), ToQColor(Font.Color));
    }
    offset += int(line.size()) + 1;
    y += lineHeight;
  }
  return height;
}

void TCanvas::Draw(int x, int y, const TBitmap& source) { Draw(x, y, source.Image()); }

void TCanvas::Draw(int x, int y, const QImage& source) {
  QPainter p;
  if (!BeginPaint(p)) return;
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(QPoint(x, y), source);
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect) {
  if (source.target_) CopyRect(dest, *source.target_, sourceRect);
}

void TCanvas::CopyRect(const TRect& dest, const QImage& source, const TRect& sourceRect) {
  QPainter p;
  if (dest.IsEmpty() || sourceRect.IsEmpty() || !BeginPaint(p)) return;
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  p.drawImage(dest.ToQRect(), source, sourceRect.ToQRect());
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& source) {
  CopyRect(dest, source.Image(), Rect(0, 0, source.Width(), source.Height()));
}

TColor TCanvas::Pixel(int x, int y) const {
  if (!target_ || !target_->valid(x, y)) return -1;  // CLR_INVALID
  return FromQColor(QColor(target_->pixel(x, y)));
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  if (!target_ || !target_->valid(x, y)) return;
  if (clipped_ && !clip_.contains(QPoint(x, y))) return;
  target_->setPixel(x, y, ToQColor(color).rgb());
}

void TCanvas::IntersectClipRect(const TRect& rect) {
  clip_ = ClipRegion().intersected(rect.ToQRect());
  clipped_ = true;
}

void TCanvas::ExcludeClipRect(const TRect& rect) {
  clip_ = ClipRegion().subtracted(rect.ToQRect());
  clipped_ = true;
}

void TCanvas::SelectClipRegion(const QRegion* region) {
  clipped_ = region != nullptr;
  clip_ = region ? *region : QRegion();
}

int TCanvas::SaveDC() {
  saved_.push_back({clipped_, clip_});
  return int(saved_.size());
}

void TCanvas::RestoreDC(int saved) {
  if (saved_.empty()) return;
  const std::size_t index = saved < 0 ? saved_.size() - 1 : std::size_t(std::max(saved, 1) - 1);
  if (index >= saved_.size()) return;
  clipped_ = saved_[index].clipped;
  clip_ = saved_[index].clip;
  saved_.resize(index);
}
