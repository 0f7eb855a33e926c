// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/OffscreenFrame.h"

#include "cli/CliCommand.h"
#include "platform/NonClientMessages.h"

OffscreenFrame::OffscreenFrame(const OffscreenFrameSetup& setup) {
  form.SetBorderStyle(setup.borderStyle);
  form.SetCaption(setup.caption);
  engine.SetBorderIcons(biRollUp);
  engine.SetSkinData(setup.skin);
  form.SetBounds(0, 0, setup.size.cx, setup.size.cy);
  form.Perform(WM_ACTIVATE, setup.active ? 1 : 0, 0);
}

TRect OffscreenFrame::ClientRect() {
  TNCCalcSizeParams params;
  params.rgrc[0] = Bounds(form.Left(), form.Top(), form.Width(), form.Height());
  form.Perform(WM_NCCALCSIZE, 1, reinterpret_cast<LPARAM>(&params));
  const TRect& r = params.rgrc[0];
  return {r.Left - form.Left(), r.Top - form.Top(), r.Right - form.Left(), r.Bottom - form.Top()};
}

int OffscreenFrame::HitTest(TPoint p) {
  return int(form.Perform(WM_NCHITTEST, 0, PointToLParam({p.X + form.Left(), p.Y + form.Top()})));
}

TFormBorderStyle BorderStyleFromName(const QString& name) {
  static const std::pair<const char*, TFormBorderStyle> kStyles[] = {
      {"bsNone", TFormBorderStyle::bsNone},           {"bsSingle", TFormBorderStyle::bsSingle},
      {"bsSizeable", TFormBorderStyle::bsSizeable},   {"bsDialog", TFormBorderStyle::bsDialog},
      {"bsToolWindow", TFormBorderStyle::bsToolWindow}, {"bsSizeToolWin", TFormBorderStyle::bsSizeToolWin},
  };
  for (const auto& [text, style] : kStyles)
    if (name == QLatin1String(text)) return style;
  throw CliError(QStringLiteral("unknown border style \"%1\" (bsSingle, bsSizeable, bsToolWindow, bsSizeToolWin, "
                                "bsNone)")
                     .arg(name));
}
