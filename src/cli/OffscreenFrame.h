// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// An off-screen form with the frame engine attached, set up the way a window of the console is:
// border style, caption, skin (or none), outer size and activation. The frame commands read
// their answers from it, so the command line and the window run the same engine.
#include <QString>
#include <memory>

#include "platform/Form.h"
#include "skin/form/SkinForm.h"

class TSkinData;

struct OffscreenFrameSetup {
  TSkinData* skin = nullptr;  // none: the default frame
  TFormBorderStyle borderStyle = TFormBorderStyle::bsSingle;
  QString caption;
  TSize size{};
  bool active = true;
};

class OffscreenFrame {
 public:
  explicit OffscreenFrame(const OffscreenFrameSetup& setup);

  TForm form;
  TSkinForm engine{&form};

  // The client rectangle WM_NCCALCSIZE makes of the window, in window coordinates.
  TRect ClientRect();
  // The code WM_NCHITTEST answers for a window point.
  int HitTest(TPoint p);
};

// "bsSingle" ... ; CliError for any other name.
TFormBorderStyle BorderStyleFromName(const QString& name);
