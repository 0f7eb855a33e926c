// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "console/CaptionListFill.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// How long one piece may hold the window: below a frame's time, so that it answers throughout.
constexpr qint64 kPieceMs = 8;

}  // namespace

CaptionListFill::CaptionListFill(QPlainTextEdit* memo, std::function<void()> finished)
    : QObject(memo), memo_(memo), finished_(std::move(finished)) {
  timer_.setInterval(0);
  connect(&timer_, &QTimer::timeout, this, [this] { PutPiece(kPieceMs); });
}

void CaptionListFill::Start(const QStringList& lines) {
  Finish();
  lines_ = lines;
  next_ = 0;
  active_ = true;
  wasReadOnly_ = memo_->isReadOnly();
  wasUndoable_ = memo_->document()->isUndoRedoEnabled();
  memo_->setReadOnly(true);
  // As setting the whole text does: no undo history of the pieces, nothing before them.
  memo_->document()->setUndoRedoEnabled(false);
  memo_->clear();
  PutPiece(kPieceMs);
  if (Active()) timer_.start();
}

void CaptionListFill::Finish() {
  if (!Active()) return;
  PutPiece(-1);
}

void CaptionListFill::PutPiece(qint64 budgetMs) {
  if (!active_) return;
  QElapsedTimer clock;
  clock.start();
  QTextCursor end(memo_->document());
  end.movePosition(QTextCursor::End);
  // A piece is inserted as one text; lines are measured out in steps that cost little time.
  constexpr qsizetype kStep = 256;
  QString piece;
  do {
    const qsizetype stop = std::min(next_ + kStep, lines_.size());
    for (; next_ < stop; ++next_) {
      piece += lines_.at(next_);  // read only: the list is shared with the caller's
      piece += u'\n';
    }
    end.insertText(piece);
    piece.clear();
  } while (next_ < lines_.size() && (budgetMs < 0 || clock.elapsed() < budgetMs));
  if (next_ == lines_.size()) Done();
}

void CaptionListFill::Done() {
  timer_.stop();
  lines_ = QStringList();
  next_ = 0;
  memo_->document()->setUndoRedoEnabled(wasUndoable_);
  memo_->document()->setModified(false);
  memo_->setReadOnly(wasReadOnly_);
  memo_->moveCursor(QTextCursor::Start);
  if (finished_) finished_();
  active_ = false;
}
