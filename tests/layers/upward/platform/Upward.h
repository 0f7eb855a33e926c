// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A platform header that reaches up into the console: the layer check must refuse it.
#include "console/Console.h"
