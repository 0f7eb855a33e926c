// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// lumetra-menu-show: a window whose right click opens a skinned menu, for looking at the menu on
// a real screen. Keys reach the open menu as the skinned window will pass them on.
//   lumetra-menu-show [--no-skin] [--open X,Y]
// --open shows the menu at that screen point at once; choosing "Close" ends the program.
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <cstdio>

#include "platform/Form.h"
#include "platform/Menus.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/StoredSkinData.h"
#include "skin/menus/SkinMenu.h"

namespace {

// Qt keys to the virtual keys the menu takes.
int VirtualKey(const QKeyEvent& key) {
  switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Down: return VK_DOWN;
    default: return key.key() < 0x80 ? QChar(key.key()).toUpper().unicode() : 0;
  }
}

class MenuWindow : public QObject {
 public:
  MenuWindow(TSkinData* skin) : skin_(skin) {
    form_.SetCaption(QStringLiteral("Menu"));
    form_.SetClientSize(320, 200);
    form_.Window()->move(40, 40);
    TMenuItem& root = items_.Items();
    root.Add(QStringLiteral("Ro&llUp"), QStringLiteral("SF_ROLLUP"));
    root.Add(QStringLiteral("&Restore"), QStringLiteral("SF_RESTORE"))->Enabled = false;
    root.Add(QStringLiteral("-"));
    TMenuItem* view = root.Add(QStringLiteral("&View"));
    view->Add(QStringLiteral("&Grid"))->Checked = true;
    TMenuItem* lines = view->Add(QStringLiteral("&Lines"));
    lines->Checked = lines->RadioItem = true;
    view->Add(QStringLiteral("&Zoom"))->ShortCut = ShortCut('Z', scCtrl);
    root.Add(QStringLiteral("-"));
    TMenuItem* close = root.Add(QStringLiteral("&Close"), QStringLiteral("SF_CLOSE"));
    close->ShortCut = ShortCut(0x73, scAlt);
    close->OnClick = [](TMenuItem*) { QTimer::singleShot(0, qApp, &QCoreApplication::quit); };
    for (TMenuItem* item : {root.Items(0), view->Items(0), view->Items(2)})
      item->OnClick = [](TMenuItem* sender) { std::printf("chose %s\n", qPrintable(sender->Caption)); };
    form_.Client()->installEventFilter(this);
    qApp->installEventFilter(this);
    form_.Show();
  }

  void OpenAt(const QPoint& point) { menu_.PopupAt(skin_, &items_.Items(), point.x(), point.y()); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == form_.Client() && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
      OpenAt(QCursor::pos());
      return true;
    }
    if (event->type() == QEvent::KeyPress && menu_.Visible()) {
      if (const int key = VirtualKey(*static_cast<QKeyEvent*>(event))) menu_.KeyDown(key);
      return true;
    }
    return false;
  }

 private:
  TSkinData* skin_;
  TForm form_;
  TPopupMenu items_;
  TSkinMenu menu_{&form_};
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  TCompressedStoredSkin stored;
  TSkinData skin;
  const bool skinned = !args.contains(QStringLiteral("--no-skin"));
  if (skinned) {
    stored.SetCompressedData(StoredSkinCompressedData());
    skin.SetCompressedStoredSkin(&stored);
  }
  MenuWindow window(skinned ? &skin : nullptr);
  if (const qsizetype at = args.indexOf(QStringLiteral("--open")); at >= 0 && at + 1 < args.size()) {
    const QStringList xy = args[at + 1].split(u',');
    const QPoint point(xy.value(0).toInt(), xy.value(1).toInt());
    QTimer::singleShot(300, [&] { window.OpenAt(point); });
  }
  return app.exec();
}
