#include "app/progress_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QWindow>
#include <QVBoxLayout>

#include "platform/registry.h"

namespace lrv {
namespace {

constexpr int kProgressWidth = 366;
constexpr int kProgressHeight = 114;

QFrame* BevelPanel(QWidget* parent, const char* name) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Raised);
  return panel;
}

void PaintNow(QWidget* w) {
  w->repaint();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

TfmProgress::TfmProgress(Registry& registry, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), registry_(registry) {
  setObjectName(QStringLiteral("TfmProgress"));
  setFixedSize(kProgressWidth, kProgressHeight);

  auto* panel1 = BevelPanel(this, "Panel1");
  auto* pnProgress1 = BevelPanel(panel1, "pnProgress1");
  pnProgress2 = BevelPanel(pnProgress1, "pnProgress2");
  pnProgress1->setFrameShadow(QFrame::Sunken);
  for (auto [outer, inner] : {std::pair<QWidget*, QWidget*>{this, panel1}, {panel1, pnProgress1},
                              {pnProgress1, pnProgress2}}) {
    auto* layout = new QVBoxLayout(outer);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(inner);
  }

  lbCaption = new QLabel(QStringLiteral("Перемещение"), pnProgress2);
  lbCaption->setObjectName(QStringLiteral("lbCaption"));
  lbStatus = new QLabel(pnProgress2);
  lbStatus->setObjectName(QStringLiteral("lbStatus"));
  lbStatus->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lbStatus->setFixedWidth(110);
  lbText = new QLabel(pnProgress2);
  lbText->setObjectName(QStringLiteral("lbText"));
  lbText->setFixedWidth(kProgressWidth - 30);
  Progress1 = new QProgressBar(pnProgress2);
  Progress1->setObjectName(QStringLiteral("Progress1"));
  Progress2 = new QProgressBar(pnProgress2);
  Progress2->setObjectName(QStringLiteral("Progress2"));
  for (auto* bar : {Progress1, Progress2}) {
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    bar->setFixedHeight(12);
  }

  auto* top = new QHBoxLayout;
  top->addWidget(lbCaption, 1);
  top->addWidget(lbStatus);
  auto* inner = new QVBoxLayout(pnProgress2);
  inner->setContentsMargins(8, 6, 8, 6);
  inner->addLayout(top);
  inner->addWidget(lbText);
  inner->addWidget(Progress1);
  inner->addWidget(Progress2);
  pnProgress2->installEventFilter(this);
  for (QWidget* child : pnProgress2->findChildren<QWidget*>()) child->installEventFilter(this);

  // Centred first; a stored position (even off screen) wins.
  const QRect screen = (owner && owner->screen() ? owner->screen() : QApplication::primaryScreen())->geometry();
  int left = (screen.width() - kProgressWidth) / 2;
  int top_ = (screen.height() - kProgressHeight) / 2;
  if (registry_.KeyExists(RegistryRoot::CurrentUser, kSettingsKey)) {
    if (auto v = registry_.ReadInteger(RegistryRoot::CurrentUser, kSettingsKey, "ProgressFormLeft")) left = *v;
    if (auto v = registry_.ReadInteger(RegistryRoot::CurrentUser, kSettingsKey, "ProgressFormTop")) top_ = *v;
  }
  move(left, top_);
}

TfmProgress::~TfmProgress() {
  // Destroying hides first, and every hiding records the position.
  if (isVisible()) SavePosition();
}

void TfmProgress::SetAndPaint(QLabel* label, const QString& text) {
  label->setText(text);
  label->repaint();
}

void TfmProgress::ShowNow() {
  show();
  raise();
  PaintNow(this);
}

void TfmProgress::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && cancel_) cancel_();
  event->accept();  // no key closes the window
}

void TfmProgress::hideEvent(QHideEvent* event) {
  SavePosition();
  QWidget::hideEvent(event);
}

void TfmProgress::SavePosition() {
  if (!registry_.CreateKey(RegistryRoot::CurrentUser, kSettingsKey)) return;
  registry_.WriteInteger(RegistryRoot::CurrentUser, kSettingsKey, "ProgressFormLeft", x());
  registry_.WriteInteger(RegistryRoot::CurrentUser, kSettingsKey, "ProgressFormTop", y());
}

bool TfmProgress::eventFilter(QObject* watched, QEvent* event) {
  // Grabbing the inner panel moves the window as its missing title bar would.
  if (event->type() == QEvent::MouseButtonPress) {
    auto* e = static_cast<QMouseEvent*>(event);
    if (e->button() == Qt::LeftButton) {
      if (windowHandle() && windowHandle()->startSystemMove()) return true;
      dragging_ = true;
      dragOffset_ = e->globalPosition().toPoint() - frameGeometry().topLeft();
      return true;
    }
  } else if (event->type() == QEvent::MouseMove && dragging_) {
    move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - dragOffset_);
    return true;
  } else if (event->type() == QEvent::MouseButtonRelease && dragging_) {
    dragging_ = false;
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

TfmCloseWait::TfmCloseWait(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("TfmCloseWait"));
  setFixedSize(230, 71);
  auto* frame = BevelPanel(this, "Panel1");
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(frame);
  auto* icon = new QLabel(frame);
  icon->setPixmap(style()->standardIcon(QStyle::SP_BrowserReload).pixmap(32, 32));
  auto* title = new QLabel(QStringLiteral("Завершение"), frame);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  auto* wait = new QLabel(QStringLiteral("Пожалуйста, подождите..."), frame);
  auto* texts = new QVBoxLayout;
  texts->addWidget(title);
  texts->addWidget(wait);
  auto* row = new QHBoxLayout(frame);
  row->addWidget(icon);
  row->addLayout(texts, 1);
  const QRect screen = QApplication::primaryScreen()->geometry();
  move(screen.center() - rect().center());
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

TfmCloseWait::~TfmCloseWait() { QApplication::restoreOverrideCursor(); }

void TfmCloseWait::ShowNow() {
  show();
  PaintNow(this);
}

void TfmCloseWait::closeEvent(QCloseEvent* event) {
  if (closable_) event->accept();
  else event->ignore();
}

}  // namespace lrv
