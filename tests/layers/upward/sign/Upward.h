// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The virtual sign reaching the safety nets, which it does not stand on: the layer check must refuse it.
#include "keeping/Keeping.h"
