// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// An address as a QR code a phone's camera opens: black modules on white with the quiet zone of
// four modules the readers need, each module `scale` pixels square.
#include <QImage>
#include <QString>

// A null image when the text does not fit a QR code.
QImage QrCodeImage(const QString& text, int scale);
