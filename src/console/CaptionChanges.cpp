// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "console/CaptionChanges.h"

#include <QTextBlock>
#include <QTextDocument>
#include <numeric>
#include <utility>

#include "show/CaptionLines.h"

CaptionChanges::CaptionChanges(QTextDocument* document) : QObject(document), document_(document) {
  connect(document, &QTextDocument::contentsChange, this, &CaptionChanges::ContentsChanged);
  Rebuild();
  pending_.clear();
}

std::vector<CaptionChanges::Change> CaptionChanges::Take() { return std::exchange(pending_, {}); }

void CaptionChanges::Pause() {
  paused_ = true;
  pending_.clear();
}

QStringList CaptionChanges::Resume() {
  paused_ = false;
  QStringList lines = Rebuild();
  pending_.clear();
  return lines;
}

QStringList CaptionChanges::LinesOf(const QTextBlock& block) {
  // The characters the whole text shows differently from the block: separators end a line,
  // a no-break space is a space.
  QString text = block.text();
  for (QChar& c : text) {
    switch (c.unicode()) {
      case 0xFDD0:  // frame start
      case 0xFDD1:  // frame end
      case QChar::ParagraphSeparator:
      case QChar::LineSeparator: c = u'\n'; break;
      case QChar::Nbsp: c = u' '; break;
      default: break;
    }
  }
  // Every block but the last ends with a line end, which starts no line of its own.
  if (block.next().isValid()) text += u'\n';
  return SplitCaptionLines(text);
}

QStringList CaptionChanges::Rebuild() {
  QStringList lines;
  lineCounts_.clear();
  lineCounts_.reserve(std::size_t(document_->blockCount()));
  for (QTextBlock block = document_->firstBlock(); block.isValid(); block = block.next()) {
    const QStringList blockLines = LinesOf(block);
    lineCounts_.push_back(int(blockLines.size()));
    lines += blockLines;
  }
  pending_.push_back({0, lineTotal_, lines});
  lineTotal_ = int(lines.size());
  return lines;
}

void CaptionChanges::ContentsChanged(int position, int, int added) {
  if (paused_) return;
  // Blocks before the one holding `position` are untouched, and so are the blocks after the one
  // holding the end of what was added: as many of them as before, the same ones.
  const QTextBlock firstBlock = document_->findBlock(position);
  QTextBlock lastBlock = document_->findBlock(position + added);
  if (!lastBlock.isValid()) lastBlock = document_->lastBlock();
  const int first = firstBlock.blockNumber(), last = lastBlock.blockNumber();
  const int untouchedAfter = document_->blockCount() - 1 - last;
  const int oldBlocks = int(lineCounts_.size()) - untouchedAfter - first;
  if (!firstBlock.isValid() || last < first || oldBlocks < 1) {
    Rebuild();  // a change this mapping cannot place
    return;
  }
  const auto begin = lineCounts_.begin() + first;
  const int firstLine = std::accumulate(lineCounts_.begin(), begin, 0);
  const int removed = std::accumulate(begin, begin + oldBlocks, 0);
  QStringList lines;
  std::vector<int> counts;
  for (QTextBlock block = firstBlock;; block = block.next()) {
    const QStringList blockLines = LinesOf(block);
    counts.push_back(int(blockLines.size()));
    lines += blockLines;
    if (block == lastBlock) break;
  }
  lineCounts_.erase(begin, begin + oldBlocks);
  lineCounts_.insert(lineCounts_.begin() + first, counts.begin(), counts.end());
  lineTotal_ += int(lines.size()) - removed;
  pending_.push_back({firstLine, removed, lines});
}
