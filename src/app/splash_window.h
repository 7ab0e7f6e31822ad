#pragma once
// The splash shown while the main window is created; also the About box.
// Borderless, 448 x 230 with rounded corners; refuses to close until the
// closable flag is set.

#include <QLabel>
#include <QWidget>

namespace lrv {

class Shell;
class SystemInfo;

class TfmSplash : public QWidget {
  Q_OBJECT
 public:
  TfmSplash(SystemInfo& systemInfo, Shell& shell, QWidget* owner = nullptr);

  void SetClosable(bool closable) { closable_ = closable; }
  bool closable() const { return closable_; }
  // Shows the window and paints it at once (start-up: no event loop yet).
  void ShowNow();

  QLabel* Image1;
  QLabel* lbEmail;
  QLabel* lbSite;
  QLabel* lbWin;
  QLabel* lbMem;
  QLabel* imPhoto;
  QLabel* lbThanks;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Shell& shell_;
  bool closable_ = false;
};

}  // namespace lrv
