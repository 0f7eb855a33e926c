// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// lumetra-cli skin-render: a preview for skin authors. Draws a control skin or the window frame
// at a given size exactly as the skinned controls and the frame engine will, and writes the
// matching window region as a black (inside) and white (outside) picture. Menus are drawn by
// MenuRender.cpp.
#include <optional>

#include "cli/CliCommand.h"
#include "cli/CliGeometry.h"
#include "cli/FrameRender.h"
#include "cli/MenuRender.h"
#include "cli/PngOutput.h"
#include "cli/SkinSource.h"
#include "platform/Bitmap.h"
#include "skin/controls/EffectBmp.h"
#include "skin/controls/SkinControlGeometry.h"
#include "skin/controls/SkinDrawStrips.h"
#include "skin/controls/SkinDrawTiling.h"
#include "skin/controls/SkinRegion.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinCustomControls.h"
#include "skin/data/SkinData.h"

namespace {

// Writes the region next to the picture, or says why there is none.
void SaveRegion(const std::optional<QRegion>& region, int width, int height, const QString& out) {
  if (!region) {
    PrintLine(QStringLiteral("no region: the window keeps its full rectangle"));
    return;
  }
  const QString path = SaveRegionPicture(*region, width, height, out);
  PrintLine(QStringLiteral("%1: region %2 x %3").arg(path).arg(width).arg(height));
}

const TBitmap* PictureAt(const TSkinData& skin, int index) {
  return index >= 0 && index < int(skin.ActivePictures.size()) ? skin.ActivePictures[std::size_t(index)].get()
                                                                : nullptr;
}

QString SchemeName(TSizingScheme scheme) {
  switch (scheme) {
    case TSizingScheme::ssFixed: return QStringLiteral("fixed size");
    case TSizingScheme::ssNinePart: return QStringLiteral("nine-part");
    case TSizingScheme::ssHorzThreePart: return QStringLiteral("horizontal three-part");
    case TSizingScheme::ssVertThreePart: return QStringLiteral("vertical three-part");
    case TSizingScheme::ssNone: break;
  }
  return QStringLiteral("no skin rectangle");
}

void RenderControl(const TSkinData& skin, const QString& name, TSize size, const QString& out) {
  const int index = skin.GetControlIndex(name);
  if (index < 0) throw CliError(QStringLiteral("the skin has no control entry \"%1\"").arg(name));
  const auto* entry = dynamic_cast<const TDataSkinCustomControl*>(skin.SkinControls[std::size_t(index)].get());
  if (!entry) throw CliError(QStringLiteral("\"%1\" is not a picture-based control skin").arg(name));
  const TBitmap* picture = PictureAt(skin, entry->PictureIndex);
  if (!picture) throw CliError(QStringLiteral("\"%1\" names no picture (pictureindex %2)").arg(name).arg(entry->PictureIndex));

  TSkinControlGeometry geometry = SkinControlGeometry(*entry);
  if (geometry.Scheme == TSizingScheme::ssNone) throw CliError(QStringLiteral("\"%1\" has no skinrect").arg(name));
  int width = size.cx, height = size.cy;
  FitSizeToSkin(geometry, width, height);
  TBitmap look(width, height);
  PaintSkinRect(geometry, look, *picture, geometry.SkinRect, width, height);
  SavePng(look.Image(), out);
  PrintLine(QStringLiteral("%1: %2 x %3, %4").arg(out).arg(width).arg(height).arg(SchemeName(geometry.Scheme)));
  if (const TBitmap* mask = PictureAt(skin, entry->MaskPictureIndex))
    SaveRegion(SkinControlRegion(geometry, *mask, width, height), width, height, out);
}

void RenderFrame(TSkinData* skin, TSize size, bool inactive, const QString& caption, const QString& out) {
  const RenderedFrame frame = RenderFrameThroughEngine(skin, size, inactive, caption);
  SavePng(frame.picture, out);
  PrintLine(QStringLiteral("%1: frame %2 x %3%4").arg(out).arg(size.cx).arg(size.cy).arg(inactive ? QStringLiteral(", inactive") : QString()));
  if (inactive && skin && !skin->AutoRenderingInActiveImage)
    PrintLine(QStringLiteral("note: \"autorenderinginactiveimage\" is off in this skin, so an inactive window shows "
                             "its frame without the effect"));
  if (frame.region) SaveRegion(frame.region, size.cx, size.cy, out);
  else PrintLine(QStringLiteral("no mask: the window keeps its full rectangle"));
}

int RunSkinRender(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Draws a skin as the program will show it and writes it as a PNG; the matching window region\n"
      "goes next to it as OUT-region.png (black inside, white outside).\n"
      "  --control NAME --size WxH   the SKINCONTROLS entry NAME at that size (its sizing scheme may\n"
      "                              keep the skin's width or height)\n"
      "  --frame WxH                 the window frame at that outer size as the window paints it, with\n"
      "                              the client background; --caption TEXT, --inactive for the look of\n"
      "                              an inactive window, --no-skin for the default frame\n"
      "  --menu ITEMS                the level-0 popup of a menu with these items (see --menu below)\n"
      "The skin is the one built into the program, or the one of --ini, --package or --compressed."));
  parser.addOption({QStringLiteral("control"), QStringLiteral("SKINCONTROLS entry to draw."), QStringLiteral("NAME")});
  parser.addOption({QStringLiteral("size"), QStringLiteral("Control size."), QStringLiteral("WxH")});
  parser.addOption({QStringLiteral("frame"), QStringLiteral("Draw the window frame at this outer size."),
                    QStringLiteral("WxH")});
  parser.addOption({QStringLiteral("inactive"), QStringLiteral("Draw the frame of an inactive window.")});
  parser.addOption({QStringLiteral("caption"), QStringLiteral("Window caption on the frame."), QStringLiteral("TEXT")});
  parser.addOption({QStringLiteral("no-skin"),
                    QStringLiteral("Draw without a skin: the default frame, or the menu's built-in look.")});
  AddSkinSourceOptions(parser);
  AddMenuRenderOptions(parser);
  parser.addOption({{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("PNG file to write."),
                    QStringLiteral("OUT.png")});
  if (!ParseCommandLine(parser, arguments, 0)) return 0;
  if (parser.isSet(QStringLiteral("menu"))) return RunMenuRender(parser);
  RejectMenuRenderOptions(parser);

  const bool control = parser.isSet(QStringLiteral("control"));
  const bool frame = parser.isSet(QStringLiteral("frame"));
  if (control == frame) throw CliError(QStringLiteral("give either --control NAME --size WxH or --frame WxH"));
  if (control && !parser.isSet(QStringLiteral("size"))) throw CliError(QStringLiteral("--control needs --size WxH"));
  for (const char* option : {"inactive", "caption", "no-skin"})
    if (control && parser.isSet(QLatin1String(option)))
      throw CliError(QStringLiteral("--%1 goes with --frame").arg(QLatin1String(option)));
  if (frame && parser.isSet(QStringLiteral("size"))) throw CliError(QStringLiteral("--size goes with --control"));
  const QString out = parser.value(QStringLiteral("output"));
  if (out.isEmpty() || out == QStringLiteral("-")) throw CliError(QStringLiteral("-o OUT.png is required"));
  const TSize size = control ? ParseSize(parser.value(QStringLiteral("size")), QStringLiteral("--size"))
                             : ParseSize(parser.value(QStringLiteral("frame")), QStringLiteral("--frame"));

  TCompressedStoredSkin stored;
  TSkinData skin;
  TSkinData* const shown = LoadSkinOrNone(parser, frame && parser.isSet(QStringLiteral("no-skin")), stored, skin);
  if (control) RenderControl(skin, parser.value(QStringLiteral("control")), size, out);
  else RenderFrame(shown, size, parser.isSet(QStringLiteral("inactive")), parser.value(QStringLiteral("caption")), out);
  return 0;
}

const CliRegistration registration{
    {"skin-render", "Draw a control skin, the window frame or a menu with its region as PNG", RunSkinRender}};

}  // namespace
