#pragma once
// The progress window of long catalogue walks: borderless, always on top,
// reopening where the previous one was left (registry values
// "ProgressFormLeft" and "ProgressFormTop"). Esc reaches only a registered
// cancel target; the window never closes or cancels anything itself.

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <functional>

namespace lrv {

class Registry;

class TfmProgress : public QWidget {
  Q_OBJECT
 public:
  TfmProgress(Registry& registry, QWidget* owner);
  ~TfmProgress() override;

  // The search registers how Esc cancels it; no other caller has a target.
  void SetCancelTarget(std::function<void()> cancel) { cancel_ = std::move(cancel); }

  QLabel* lbCaption;
  QLabel* lbStatus;
  QLabel* lbText;
  QProgressBar* Progress1;
  QProgressBar* Progress2;
  QFrame* pnProgress2;  // grabbing it moves the window

  // Sets a label's text and repaints it at once.
  static void SetAndPaint(QLabel* label, const QString& text);
  // Shows the window without modality and paints it at once.
  void ShowNow();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SavePosition();
  Registry& registry_;
  std::function<void()> cancel_;
  QPoint dragOffset_;
  bool dragging_ = false;
};

// Covers the shutdown: refuses to close until marked closable; shows the
// hourglass while it exists.
class TfmCloseWait : public QWidget {
  Q_OBJECT
 public:
  explicit TfmCloseWait(QWidget* owner = nullptr);
  ~TfmCloseWait() override;
  void SetClosable(bool closable) { closable_ = closable; }
  bool closable() const { return closable_; }
  void ShowNow();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  bool closable_ = false;
};

}  // namespace lrv
