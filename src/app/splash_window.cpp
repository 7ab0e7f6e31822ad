#include "app/splash_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include "base/paths.h"
#include "platform/os_version_text.h"
#include "platform/shell.h"
#include "platform/system_info.h"

namespace lrv {
namespace {

constexpr int kWidth = 448;
constexpr int kHeight = 230;

QPixmap SplashPicture() {
  QPixmap picture(kWidth, kHeight);
  QPainter p(&picture);
  QLinearGradient sky(0, 0, 0, kHeight);
  sky.setColorAt(0, QColor(32, 58, 110));
  sky.setColorAt(1, QColor(12, 24, 52));
  p.fillRect(picture.rect(), sky);
  // A shelf of book spines: the archive.
  const QColor spines[] = {QColor(196, 120, 52), QColor(84, 140, 92), QColor(150, 60, 60),
                           QColor(200, 170, 80), QColor(90, 110, 170)};
  for (int i = 0; i < 14; ++i) {
    const int h = 70 + (i * 37) % 40;
    p.fillRect(300 + i * 10, 150 - h, 8, h, spines[i % 5]);
  }
  p.fillRect(290, 150, 150, 4, QColor(220, 220, 220));
  p.setPen(QColor(255, 255, 255));
  QFont title(QStringLiteral("DejaVu Sans"), 22, QFont::Bold);
  p.setFont(title);
  p.drawText(QRect(20, 14, 280, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Lorvane 6 Pro"));
  QFont sub(QStringLiteral("DejaVu Sans"), 9);
  p.setFont(sub);
  p.setPen(QColor(200, 210, 230));
  p.drawText(QRect(22, 50, 280, 20), Qt::AlignLeft, QStringLiteral("Архив статей по программированию"));
  return picture;
}

QLabel* TextLabel(QWidget* parent, const QString& text, QRect where, const char* name = nullptr) {
  auto* label = new QLabel(text, parent);
  if (name) label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(where);
  label->setAttribute(Qt::WA_TranslucentBackground);
  label->setStyleSheet(QStringLiteral("color: #e8eef8; background: transparent;"));
  return label;
}

void MakeLink(QLabel* label, const QString& hint) {
  label->setCursor(Qt::PointingHandCursor);
  label->setToolTip(hint);
  label->setStyleSheet(QStringLiteral("color: #9fd0ff; background: transparent; text-decoration: underline;"));
}

}  // namespace

TfmSplash::TfmSplash(SystemInfo& systemInfo, Shell& shell, QWidget* owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint), shell_(shell) {
  setObjectName(QStringLiteral("TfmSplash"));
  setFixedSize(kWidth, kHeight);
  QPainterPath rounded;
  rounded.addRoundedRect(QRectF(0, 0, kWidth, kHeight), 8.5, 8.5);
  setMask(QRegion(rounded.toFillPolygon().toPolygon()));

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setPixmap(SplashPicture());
  Image1->setGeometry(0, 0, kWidth, kHeight);
  Image1->installEventFilter(this);

  imPhoto = new QLabel(this);
  imPhoto->setObjectName(QStringLiteral("imPhoto"));
  imPhoto->setGeometry(330, 160, 100, 60);
  imPhoto->installEventFilter(this);
  imPhoto->hide();

  TextLabel(this, QStringLiteral("Разработчик:"), {22, 88, 100, 16});
  TextLabel(this, QStringLiteral("Лорвейн-софт, Новосибирск"), {122, 88, 180, 16});
  TextLabel(this, QStringLiteral("E-mail:"), {22, 106, 100, 16});
  lbEmail = TextLabel(this, QString::fromLatin1(kProjectEmail.data(), kProjectEmail.size()), {122, 106, 200, 16},
                      "lbEmail");
  MakeLink(lbEmail, QStringLiteral("Написать письмо"));
  TextLabel(this, QStringLiteral("URL:"), {22, 124, 100, 16});
  lbSite = TextLabel(this, QString::fromStdString(ProjectSiteRoot()), {122, 124, 200, 16}, "lbSite");
  MakeLink(lbSite, QStringLiteral("Перейти на сайт проекта"));
  auto* rights = TextLabel(this, QStringLiteral("© 2026 Лорвейн-софт. Все права защищены."), {22, 148, 276, 16});
  QFont small = rights->font();
  small.setPointSizeF(small.pointSizeF() * 0.85);
  rights->setFont(small);
  for (QLabel* link : {lbEmail, lbSite}) link->installEventFilter(this);

  lbWin = TextLabel(this, QString::fromStdString(OsVersionLine(systemInfo.Version())), {22, 180, 300, 16}, "lbWin");
  lbMem = TextLabel(this,
                    QString::fromStdString(MemoryLine(systemInfo.PhysicalMemoryBytes(),
                                                      QLocale::system().groupSeparator().toStdString())),
                    {22, 198, 300, 16}, "lbMem");
  lbThanks = TextLabel(this, QStringLiteral("Благодарности"), {330, 200, 100, 16}, "lbThanks");
  lbThanks->setCursor(Qt::PointingHandCursor);
  lbThanks->hide();

  const QRect screen = QApplication::primaryScreen()->geometry();
  move(screen.center() - rect().center());
}

void TfmSplash::ShowNow() {
  show();
  repaint();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfmSplash::closeEvent(QCloseEvent* event) {
  if (closable_) event->accept();
  else event->ignore();
}

void TfmSplash::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape) {
    close();  // refused while not closable
    return;
  }
  QWidget::keyPressEvent(event);
}

bool TfmSplash::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    if (watched == lbEmail) {
      shell_.OpenUrl("mailto:" + lbEmail->text().toStdString());
      return true;
    }
    if (watched == lbSite) {
      shell_.OpenUrl(lbSite->text().toStdString());
      return true;
    }
    if (watched == Image1 || watched == imPhoto) {
      close();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace lrv
