// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Random texts for checking a converter or writer against Qt's own: ASCII, characters that need
// escaping, Chinese, other characters of the basic plane, surrogate pairs and halves of a pair.
#include <QByteArray>
#include <QString>
#include <random>

QString RandomText(std::mt19937& random, int maxLength);

// The bytes of a random show text: ASCII, controls, two- and four-byte GB18030 codes whole and
// cut short, stray bytes and Chinese; never a line feed.
QByteArray RandomShowTextBytes(std::mt19937& random);

// A random settings file of `records` caption records: numbers written with signs, blanks and
// blank lines around them, LF or CR LF line ends, and now and then a file that ends part-way
// through its last record, holds a number that is none or has a Ctrl-Z between its records.
QByteArray RandomSettingsFile(std::mt19937& random, int records);
