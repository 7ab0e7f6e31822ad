#include "catalogue/ui/restore_tree_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/help_viewer.h"
#include "platform/qt/qt_text.h"

namespace lrv {
namespace {

QString Text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

}  // namespace

TfmRestoreTree::TfmRestoreTree(RestoreSession& session, HelpViewer& help, QWidget* parent)
    : QDialog(parent), session_(session) {
  setObjectName(QStringLiteral("TfmRestoreTree"));
  setWindowTitle(Text(kRestoreWindowCaption));
  setModal(true);

  auto* warning = new QLabel(this);
  warning->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
  auto* damaged = new QLabel(Text(kRestoreWindowDamagedText), this);
  QFont bold = damaged->font();
  bold.setBold(true);
  damaged->setFont(bold);
  auto* reason = new QLabel(Text(kRestoreWindowReasonText), this);
  reason->setWordWrap(true);
  auto* texts = new QVBoxLayout;
  texts->addWidget(damaged);
  texts->addWidget(reason);
  auto* head = new QHBoxLayout;
  head->addWidget(warning, 0, Qt::AlignTop);
  head->addLayout(texts, 1);

  auto* group = new QGroupBox(Text(kRestoreWindowGroup), this);
  cbCopies = new QComboBox(group);
  cbCopies->setObjectName(QStringLiteral("cbCopies"));
  cbCopies->setEditable(false);
  for (const BackupEntry& entry : session_.Entries()) cbCopies->addItem(QString::fromStdString(entry.label));
  cbCopies->setCurrentIndex(session_.InitialChoice());
  auto* listLabel = new QLabel(Text(kRestoreWindowListLabel), group);
  listLabel->setBuddy(cbCopies);
  btRestore = new QPushButton(QStringLiteral("&Восстановить"), group);
  btRestore->setObjectName(QStringLiteral("btRestore"));
  btRestore->setAutoDefault(false);
  auto* row = new QHBoxLayout;
  row->addWidget(cbCopies, 1);
  row->addWidget(btRestore);
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(listLabel);
  groupLayout->addLayout(row);

  btOk = new QPushButton(QStringLiteral("&OK"), this);
  btOk->setObjectName(QStringLiteral("btOk"));
  btOk->setDefault(true);
  btCancel = new QPushButton(QStringLiteral("О&тмена"), this);
  btCancel->setObjectName(QStringLiteral("btCancel"));
  btCancel->setAutoDefault(false);
  btHelp = new QPushButton(QStringLiteral("&Справка"), this);
  btHelp->setObjectName(QStringLiteral("btHelp"));
  btHelp->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(btOk);
  buttons->addWidget(btCancel);
  buttons->addWidget(btHelp);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(head);
  layout->addWidget(group);
  layout->addLayout(buttons);
  setMinimumWidth(460);

  connect(btRestore, &QPushButton::clicked, this, [this] {
    const auto result = session_.btRestoreClick(cbCopies->currentIndex());
    if (result == RestoreSession::RestoreResult::ChooseFirst || result == RestoreSession::RestoreResult::Failed)
      FocusList();
  });
  connect(btOk, &QPushButton::clicked, this, [this] {
    if (session_.btOkClick()) accept();
  });
  connect(btCancel, &QPushButton::clicked, this, [this] {
    session_.btCancelClick();
    QDialog::reject();
  });
  connect(btHelp, &QPushButton::clicked, this, [&help] { help.ShowContext(kRestoreWindowHelp); });
}

void TfmRestoreTree::reject() {
  session_.btCancelClick();
  QDialog::reject();
}

void TfmRestoreTree::FocusList() {
  cbCopies->setFocus();
  QTimer::singleShot(0, cbCopies, &QComboBox::showPopup);
}

void RestoreWindowChooser::Run(RestoreSession& session) {
  TfmRestoreTree window(session, help_, parent_);
  window.exec();
}

}  // namespace lrv
