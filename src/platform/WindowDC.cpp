#include "platform/WindowDC.h"

#include "platform/Form.h"

TWindowDC::TWindowDC(TForm& form) : form_(form), canvas_(&form.FrameImage()) {}

TWindowDC::~TWindowDC() { form_.FramePainted(); }
