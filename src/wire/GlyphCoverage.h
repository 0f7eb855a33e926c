// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Which characters of a caption the caption font cannot draw: the sign would show the font's
// empty box for them. The check of a show and the answer to a cue tell the same characters.
#include <QFont>
#include <QString>
#include <vector>

// Whether the font draws every glyph of `text`: no glyph of it is the font's empty box (glyph 0,
// what the toolkit draws when no font has the character).
bool DrawsEveryGlyph(const QFont& font, const QString& text);
// The distinct characters of `text` the font does not draw, in the order they first come.
std::vector<char32_t> MissingGlyphs(const QFont& font, const QString& text);
// "no glyph for U+1F600, U+4E00"; empty when nothing is missing.
QString NoGlyphNote(const std::vector<char32_t>& missing);
