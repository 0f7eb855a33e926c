// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Subtitle files (".srt") read as caption lines. A subtitle file is a run of cues, each:
//   a cue number                     12
//   a time line                      00:01:02,500 --> 00:01:04,000   (anything after is ignored)
//   one or more text lines           <i>Who goes there?</i>
//   a blank line, or the file's end
// Every text line of every cue becomes one caption line, in order; numbers and times are
// dropped, and so are the styling tags that subtitle editors write (<i>, </b>, <font ...>,
// {\an8}). A cue with no text (or tags alone) becomes one empty caption line: where the subtitles
// show nothing, the sign goes blank too. The file may be in any encoding and use any line ends
// that text import reads.
#include <QString>
#include <QStringList>

// A path whose file name ends in ".srt", in any case.
bool IsSubtitleFilePath(const QString& path);

// The caption lines of a decoded subtitle text. Exception "line N: ..." naming the first line
// (counted from 1) where the cue layout breaks: garbage where a cue should start, or a cue
// without its time line.
QStringList SubtitleCaptions(const QString& text);

// The text lines of each cue, in order: what SubtitleCaptions makes captions of, a cue with no
// text (or tags alone) holding none. Fails as SubtitleCaptions does.
QList<QStringList> SubtitleCues(const QString& text);

// Reads a subtitle file. A file that cannot be read fails as a text import does; a malformed one
// with "<path>, line N: ...".
QStringList ImportSubtitleFile(const QString& path);
// The cues of a subtitle file; fails as ImportSubtitleFile does.
QList<QStringList> ImportSubtitleCues(const QString& path);

// A cue's text line without its styling tags.
QString WithoutSubtitleTags(const QString& line);
