// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The play list widget: a list box that always shows the caption lines. Its rows come from a
// model over the lines themselves, so a show of any length costs no widget item per line, and a
// change touches only the rows it changes.
// It is a single-selection list box: only the left button selects (also by dragging over the
// lines) and double-clicks, Ctrl and Shift neither deselect nor extend, and every change the
// operator makes reports the line that ends up selected.
// While a remote input is on, the list marks the playhead's line (the line the next GO sends)
// with a bar at its left and a frame around it; without one it looks as it always has.
#include <QAbstractListModel>
#include <QListView>
#include <QStringList>

// The lines as the list's rows: selectable, not editable.
class PlayListModel : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;
  const QStringList& Lines() const { return lines_; }
  // Rows [first, first + removed) become `lines`; rows that stay the same are left alone.
  void ReplaceLines(int first, int removed, const QStringList& lines);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  QStringList lines_;
};

class PlayList : public QListView {
  Q_OBJECT
 public:
  explicit PlayList(QWidget* parent);

  // Replaces the items by `lines`; afterwards no line is selected and the first is at the top.
  void Mirror(const QStringList& lines);
  // Lines [first, first + removed) become `lines`; the selection is left to the caller.
  void ReplaceLines(int first, int removed, const QStringList& lines);
  // No line selected, the first line at the top.
  void ShowFromTop();
  const QStringList& Lines() const { return model_.Lines(); }
  int count() const { return int(Lines().size()); }

  // The selected line, or -1.
  int SelectedLine() const;
  // Selects a line as the program does: only the operator's input reports a click.
  void SelectLineSilently(int line);
  // The line to mark as the playhead's; -1 for none.
  void MarkPlayhead(int line);
  int MarkedPlayhead() const { return playhead_; }

 signals:
  // The operator selected a line (mouse or keyboard), also by clicking the selected line again.
  void lineClicked(int line);
  void doubleClicked();
  void keyReleased(int key);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event = nullptr) const override;

 private:
  PlayListModel model_;
  int selectedAtPress_ = -1;  // the selection a left press left, to report a drag's end
  int playhead_ = -1;
};
