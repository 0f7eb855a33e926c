#pragma once
// A platform header that reaches up into the console: the layer check must refuse it.
#include "console/Console.h"
