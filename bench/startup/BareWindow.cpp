// lumetra-bare-window: the yardstick of the start-up comparison, a plain Qt widget window of the
// given size (default 555 x 392, the console's outer size) and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = QApplication::arguments();
  const int width = args.size() > 2 ? args[1].toInt() : 555;
  const int height = args.size() > 2 ? args[2].toInt() : 392;
  QWidget window;
  window.resize(width, height);
  window.show();
  return QApplication::exec();
}
