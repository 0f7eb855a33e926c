// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/MenuRender.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/CliCommand.h"
#include "cli/CliGeometry.h"
#include "cli/PngOutput.h"
#include "cli/SkinSource.h"
#include "platform/Bitmap.h"
#include "platform/Menus.h"
#include "skin/controls/SkinWindowOS.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/menus/SkinPopupContent.h"

namespace {

const QStringList kMenuOnlyOptions{QStringLiteral("select"), QStringLiteral("max-items"), QStringLiteral("json")};

// One ITEMS entry as a menu item.
std::unique_ptr<TMenuItem> ParseEntry(QString entry) {
  auto item = std::make_unique<TMenuItem>();
  if (const qsizetype equals = entry.lastIndexOf(u'='); equals > 0) {
    item->Name = entry.mid(equals + 1);
    entry.truncate(equals);
  }
  for (; entry.size() > 1 && (entry[0] == u'!' || entry[0] == u'*'); entry.remove(0, 1)) {
    if (entry[0] == u'!') item->Enabled = false;
    else item->Checked = true;
  }
  if (entry.size() > 1 && entry.endsWith(u'>')) {
    entry.chop(1);
    item->Add(QStringLiteral("x"));
  }
  if (const qsizetype tab = entry.indexOf(QStringLiteral("\\t")); tab >= 0) {
    const QString text = entry.mid(tab + 2);
    item->ShortCut = TextToShortCut(text);
    if (item->ShortCut == scNone) throw CliError(QStringLiteral("\"%1\" is not a shortcut").arg(text));
    entry.truncate(tab);
  }
  if (entry.isEmpty()) throw CliError(QStringLiteral("an entry of --menu has no caption"));
  item->Caption = entry;
  return item;
}

void BuildMenu(const QString& items, TMenu& menu) {
  for (const QString& entry : items.split(u'|')) menu.Items().Add(ParseEntry(entry));
}


QByteArray ContentJson(const TSkinPopupContent& content) {
  QJsonArray items;
  for (int i = 0; i < content.Count(); ++i) {
    const TSkinMenuItem& item = content.Item(i);
    items.append(QJsonObject{{QStringLiteral("caption"), item.Caption()},
                             {QStringLiteral("rect"), RectJson(item.Rect)},
                             {QStringLiteral("shown"), item.Shown},
                             {QStringLiteral("selectable"), item.Selectable()}});
  }
  const QJsonObject root{{QStringLiteral("width"), content.Width()},
                         {QStringLiteral("height"), content.Height()},
                         {QStringLiteral("scrolling"), content.Scrolling()},
                         {QStringLiteral("limit_scrolling"), content.LimitScrolling()},
                         {QStringLiteral("items_rect"), RectJson(content.ResizedItemsRect())},
                         {QStringLiteral("items"), items}};
  return QJsonDocument(root).toJson(QJsonDocument::Compact) + '\n';
}

}  // namespace

void AddMenuRenderOptions(QCommandLineParser& parser) {
  parser.addOption({QStringLiteral("menu"), QStringLiteral("Draw the level-0 popup of a menu with these items."),
                    QStringLiteral("ITEMS")});
  parser.addOption({QStringLiteral("select"), QStringLiteral("Highlight line I (from 0) as the pointer would."),
                    QStringLiteral("I")});
  parser.addOption({QStringLiteral("max-items"), QStringLiteral("At most N lines in the popup; the rest scroll."),
                    QStringLiteral("N")});
  parser.addOption({QStringLiteral("json"), QStringLiteral("Print the popup's geometry as one JSON object.")});
}

void RejectMenuRenderOptions(const QCommandLineParser& parser) {
  for (const QString& option : kMenuOnlyOptions)
    if (parser.isSet(option)) throw CliError(QStringLiteral("--%1 goes with --menu").arg(option));
}

int RunMenuRender(const QCommandLineParser& parser) {
  for (const char* other : {"control", "size", "frame", "inactive"})
    if (parser.isSet(QLatin1String(other))) throw CliError(QStringLiteral("--%1 does not go with --menu").arg(other));
  const bool json = parser.isSet(QStringLiteral("json"));
  const QString out = parser.value(QStringLiteral("output"));
  if (out == QStringLiteral("-")) throw CliError(QStringLiteral("-o needs a file name"));
  if (out.isEmpty() && !json) throw CliError(QStringLiteral("give -o OUT.png, --json or both"));
  const int maxItems = IntOption(parser, QStringLiteral("max-items"), 0);
  if (maxItems < 0) throw CliError(QStringLiteral("--max-items cannot be negative"));

  TCompressedStoredSkin stored;
  TSkinData skin;
  TSkinData* const shown = LoadSkinOrNone(parser, parser.isSet(QStringLiteral("no-skin")), stored, skin);

  TPopupMenu menu;
  BuildMenu(parser.value(QStringLiteral("menu")), menu);
  TSkinMenuSettings settings;
  settings.MaxMenuItemsInWindow = maxItems;
  TSkinPopupContent content;
  content.Build(SkinMenuLookOf(shown, settings), settings, menu.Items(), 0,
                WorkAreaForWindow(nullptr, true));
  // The opening highlights the first selectable line; the pointer moves the highlight.
  int highlighted = -1;
  for (int i = 0; i < content.Count() && highlighted < 0; ++i)
    if (content.Item(i).Selectable()) highlighted = i;
  if (parser.isSet(QStringLiteral("select"))) {
    const int index = IntOption(parser, QStringLiteral("select"), -1);
    if (index < 0 || index >= content.Count())
      throw CliError(QStringLiteral("--select needs a line from 0 to %1").arg(content.Count() - 1));
    highlighted = content.Item(index).Selectable() ? index : -1;
  }
  if (highlighted >= 0) {
    content.Item(highlighted).Highlighted = true;
    content.Item(highlighted).SettleEffects(content.Look());
  }

  if (!out.isEmpty()) {
    TBitmap picture;
    content.Paint(picture);
    SavePng(picture.Image(), out);
    const QString region = content.Region()
                               ? SaveRegionPicture(*content.Region(), content.Width(), content.Height(), out)
                               : QString();
    if (!json) {
      PrintLine(QStringLiteral("%1: menu %2 x %3%4")
                    .arg(out)
                    .arg(content.Width())
                    .arg(content.Height())
                    .arg(content.Look().Skinned() ? QString() : QStringLiteral(", built-in look")));
      PrintLine(region.isEmpty() ? QStringLiteral("no region: the popup keeps its full rectangle")
                                 : QStringLiteral("%1: region").arg(region));
    }
  }
  if (json) WriteOutput(QStringLiteral("-"), ContentJson(content));
  return 0;
}
