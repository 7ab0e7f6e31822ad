#include "app/main_window.h"

namespace lrv {

TfmLrvMain::TfmLrvMain(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("TfmLrvMain"));
  setWindowTitle(QStringLiteral("Lorvane 6 Pro"));
  resize(1000, 700);
}

}  // namespace lrv
