// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "SkinnedWindowFixture.h"

#include <QApplication>

#include "skin/data/StoredSkinData.h"
#include "support/FileBytes.h"
#include "support/PointerEvents.h"

void WriteSkinFolder(const std::vector<std::pair<QString, QImage>>& pictures, const QByteArray& ini) {
  QImage picture(320, 120, QImage::Format_RGB32);
  picture.fill(qRgb(40, 90, 160));
  ASSERT_TRUE(picture.save(QStringLiteral("main.bmp"), "BMP"));
  for (const auto& [name, image] : pictures) ASSERT_TRUE(image.save(name, "BMP")) << name.toStdString();
  WriteBytes(QStringLiteral("skin.ini"), ini);
}

void SkinnedWindowTest::SetUp() {
  form.SetBorderStyle(TFormBorderStyle::bsSingle);
  form.SetCaption(QStringLiteral("Lumetra2.0版"));
  engine.SetBorderIcons(biRollUp);
  engine.SetSkinData(&skin);
  stored.SetCompressedData(StoredSkinCompressedData());
  skin.SetCompressedStoredSkin(&stored);
  ASSERT_TRUE(engine.Skinned());
  form.SetClientSize(530, 337);
  form.SetLeft(100);
  form.SetTop(80);
}

void SkinnedWindowTest::ShowActive() {
  form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Window()));
  QApplication::setActiveWindow(form.Window());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.Window()));
  ASSERT_TRUE(form.Active());
}

QPoint SkinnedWindowTest::Global(int x, int y) const { return form.Window()->geometry().topLeft() + QPoint(x, y); }

int SkinnedWindowTest::HitAt(int x, int y) {
  return int(form.Perform(WM_NCHITTEST, 0, PointToLParam({form.Left() + x, form.Top() + y})));
}

void SkinnedWindowTest::Pointer(QEvent::Type type, QPoint global, Qt::MouseButton button) {
  if (type == QEvent::MouseButtonPress) clock += 1000;
  SendPointer(form.Window(), type, global, button, held, clock);
}

void SkinnedWindowTest::MoveTo(int x, int y) { Pointer(QEvent::MouseMove, Global(x, y), Qt::NoButton); }

void SkinnedWindowTest::Press(int x, int y, Qt::MouseButton button) {
  held |= button;
  Pointer(QEvent::MouseButtonPress, Global(x, y), button);
}

void SkinnedWindowTest::Release(int x, int y, Qt::MouseButton button) {
  held &= ~button;
  Pointer(QEvent::MouseButtonRelease, Global(x, y), button);
}

// Press, release, the double click in place of the second press, and its release, as the
// toolkit reports a double click.
void SkinnedWindowTest::DoubleClick(int x, int y) {
  Press(x, y);
  Release(x, y);
  held |= Qt::LeftButton;
  clock += 100;
  Pointer(QEvent::MouseButtonDblClick, Global(x, y), Qt::LeftButton);
  Release(x, y);
}

void SkinnedWindowTest::Click(int x, int y, Qt::MouseButton button) {
  MoveTo(x, y);
  Poll();
  Press(x, y, button);
  Release(x, y, button);
}

int SkinnedWindowTest::RunMorph(int limit) {
  int ticks = 0;
  while (engine.FrameMorphTimer().Active() && ticks < limit) {
    engine.FrameMorphTimer().Tick();
    ++ticks;
  }
  return ticks;
}

const TActiveSkinObject& SkinnedWindowTest::Object(const QString& name) const {
  for (const auto& o : engine.ObjectList())
    if (o->IDName == name) return *o;
  ADD_FAILURE() << "no object " << name.toStdString();
  return *engine.ObjectList().front();
}

TSkinButtonObject& SkinnedWindowTest::Button(const QString& name) {
  return const_cast<TSkinButtonObject&>(static_cast<const TSkinButtonObject&>(Object(name)));
}

QImage SkinnedWindowTest::Frame() { return form.FrameImage().convertToFormat(QImage::Format_RGB32); }

QImage SkinnedWindowTest::Shown(const QString& name) { return Frame().copy(Object(name).ObjectRect.ToQRect()); }

QImage SkinnedWindowTest::Look(const TBitmap& picture, const TRect& r) {
  return picture.Image().copy(r.ToQRect()).convertToFormat(QImage::Format_RGB32);
}
