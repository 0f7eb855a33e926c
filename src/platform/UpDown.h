// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// An up-down control bound to an edit box: the position lives here and is shown as the edit
// box's text. Values the program sets are taken as they are; the arrows and typed text stay
// within Min..Max.
#include <QLineEdit>
#include <QPointer>
#include <QWidget>
#include <cstdint>

class QToolButton;

class TUpDown : public QWidget {
  Q_OBJECT
 public:
  explicit TUpDown(QWidget* parent);

  void SetAssociate(QLineEdit* edit);
  void SetRange(int min, int max);
  int Min() const { return min_; }
  int Max() const { return max_; }
  std::int16_t Position() const { return position_; }
  // Shows the position in the associate; its change handler runs when the text changes.
  void SetPosition(int position);

 signals:
  // The operator changed the position with the arrows or by typing.
  void positionChangedByUser(int position);

 private:
  void Step(int delta);
  void TypedText(const QString& text);
  void ShowPosition();

  QToolButton* up_;
  QToolButton* down_;
  QPointer<QLineEdit> associate_;
  int min_ = 0;
  int max_ = 100;
  std::int16_t position_ = 0;
};
