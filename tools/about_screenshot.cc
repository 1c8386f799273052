// Saves a screenshot of the About window, as the windowing system draws it,
// to the PNG file named on the command line. It needs a real display:
// scripts/screenshot.sh --about runs it on a private X server.
#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "ui/about/frm_about.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
    return 2;
  }
  const QString output = QString::fromLocal8Bit(argv[1]);
  frmAbout window;
  int status = 1;
  QTimer::singleShot(1000, &window, [&] {
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    status = shot.save(output, "PNG") ? 0 : 1;
    window.accept();
  });
  window.exec();
  return status;
}
