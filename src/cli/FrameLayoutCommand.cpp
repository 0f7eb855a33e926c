// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// lumetra-cli frame-layout: runs the frame engine on an off-screen window of a given outer size
// (maximised and rolled up when asked) and prints where everything lands: the client area, the
// moved skin geometry, the frame objects, the hit-test codes of chosen points and the window's
// outline as runs of pixels.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegion>
#include <QRegularExpression>
#include <algorithm>
#include <map>

#include "cli/CliCommand.h"
#include "cli/CliGeometry.h"
#include "cli/OffscreenFrame.h"
#include "cli/SkinSource.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/form/FrameHitTest.h"

namespace {

TPoint ParsePoint(const QString& text) {
  static const QRegularExpression pattern(QStringLiteral("^(-?\\d{1,5}),(-?\\d{1,5})$"));
  const QRegularExpressionMatch m = pattern.match(text);
  if (!m.hasMatch()) throw CliError(QStringLiteral("--hit needs X,Y, not \"%1\"").arg(text));
  return {m.captured(1).toInt(), m.captured(2).toInt()};
}

QString RectText(const TRect& r) { return QStringLiteral("%1,%2,%3,%4").arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom); }

QString KindName(TFrameObjectKind kind) {
  switch (kind) {
    case TFrameObjectKind::Caption: return QStringLiteral("caption");
    case TFrameObjectKind::StdButton: return QStringLiteral("stdbutton");
    case TFrameObjectKind::Button: return QStringLiteral("button");
    case TFrameObjectKind::Animate: return QStringLiteral("animate");
    case TFrameObjectKind::User: break;
  }
  return QStringLiteral("userobject");
}

struct Hit {
  TPoint at;
  int code;
};

// The window's outline as horizontal runs per row, [x0, x1) each, rows top to bottom, only rows
// that have runs; the whole window when it has no region.
using RegionRows = std::map<int, std::vector<std::pair<int, int>>>;

RegionRows RowsOf(const QRegion& region) {
  RegionRows rows;
  for (const QRect& r : region)
    for (int y = r.top(); y <= r.bottom(); ++y) rows[y].push_back({r.left(), r.right() + 1});
  for (auto& [y, runs] : rows) {
    std::sort(runs.begin(), runs.end());
    std::vector<std::pair<int, int>> merged;
    for (const auto& run : runs) {
      if (merged.empty() || run.first > merged.back().second) merged.push_back(run);
      else merged.back().second = std::max(merged.back().second, run.second);
    }
    runs = std::move(merged);
  }
  return rows;
}

RegionRows WindowRegionRows(OffscreenFrame& frame) {
  return RowsOf(frame.form.WindowRgn().value_or(QRegion(0, 0, frame.form.Width(), frame.form.Height())));
}

QJsonArray RegionJson(const RegionRows& rows) {
  QJsonArray list;
  for (const auto& [y, runs] : rows) {
    QJsonArray row;
    for (const auto& [x0, x1] : runs) row.append(QJsonArray{x0, x1});
    list.append(QJsonArray{y, row});
  }
  return list;
}

void PrintJson(OffscreenFrame& frame, const std::vector<Hit>& hits, bool region) {
  TSkinForm& engine = frame.engine;
  const TFrameLayout& layout = engine.Layout();
  QJsonArray points;
  for (const TPoint& p : layout.NewHitTestPoints) points.append(QJsonArray{p.X, p.Y});
  QJsonArray objects;
  for (const auto& o : engine.ObjectList())
    objects.append(QJsonObject{{QStringLiteral("name"), o->IDName},
                               {QStringLiteral("kind"), KindName(o->Kind())},
                               {QStringLiteral("rect"), RectJson(o->ObjectRect)},
                               {QStringLiteral("visible"), o->Visible},
                               {QStringLiteral("enabled"), o->Enabled}});
  QJsonArray hitList;
  for (const Hit& h : hits)
    hitList.append(QJsonObject{{QStringLiteral("x"), h.at.X},
                               {QStringLiteral("y"), h.at.Y},
                               {QStringLiteral("code"), HitTestName(h.code)},
                               {QStringLiteral("value"), h.code}});
  QJsonObject root{
      {QStringLiteral("skinned"), engine.Skinned()},
      {QStringLiteral("rolled_up"), engine.RollUpState()},
      {QStringLiteral("maximized"), engine.SkinWindowState() == TSkinWindowState::Maximized},
      {QStringLiteral("size"), QJsonArray{frame.form.Width(), frame.form.Height()}},
      {QStringLiteral("client"), RectJson(frame.ClientRect())},
      {QStringLiteral("min"), QJsonArray{engine.GetMinWidth(), engine.GetMinHeight()}},
      {QStringLiteral("caption_rect"), RectJson(layout.NewCaptionRect)},
      {QStringLiteral("buttons_rect"), RectJson(layout.NewButtonsRect)},
      {QStringLiteral("hit_test_points"), points},
      {QStringLiteral("mask_rect_area"), RectJson(layout.NewMaskRectArea)},
      {QStringLiteral("objects"), objects},
      {QStringLiteral("hits"), hitList},
  };
  if (region) root.insert(QStringLiteral("region"), RegionJson(WindowRegionRows(frame)));
  WriteOutput(QStringLiteral("-"), QJsonDocument(root).toJson(QJsonDocument::Compact) + '\n');
}

void PrintSummary(OffscreenFrame& frame, const std::vector<Hit>& hits, bool region) {
  TSkinForm& engine = frame.engine;
  const TFrameLayout& layout = engine.Layout();
  const TRect client = frame.ClientRect();
  PrintLine(QStringLiteral("%1 frame, window %2 x %3 (at least %4 x %5)%6%7")
                .arg(engine.Skinned() ? QStringLiteral("skinned") : QStringLiteral("default"))
                .arg(frame.form.Width())
                .arg(frame.form.Height())
                .arg(engine.GetMinWidth())
                .arg(engine.GetMinHeight())
                .arg(engine.SkinWindowState() == TSkinWindowState::Maximized ? QStringLiteral(", maximised")
                                                                              : QString())
                .arg(engine.RollUpState() ? QStringLiteral(", rolled up") : QString()));
  PrintLine(QStringLiteral("client %1 (%2 x %3); frame left %4, top %5, right %6, bottom %7")
                .arg(RectText(client))
                .arg(client.Width())
                .arg(client.Height())
                .arg(client.Left)
                .arg(client.Top)
                .arg(frame.form.Width() - client.Right)
                .arg(frame.form.Height() - client.Bottom));
  if (engine.Skinned()) {
    PrintLine(QStringLiteral("caption rect %1, buttons rect %2, mask area %3")
                  .arg(RectText(layout.NewCaptionRect), RectText(layout.NewButtonsRect), RectText(layout.NewMaskRectArea)));
  }
  PrintLine(QStringLiteral("objects: %1").arg(engine.ObjectList().size()));
  for (const auto& o : engine.ObjectList())
    PrintLine(QStringLiteral("  %1 (%2) %3%4%5")
                  .arg(o->IDName, KindName(o->Kind()), RectText(o->ObjectRect))
                  .arg(o->Visible ? QString() : QStringLiteral(", hidden"))
                  .arg(o->Enabled ? QString() : QStringLiteral(", disabled")));
  for (const Hit& h : hits) PrintLine(QStringLiteral("hit %1,%2: %3").arg(h.at.X).arg(h.at.Y).arg(HitTestName(h.code)));
  if (!region) return;
  for (const auto& [y, runs] : WindowRegionRows(frame)) {
    QStringList parts;
    for (const auto& [x0, x1] : runs) parts << QStringLiteral("%1-%2").arg(x0).arg(x1);
    PrintLine(QStringLiteral("region row %1: %2").arg(y).arg(parts.join(u' ')));
  }
}

int RunFrameLayout(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Runs the frame engine on an off-screen window of the given outer size and prints its layout: the\n"
      "client area, the moved skin geometry, the frame objects and the hit-test codes of --hit points\n"
      "(window coordinates) and, with --region, the window's outline. --maximized and --rolled-up put the\n"
      "window in those states first. The skin is the one built into the program unless a source is\n"
      "given; --no-skin shows the default frame."));
  parser.addOption({QStringLiteral("size"), QStringLiteral("Outer window size."), QStringLiteral("WxH")});
  parser.addOption({QStringLiteral("border-style"),
                    QStringLiteral("bsSingle (default), bsSizeable, bsToolWindow, bsSizeToolWin or bsNone."),
                    QStringLiteral("style")});
  parser.addOption({QStringLiteral("caption"), QStringLiteral("Window caption."), QStringLiteral("text")});
  parser.addOption({QStringLiteral("hit"), QStringLiteral("A point to hit-test (repeatable)."), QStringLiteral("X,Y")});
  parser.addOption({QStringLiteral("no-skin"), QStringLiteral("No skin: the default frame.")});
  parser.addOption(
      {QStringLiteral("maximized"), QStringLiteral("Maximise the window first (to the screen's work area).")});
  parser.addOption({QStringLiteral("rolled-up"), QStringLiteral("Roll the window up to its frame first.")});
  parser.addOption({QStringLiteral("region"),
                    QStringLiteral("Print the window's outline: per row, runs of pixels [x0, x1).")});
  parser.addOption({QStringLiteral("json"), QStringLiteral("Print one JSON object.")});
  AddSkinSourceOptions(parser);
  if (!ParseCommandLine(parser, arguments, 0)) return 0;
  if (!parser.isSet(QStringLiteral("size"))) throw CliError(QStringLiteral("--size WxH is required"));
  const TSize size = ParseSize(parser.value(QStringLiteral("size")), QStringLiteral("--size"));
  std::vector<TPoint> points;
  for (const QString& text : parser.values(QStringLiteral("hit"))) points.push_back(ParsePoint(text));

  TCompressedStoredSkin stored;
  TSkinData skin;
  OffscreenFrameSetup setup;
  setup.skin = LoadSkinOrNone(parser, parser.isSet(QStringLiteral("no-skin")), stored, skin);
  setup.borderStyle = parser.isSet(QStringLiteral("border-style"))
                          ? BorderStyleFromName(parser.value(QStringLiteral("border-style")))
                          : TFormBorderStyle::bsSingle;
  setup.caption = parser.value(QStringLiteral("caption"));
  setup.size = size;
  OffscreenFrame frame(setup);
  if (parser.isSet(QStringLiteral("maximized"))) frame.engine.SetWindowState(TSkinWindowState::Maximized);
  if (parser.isSet(QStringLiteral("rolled-up"))) frame.engine.SetRollUp(true);
  frame.engine.CalcLayout();
  if (frame.engine.Skinned()) frame.engine.ArrangeObjects();
  std::vector<Hit> hits;
  for (const TPoint& p : points) hits.push_back({p, frame.HitTest(p)});
  const bool region = parser.isSet(QStringLiteral("region"));
  if (parser.isSet(QStringLiteral("json"))) PrintJson(frame, hits, region);
  else PrintSummary(frame, hits, region);
  return 0;
}

const CliRegistration registration{
    {"frame-layout", "Print the window frame's layout and hit tests at a given size", RunFrameLayout}};

}  // namespace
