#pragma once
// The bytes of one send: header, page count, and per page the packed frame twice and a trailer
// that carries the mode index.
#include <QByteArray>

#include "console/LedFrame.h"

// Writes the packet for a caption whose centred picture is already in `frame` (RenderCentred).
// In the scrolling mode the pages are drawn into `frame` one after the other. Stops early and
// returns false when the sink fails.
bool WriteDisplayPacket(TBitmap& frame, const QString& caption, int modeIndex, ByteSink& sink);

// The complete packet for a caption, mode and font, as a send would write it.
QByteArray BuildDisplayPacket(const QString& caption, const TFont& captionFont, int modeIndex);
