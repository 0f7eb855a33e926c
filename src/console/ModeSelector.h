// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The mode selector: a drop-down list of the display modes with an editable text field. Typing
// the beginning of a mode name selects that mode and completes the name; Backspace (or text that
// begins no name) leaves no mode selected. Only the operator's choice of a different mode is
// reported; the program's own selection is silent. The selector keeps its size; its open list is
// as wide as the longest name, so that every name shows whole.
#include <QComboBox>

class ModeSelector : public QComboBox {
  Q_OBJECT
 public:
  // The names are laid out once, in the face they are shown in.
  ModeSelector(QWidget* parent, const QFont& font);

  // The selected mode index, -1 when none.
  int Mode() const { return currentIndex(); }
  // The mode last chosen or set by the program: what the selector holds once an edit under way
  // (text erased or typed that names no mode) is given up; -1 when none.
  int CommittedMode() const { return committed_; }
  // Selects a mode as the program does; an index outside the list selects none.
  void SetModeSilently(int mode);
  // The width the open list needs for its longest name, in the list's own font.
  int ListWidth() const;
  void showPopup() override;
  // Ends an operator's edit under way without a choice: an open list closes, typed text gives way
  // to the committed mode and its name and the selector gives up the keyboard, so that no key of
  // that edit lands on a line it was not begun for.
  void AbandonEdit();

 signals:
  void modeChosen(int mode);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Activated(int index);
  void TextEdited(const QString& text);
  void SelectKeepingText(int index, const QString& text);

  int reported_ = 0;  // the mode the last report (or program selection) left
  int committed_ = 0;
  bool erasing_ = false;
};
