// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// lumetra-bare-window: the yardsticks of the start-up comparison, plain Qt widget windows of the
// given size (default 555 x 392, the console's outer size).
//   lumetra-bare-window [WIDTH HEIGHT] [--chinese]
// Alone it is an empty window, which draws no text at all. With --chinese it also holds four
// plain controls with Chinese text in the console's faces (a label, an editor, an editable list
// and a button), to tell what any window with such text costs from what the console adds.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

namespace {

QFont Face(const QStringList& families, int pixels) {
  QFont font;
  font.setFamilies(families);
  font.setPixelSize(pixels);
  return font;
}

void AddChineseControls(QWidget& window) {
  window.setFont(Face({QStringLiteral("AR PL UMing CN")}, 16));
  (new QLabel(QStringLiteral("编辑信息："), &window))->setGeometry(8, 2, 80, 16);
  (new QPlainTextEdit(&window))->setGeometry(3, 21, 250, 235);
  auto* modes = new QComboBox(&window);
  modes->setEditable(true);
  modes->addItems({QStringLiteral("立即显示"), QStringLiteral("向左移入")});
  modes->setGeometry(324, 280, 109, 21);
  auto* button = new QPushButton(QStringLiteral("调入文件"), &window);
  button->setFont(Face({QStringLiteral("Liberation Sans"), QStringLiteral("WenQuanYi Zen Hei")}, 12));
  button->setGeometry(8, 272, 75, 25);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QStringList args = QApplication::arguments();
  const bool chinese = args.removeAll(QStringLiteral("--chinese")) > 0;
  const int width = args.size() > 2 ? args[1].toInt() : 555;
  const int height = args.size() > 2 ? args[2].toInt() : 392;
  QWidget window;
  window.resize(width, height);
  if (chinese) AddChineseControls(window);
  window.show();
  return QApplication::exec();
}
