// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The show's data reaching up to the wire: the layer check must refuse it.
#include "wire/Wire.h"
