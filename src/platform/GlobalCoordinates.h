#pragma once
// The places that read global (screen) coordinates from the window system, kept together so
// that a window system without them can be served by changing these alone. Window placement
// goes through TForm's bounds; popups are placed by the menus at screen points.
#include "platform/Types.h"

// GetCursorPos: the pointer's position on the screen.
TPoint GetCursorPos();
