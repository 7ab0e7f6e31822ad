#pragma once
// The find bar over the page (acSearchInArticlesText): a small panel in the
// browser's top right corner. Typing finds as you type, Enter and F3 go to
// the next match, Shift+Enter and Shift+F3 to the previous one, Esc closes
// the bar and clears the marks.

#include <QFrame>

class QLabel;
class QLineEdit;
class QWebEngineView;

namespace lrv::viewer {

class FindBar : public QFrame {
  Q_OBJECT
 public:
  explicit FindBar(QWebEngineView* browser);

  // Shows the bar with the focus in its box (the box's text selected).
  void Open();
  void Close();
  void FindNext(bool backward = false);
  QLineEdit* Box() const { return box_; }
  // "3 из 7", "Не найдено" or empty.
  QString MatchText() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Place();
  void Find(bool backward);

  QWebEngineView* browser_;
  QLineEdit* box_;
  QLabel* matches_;
};

}  // namespace lrv::viewer
