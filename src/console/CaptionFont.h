#pragma once
// The caption font the console starts with: "宋体", GB2312, pure red, 19 pixels.
#include "platform/Font.h"

TFont InitialCaptionFont();
