#include "console/PlayList.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include "platform/Messages.h"

namespace {

class FixedHeightDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), 16};
  }
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

PlayList::PlayList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  setItemDelegate(new FixedHeightDelegate(this));
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void PlayList::mousePressEvent(QMouseEvent* event) {
  QListWidget::mousePressEvent(event);
  // Also a press on the line that is already selected is the operator's selection of it.
  if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid() && SelectedLine() >= 0)
    emit lineClicked(SelectedLine());
}

void PlayList::keyPressEvent(QKeyEvent* event) {
  const int before = SelectedLine();
  QListWidget::keyPressEvent(event);
  if (SelectedLine() >= 0 && SelectedLine() != before) emit lineClicked(SelectedLine());
}

void PlayList::Mirror(const QStringList& lines) {
  const qsizetype oldCount = lines_.size(), newCount = lines.size();
  qsizetype prefix = 0;
  while (prefix < oldCount && prefix < newCount && lines_[prefix] == lines[prefix]) ++prefix;
  qsizetype suffix = 0;
  while (suffix < oldCount - prefix && suffix < newCount - prefix &&
         lines_[oldCount - 1 - suffix] == lines[newCount - 1 - suffix])
    ++suffix;
  // Rows prefix .. oldCount-suffix become lines prefix .. newCount-suffix.
  const qsizetype oldMiddle = oldCount - prefix - suffix, newMiddle = newCount - prefix - suffix;
  const qsizetype common = std::min(oldMiddle, newMiddle);
  for (qsizetype i = 0; i < common; ++i) item(int(prefix + i))->setText(lines[prefix + i]);
  for (qsizetype i = common; i < oldMiddle; ++i) delete takeItem(int(prefix + common));
  if (newMiddle > common) {
    const QStringList added = lines.mid(prefix + common, newMiddle - common);
    insertItems(int(prefix + common), added);
  }
  lines_ = lines;
  clearSelection();
  setCurrentRow(-1);
  scrollToTop();
}

int PlayList::SelectedLine() const {
  const int row = currentRow();
  return row >= 0 && item(row) && item(row)->isSelected() ? row : -1;
}

void PlayList::SelectLineSilently(int line) {
  setCurrentRow(line);
}

void PlayList::keyReleaseEvent(QKeyEvent* event) {
  QListWidget::keyReleaseEvent(event);
  if (!event->isAutoRepeat()) emit keyReleased(VirtualKeyFor(*event));
}

void PlayList::mouseDoubleClickEvent(QMouseEvent* event) {
  QListWidget::mouseDoubleClickEvent(event);
  emit doubleClicked();
}
