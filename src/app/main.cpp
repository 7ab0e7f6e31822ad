#include <QApplication>

#include "app/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lorvane 6 Pro"));
  lrv::TfmLrvMain window;
  window.show();
  return QApplication::exec();
}
