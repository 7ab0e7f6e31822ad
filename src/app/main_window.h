#pragma once
#include <QMainWindow>

namespace lrv {

// The one main window. Its object name and class name are both
// "TfmLrvMain": the single-instance rule looks for a running window by it.
class TfmLrvMain : public QMainWindow {
  Q_OBJECT
 public:
  explicit TfmLrvMain(QWidget* parent = nullptr);
};

}  // namespace lrv
