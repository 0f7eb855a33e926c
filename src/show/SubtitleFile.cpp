// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "show/SubtitleFile.h"

#include <QRegularExpression>

#include "platform/Exceptions.h"
#include "show/CaptionLines.h"
#include "show/TextImport.h"

namespace {

// Enough of a bad line to recognise it in a one-line message.
constexpr qsizetype kQuotedLength = 40;

bool IsBlank(const QString& line) { return line.trimmed().isEmpty(); }

bool IsCueNumber(const QString& line) {
  const QString number = line.trimmed();
  if (number.isEmpty()) return false;
  for (const QChar c : number)
    if (c < u'0' || c > u'9') return false;
  return true;
}

bool IsTimeLine(const QString& line) {
  // Editors differ in the decimal sign and in padding; the positions some write after the
  // second time are ignored.
  static const QRegularExpression time(
      QStringLiteral(R"(^\s*\d+:\d{1,2}:\d{1,2}[,.]\d{1,3}\s*-->\s*\d+:\d{1,2}:\d{1,2}[,.]\d{1,3}(\s|$))"));
  return time.match(line).hasMatch();
}

// A cue that follows the previous one without the blank line between them.
bool StartsCue(const QStringList& lines, qsizetype i) {
  return IsCueNumber(lines[i]) && i + 1 < lines.size() && IsTimeLine(lines[i + 1]);
}

QString Quoted(const QString& line) {
  const QString shown = line.size() > kQuotedLength ? line.left(kQuotedLength) + QStringLiteral("...") : line;
  return u'"' + shown + u'"';
}

[[noreturn]] void Malformed(qsizetype index, const QString& what) {
  throw Exception(QStringLiteral("line %1: %2").arg(index + 1).arg(what));
}

// Calls `each` with the text lines of every cue, in order.
template <typename Each>
void ForEachSubtitleCue(const QString& text, Each each) {
  const QStringList lines = SplitCaptionLines(text);
  QStringList cue;
  qsizetype i = 0;
  while (i < lines.size()) {
    if (IsBlank(lines[i])) {
      ++i;
      continue;
    }
    // A cue: its number (some editors leave it out), its time line, its text lines.
    if (IsCueNumber(lines[i]))
      ++i;
    else if (!IsTimeLine(lines[i]))
      Malformed(i, QStringLiteral("expected a cue number, found %1").arg(Quoted(lines[i])));
    if (i == lines.size() || !IsTimeLine(lines[i]))
      Malformed(i, QStringLiteral("expected a time line such as \"00:00:01,000 --> 00:00:04,000\""));
    cue.clear();
    for (++i; i < lines.size() && !IsBlank(lines[i]) && !StartsCue(lines, i); ++i) {
      const QString text = WithoutSubtitleTags(lines[i]);
      if (!IsBlank(text)) cue << text;  // a line of tags alone says nothing
    }
    each(cue);
  }
}

// What `parse` makes of the file's text; a malformed file is named in the message.
template <typename Parse>
auto ParseSubtitleFile(const QString& path, Parse parse) {
  const QString text = ReadImportedText(path);
  try {
    return parse(text);
  } catch (const Exception& error) {
    throw Exception(QStringLiteral("%1, %2").arg(path, error.Message()));
  }
}

}  // namespace

bool IsSubtitleFilePath(const QString& path) { return path.endsWith(QStringLiteral(".srt"), Qt::CaseInsensitive); }

QString WithoutSubtitleTags(const QString& line) {
  if (!line.contains(u'<') && !line.contains(u'{')) return line;  // most lines carry no tags
  // Only the tags editors write: a "<" or "{" in the spoken text stays. A tag holds no second
  // opening mark of its kind, so a line of unclosed tags is not searched to its end once per tag.
  static const QRegularExpression tags(QStringLiteral(R"(</?(?:[ibus]|font)(?:\s[^<>]*)?>|\{\\[^{}]*\})"),
                                       QRegularExpression::CaseInsensitiveOption);
  return QString(line).remove(tags);
}

QStringList SubtitleCaptions(const QString& text) {
  QStringList captions;
  ForEachSubtitleCue(text, [&captions](const QStringList& cue) {
    if (cue.isEmpty()) captions << QString();  // the cue blanks the sign
    else captions << cue;
  });
  return captions;
}

QList<QStringList> SubtitleCues(const QString& text) {
  QList<QStringList> cues;
  ForEachSubtitleCue(text, [&cues](const QStringList& cue) { cues << cue; });
  return cues;
}

QStringList ImportSubtitleFile(const QString& path) { return ParseSubtitleFile(path, SubtitleCaptions); }

QList<QStringList> ImportSubtitleCues(const QString& path) { return ParseSubtitleFile(path, SubtitleCues); }
