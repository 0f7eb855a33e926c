// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "console/PlayList.h"

#include <QKeyEvent>
#include <algorithm>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <utility>

#include "platform/Messages.h"

namespace {

// The playhead's mark: amber, which neither the list's red text nor its selection has.
constexpr QRgb kPlayheadMark = qRgb(0xFF, 0xC0, 0x00);
constexpr int kPlayheadBarWidth = 3;

class PlayListDelegate : public QStyledItemDelegate {
 public:
  explicit PlayListDelegate(PlayList* list) : QStyledItemDelegate(list), list_(list) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), 16};
  }
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyledItemDelegate::paint(painter, option, index);
    if (index.row() != list_->MarkedPlayhead()) return;
    painter->save();
    const QRect row = option.rect.adjusted(0, 0, -1, -1);
    painter->setPen(QColor(kPlayheadMark));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(row);
    painter->fillRect(QRect(row.topLeft(), QSize(kPlayheadBarWidth, row.height() + 1)), QColor(kPlayheadMark));
    painter->restore();
  }

 private:
  const PlayList* list_;
};

int VirtualKeyFor(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_End: return VK_END;
    default: return event.key() < 0x80 ? event.key() : 0;
  }
}

}  // namespace

void PlayListModel::ReplaceLines(int first, int removed, const QStringList& lines) {
  const int added = int(lines.size());
  const int common = std::min(removed, added);
  int changedFrom = -1, changedTo = -1;
  for (int i = 0; i < common; ++i) {
    if (lines_[first + i] == lines[i]) continue;
    lines_[first + i] = lines[i];
    if (changedFrom < 0) changedFrom = first + i;
    changedTo = first + i;
  }
  if (changedFrom >= 0) emit dataChanged(index(changedFrom), index(changedTo), {Qt::DisplayRole});
  if (removed > common) {
    beginRemoveRows(QModelIndex(), first + common, first + removed - 1);
    lines_.remove(first + common, removed - common);
    endRemoveRows();
  } else if (added > common) {
    beginInsertRows(QModelIndex(), first + common, first + added - 1);
    if (lines_.isEmpty()) {
      lines_ = lines;  // a first show: its lines are shared, not copied one by one
    } else {
      lines_.insert(first + common, added - common, QString());
      std::copy(lines.begin() + common, lines.end(), lines_.begin() + first + common);
    }
    endInsertRows();
  }
}

int PlayListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(lines_.size()); }

QVariant PlayListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= lines_.size()) return {};
  if (role == Qt::DisplayRole || role == Qt::EditRole) return lines_[index.row()];
  return {};
}

Qt::ItemFlags PlayListModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

PlayList::PlayList(QWidget* parent) : QListView(parent), model_(this) {
  setModel(&model_);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setUniformItemSizes(true);
  setItemDelegate(new PlayListDelegate(this));
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

QItemSelectionModel::SelectionFlags PlayList::selectionCommand(const QModelIndex& index, const QEvent* event) const {
  // A line, once chosen, stays the selected one until another is chosen: no modifier key
  // deselects it, and the release of a button selects nothing.
  if (!index.isValid() || (event && event->type() == QEvent::MouseButtonRelease)) return QItemSelectionModel::NoUpdate;
  return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
}

void PlayList::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;  // the other buttons neither select nor send
  QListView::mousePressEvent(event);
  selectedAtPress_ = SelectedLine();
  // Also a press on the line that is already selected is the operator's selection of it.
  if (indexAt(event->position().toPoint()).isValid() && SelectedLine() >= 0) emit lineClicked(SelectedLine());
}

void PlayList::mouseMoveEvent(QMouseEvent* event) {
  // Dragging with the left button held moves the selection; with only other buttons held the
  // pointer does nothing.
  if (event->buttons() == Qt::NoButton || (event->buttons() & Qt::LeftButton)) QListView::mouseMoveEvent(event);
}

void PlayList::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  QListView::mouseReleaseEvent(event);
  // A press on one line released on another selects the second: its settings are the ones shown.
  if (SelectedLine() >= 0 && SelectedLine() != selectedAtPress_) emit lineClicked(SelectedLine());
  selectedAtPress_ = SelectedLine();
}

void PlayList::keyPressEvent(QKeyEvent* event) {
  const int before = SelectedLine();
  QListView::keyPressEvent(event);
  if (SelectedLine() >= 0 && SelectedLine() != before) emit lineClicked(SelectedLine());
}

void PlayList::Mirror(const QStringList& lines) {
  const QStringList& old = Lines();
  const qsizetype oldCount = old.size(), newCount = lines.size();
  qsizetype prefix = 0;
  while (prefix < oldCount && prefix < newCount && old[prefix] == lines[prefix]) ++prefix;
  qsizetype suffix = 0;
  while (suffix < oldCount - prefix && suffix < newCount - prefix &&
         old[oldCount - 1 - suffix] == lines[newCount - 1 - suffix])
    ++suffix;
  // Rows prefix .. oldCount-suffix become lines prefix .. newCount-suffix.
  ReplaceLines(int(prefix), int(oldCount - prefix - suffix), lines.mid(prefix, newCount - prefix - suffix));
  ShowFromTop();
}

void PlayList::ReplaceLines(int first, int removed, const QStringList& lines) {
  model_.ReplaceLines(first, removed, lines);
}

void PlayList::ShowFromTop() {
  clearSelection();
  setCurrentIndex(QModelIndex());
  scrollToTop();
}

int PlayList::SelectedLine() const {
  const QModelIndex current = currentIndex();
  return current.isValid() && selectionModel()->isSelected(current) ? current.row() : -1;
}

void PlayList::SelectLineSilently(int line) {
  setCurrentIndex(model_.index(line));
}

void PlayList::MarkPlayhead(int line) {
  if (line == playhead_) return;
  const int before = std::exchange(playhead_, line);
  for (const int row : {before, line})
    if (row >= 0 && row < count()) update(model_.index(row));
}

void PlayList::keyReleaseEvent(QKeyEvent* event) {
  QListView::keyReleaseEvent(event);
  if (!event->isAutoRepeat()) emit keyReleased(VirtualKeyFor(*event));
}

void PlayList::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  QListView::mouseDoubleClickEvent(event);
  emit doubleClicked();
}
