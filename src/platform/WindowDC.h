// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The window's device context (GetWindowDC ... ReleaseDC): a canvas over the whole window, frame
// included, in window coordinates. What is drawn lands in the form's frame image, which a
// custom-frame window shows; the client widget covers the client area. Clipping set on the
// canvas (ExcludeClipRect) lasts as long as the context. Releasing it shows the drawing.
#include "platform/Canvas.h"

class TForm;

class TWindowDC {
 public:
  explicit TWindowDC(TForm& form);
  ~TWindowDC();
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;

  TCanvas& Canvas() { return canvas_; }

 private:
  TForm& form_;
  TCanvas canvas_;
};
