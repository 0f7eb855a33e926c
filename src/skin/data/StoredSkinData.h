// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The program's own skin, packed from its skin folder at build time: the compressed package
// that the main form's stored skin component holds as its "CompressedData". Empty when the
// program was built without a skin. Defined in the generated lumetra_stored_skin library.
#include <QByteArray>

QByteArray StoredSkinCompressedData();
