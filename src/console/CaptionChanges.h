// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Which caption lines an edit of the caption list changed. The caption list's text is a document
// of blocks; its lines are the text's lines (LF, CR LF or a lone CR ends one, a line end after the
// last line starts none), where a line separator inside a block also ends a line. Each change of
// the document is mapped to the blocks it touched, and only their lines are taken anew, so that a
// keystroke in a long list costs as little as in a short one.
#include <QObject>
#include <QString>
#include <QStringList>
#include <vector>

class QTextBlock;
class QTextDocument;

class CaptionChanges : public QObject {
 public:
  // Lines [first, first + removed) of the list before the change became `lines`.
  struct Change {
    int first = 0;
    int removed = 0;
    QStringList lines;
  };

  // Follows `document` from its current text on.
  explicit CaptionChanges(QTextDocument* document);

  // The changes since the last call, in the order they happened.
  std::vector<Change> Take();
  // Ignores the document's changes until Resume, which takes the whole text anew and returns
  // its lines (reporting no change: the caller knows what it changed meanwhile).
  void Pause();
  QStringList Resume();

 private:
  void ContentsChanged(int position, int removed, int added);
  // Takes the whole text anew as one change that replaces every line; returns the lines.
  QStringList Rebuild();
  // The lines of one block: what the whole text's lines hold of it.
  static QStringList LinesOf(const QTextBlock& block);

  QTextDocument* document_;
  std::vector<int> lineCounts_;  // lines per block
  int lineTotal_ = 0;
  std::vector<Change> pending_;
  bool paused_ = false;
};
