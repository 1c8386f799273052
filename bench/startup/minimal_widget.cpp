// The yardstick for start-up cost: the least a Qt Widgets program does to
// put a window on the screen. With the argument "--caption" the window also
// shows one line of text, which separates the cost of the font system (font
// database, fontconfig, FreeType) from that of the rest of a real window.
#include <QApplication>
#include <QLabel>
#include <QString>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Minimal"));
  if (QApplication::arguments().contains(QStringLiteral("--caption"))) {
    auto* caption = new QLabel(QStringLiteral("Caption"), &window);
    caption->move(8, 8);
  }
  window.show();
  return QApplication::exec();
}
