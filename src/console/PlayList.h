#pragma once
// The play list widget: a list box that always shows the caption lines. Mirroring touches only
// the rows that differ, so a keystroke in a long caption list costs little.
#include <QListWidget>
#include <QStringList>

class PlayList : public QListWidget {
  Q_OBJECT
 public:
  explicit PlayList(QWidget* parent);

  // Replaces the items by `lines`; afterwards no line is selected and the first is at the top.
  void Mirror(const QStringList& lines);
  const QStringList& Lines() const { return lines_; }

  // The selected line, or -1.
  int SelectedLine() const;
  // Selects a line as the program does: only the operator's input reports a click.
  void SelectLineSilently(int line);

 signals:
  // The operator selected a line (mouse or keyboard), also by clicking the selected line again.
  void lineClicked(int line);
  void doubleClicked();
  void keyReleased(int key);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QStringList lines_;
};
