#include "viewer/ui/find_bar.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>
#include <QWebEngineFindTextResult>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace lrv::viewer {
namespace {

QToolButton* BarButton(QWidget* parent, const char* name, const QString& hint, QStyle::StandardPixmap icon) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(hint);
  button->setAutoRaise(true);
  button->setIcon(parent->style()->standardIcon(icon));
  return button;
}

}  // namespace

FindBar::FindBar(QWebEngineView* browser) : QFrame(browser), browser_(browser) {
  setObjectName(QStringLiteral("FindBar"));
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 3, 3, 3);
  auto* label = new QLabel(QStringLiteral("&Найти:"), this);
  box_ = new QLineEdit(this);
  box_->setObjectName(QStringLiteral("edFindText"));
  box_->setMinimumWidth(200);
  box_->setClearButtonEnabled(true);
  label->setBuddy(box_);
  matches_ = new QLabel(this);
  matches_->setObjectName(QStringLiteral("lbFindMatches"));
  matches_->setMinimumWidth(80);
  QToolButton* previous = BarButton(this, "btFindPrevious", QStringLiteral("Предыдущее (Shift+F3)"), QStyle::SP_ArrowUp);
  QToolButton* next = BarButton(this, "btFindNext", QStringLiteral("Следующее (F3)"), QStyle::SP_ArrowDown);
  QToolButton* close = BarButton(this, "btFindClose", QStringLiteral("Закрыть (Esc)"), QStyle::SP_TitleBarCloseButton);
  layout->addWidget(label);
  layout->addWidget(box_, 1);
  layout->addWidget(matches_);
  layout->addWidget(previous);
  layout->addWidget(next);
  layout->addWidget(close);

  connect(box_, &QLineEdit::textEdited, this, [this] { Find(false); });
  connect(previous, &QToolButton::clicked, this, [this] { Find(true); });
  connect(next, &QToolButton::clicked, this, [this] { Find(false); });
  connect(close, &QToolButton::clicked, this, &FindBar::Close);
  connect(browser_->page(), &QWebEnginePage::findTextFinished, this, [this](const QWebEngineFindTextResult& result) {
    // The clearing search of a closed bar answers too.
    if (isHidden() || box_->text().isEmpty()) matches_->clear();
    else if (result.numberOfMatches() == 0) matches_->setText(QStringLiteral("Не найдено"));
    else matches_->setText(QStringLiteral("%1 из %2").arg(result.activeMatch()).arg(result.numberOfMatches()));
  });
  // A new page starts without marks; the bar stays for the next search.
  connect(browser_->page(), &QWebEnginePage::loadStarted, matches_, &QLabel::clear);
  box_->installEventFilter(this);
  browser_->installEventFilter(this);
  hide();
}

void FindBar::Open() {
  Place();
  show();
  raise();
  box_->setFocus(Qt::ShortcutFocusReason);
  box_->selectAll();
  if (!box_->text().isEmpty()) Find(false);
}

void FindBar::Close() {
  hide();
  matches_->clear();
  browser_->page()->findText(QString());
  browser_->setFocus(Qt::OtherFocusReason);
}

void FindBar::FindNext(bool backward) { Find(backward); }

QString FindBar::MatchText() const { return matches_->text(); }

void FindBar::Find(bool backward) {
  const QString text = box_->text();
  if (text.isEmpty()) {
    matches_->clear();
    browser_->page()->findText(QString());
    return;
  }
  browser_->page()->findText(text, backward ? QWebEnginePage::FindBackward : QWebEnginePage::FindFlags());
}

void FindBar::Place() {
  adjustSize();
  const int x = std::max(0, browser_->width() - width() - 16);
  move(x, 0);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == browser_) {
    if (event->type() == QEvent::Resize && isVisible()) Place();
    return false;
  }
  if (watched != box_) return false;
  if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  const bool shift = key->modifiers() & Qt::ShiftModifier;
  const bool handled = key->key() == Qt::Key_Escape || key->key() == Qt::Key_Return ||
                       key->key() == Qt::Key_Enter || key->key() == Qt::Key_F3;
  if (!handled) return false;
  // The window's shortcuts (Esc stops loading, F3 opens the search) wait
  // while the bar has the focus.
  if (event->type() == QEvent::ShortcutOverride) {
    event->accept();
    return true;
  }
  if (key->key() == Qt::Key_Escape) Close();
  else Find(shift);
  return true;
}

}  // namespace lrv::viewer
