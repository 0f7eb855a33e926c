// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/FrameRender.h"

#include "cli/CliCommand.h"
#include "cli/OffscreenFrame.h"
#include "platform/Bitmap.h"

RenderedFrame RenderFrameThroughEngine(TSkinData* skin, TSize size, bool inactive, const QString& caption) {
  OffscreenFrame frame({skin, TFormBorderStyle::bsSingle, caption, size, !inactive});
  TSkinForm& engine = frame.engine;
  if (engine.Skinned() && (size.cx < engine.GetMinWidth() || size.cy < engine.GetMinHeight()))
    throw CliError(QStringLiteral("the frame needs at least %1 x %2").arg(engine.GetMinWidth()).arg(engine.GetMinHeight()));
  TBitmap picture(size.cx, size.cy);
  const TRect client = frame.ClientRect();
  if (!client.IsEmpty()) {
    TBitmap background(client.Width(), client.Height());
    engine.PaintClientBackground(background.Canvas);
    picture.Canvas.Draw(client.Left, client.Top, background);
  }
  frame.form.Perform(kFramePrintRequest, reinterpret_cast<WPARAM>(&picture.Canvas), kFramePrintAnswer);
  return {picture.Image(), frame.form.WindowRgn()};
}
