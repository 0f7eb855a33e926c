// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Puts a long show into the caption list piece by piece, between the window's other work: a
// document of a hundred thousand lines takes far longer to build than the window takes to show,
// and the window should show and answer meanwhile. The first piece goes in at once; the caption
// list is read-only until the last piece is in. Whoever needs its whole text before that has the
// rest put in at once (Finish). The result is the text that setting the whole at once gives.
#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

class QPlainTextEdit;

class CaptionListFill : public QObject {
 public:
  // `finished` runs once the last piece is in.
  CaptionListFill(QPlainTextEdit* memo, std::function<void()> finished);

  // Replaces the caption list's text by `lines`, each followed by a line end.
  void Start(const QStringList& lines);
  bool Active() const { return active_; }
  void Finish();

 private:
  // Appends lines from `next_` on, until `budgetMs` has passed (at least one piece) or all are in.
  void PutPiece(qint64 budgetMs);
  void Done();

  QPlainTextEdit* memo_;
  std::function<void()> finished_;
  QStringList lines_;
  qsizetype next_ = 0;
  bool active_ = false;  // from Start until the last piece is in and `finished` has run
  bool wasReadOnly_ = false;
  bool wasUndoable_ = true;
  QTimer timer_;
};
