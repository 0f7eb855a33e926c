#include "console/CaptionFont.h"

TFont InitialCaptionFont() {
  TFont font;
  font.Name = QStringLiteral("宋体");
  font.Charset = GB2312_CHARSET;
  font.Color = clRed;
  font.Height = -19;
  return font;
}
