// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// lumetra-cli menu-place: where the skinned menu puts a popup, by its placement rules alone.
#include "cli/CliCommand.h"
#include "cli/CliGeometry.h"
#include "skin/menus/SkinMenuPlacement.h"

namespace {

int RunMenuPlace(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Prints the screen position X,Y of a popup of the given size opened for a rectangle inside a\n"
      "work area, followed by \"flipped\" when it had to turn to an edge of the work area."));
  parser.addOption({QStringLiteral("rect"), QStringLiteral("Rectangle the popup opens from."), QStringLiteral("L,T,R,B")});
  parser.addOption({QStringLiteral("work-area"), QStringLiteral("Work area of the monitor."), QStringLiteral("L,T,R,B")});
  parser.addOption({QStringLiteral("size"), QStringLiteral("Size of the popup."), QStringLiteral("WxH")});
  parser.addOption({QStringLiteral("items-top"), QStringLiteral("Top of the popup's items area (default 0)."),
                    QStringLiteral("N")});
  parser.addOption({QStringLiteral("popup-up"), QStringLiteral("The popup opens upwards.")});
  parser.addOption({QStringLiteral("submenu"), QStringLiteral("The popup is a sub-menu.")});
  parser.addOption({QStringLiteral("scrolling"), QStringLiteral("The popup scrolls.")});
  parser.addOption({QStringLiteral("limit-scrolling"), QStringLiteral("It scrolls because of an item limit.")});
  if (!ParseCommandLine(parser, arguments, 0)) return 0;
  for (const char* required : {"rect", "work-area", "size"})
    if (!parser.isSet(QLatin1String(required))) throw CliError(QStringLiteral("--%1 is required").arg(required));

  TMenuPlacementInput input;
  input.Rect = ParseRect(parser.value(QStringLiteral("rect")), QStringLiteral("--rect"));
  input.WorkArea = ParseRect(parser.value(QStringLiteral("work-area")), QStringLiteral("--work-area"));
  if (input.WorkArea.IsEmpty()) throw CliError(QStringLiteral("--work-area is empty"));
  const TSize size = ParseSize(parser.value(QStringLiteral("size")), QStringLiteral("--size"));
  input.Width = size.cx;
  input.Height = size.cy;
  input.ItemsTop = IntOption(parser, QStringLiteral("items-top"), 0);
  input.PopupUp = parser.isSet(QStringLiteral("popup-up"));
  input.SubMenu = parser.isSet(QStringLiteral("submenu"));
  input.Scrolling = parser.isSet(QStringLiteral("scrolling"));
  input.LimitScrolling = parser.isSet(QStringLiteral("limit-scrolling"));
  const TMenuPlacement placed = PlacePopup(input);
  PrintLine(QStringLiteral("%1,%2%3").arg(placed.X).arg(placed.Y).arg(placed.Flipped ? QStringLiteral(" flipped") : QString()));
  return 0;
}

const CliRegistration registration{{"menu-place", "Where the skinned menu places a popup", RunMenuPlace}};

}  // namespace
