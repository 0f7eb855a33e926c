// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// lumetra-cli reaching into the window: the layer check must refuse it.
#include "console/Console.h"
