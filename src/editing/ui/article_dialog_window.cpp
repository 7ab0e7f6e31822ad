#include "editing/ui/article_dialog_window.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/paths.h"
#include "catalogue/catalogue_rules.h"
#include "editing/ui/dialog_support.h"
#include "editing/ui/tree_images.h"
#include "platform/qt/qt_text.h"
#include "platform/shell.h"

namespace lrv {
namespace {

constexpr int kClientWidth = 454;
constexpr int kClientHeight = 256;

// "Описание|маска|..." as the file dialogs of Qt take it: "Описание;;...".
QString FileDialogFilter() {
  const QStringList parts = FromUtf8(std::string(kArticleFileFilter)).split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) filters << parts[i];
  return filters.join(QStringLiteral(";;"));
}

QString PickFile(QWidget* parent, const QString& folder, const QString& file) {
  QFileDialog dialog(parent, QString(), folder, FileDialogFilter());
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(FromUtf8(std::string(kArticleFileExtension)));
  if (!file.isEmpty()) dialog.selectFile(file);
  return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

// The picture the tree shows for an article of that state.
QPixmap StatePicture(ArticleState state) {
  static const TreeImages images;
  switch (state) {
    case ArticleState::Favourite: return images.Pixmap(8);
    case ArticleState::New: return images.Pixmap(6);
    case ArticleState::Read: return images.Pixmap(10);
    case ArticleState::NotRead: break;
  }
  return images.Pixmap(4);
}

}  // namespace

TfmAddArticle::TfmAddArticle(const ArticleDialogSetup& setup, const Dirs& dirs, HelpViewer& help, Shell& shell,
                             OkHandler ok, SubcategoryLister subcategories, QWidget* parent)
    : QDialog(parent), form_(setup.form), dirs_(dirs), ok_(std::move(ok)), subcategories_(std::move(subcategories)) {
  setObjectName(QStringLiteral("TfmAddArticle"));
  setWindowTitle(FromUtf8(setup.caption));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  auto* layout = new QVBoxLayout(this);
  pcMain = new QTabWidget(this);
  pcMain->setObjectName(QStringLiteral("pcMain"));
  tsProperties = BuildPropertiesTab();
  tsCategory = BuildCategoryTab();
  tsImportant = BuildImportantTab(shell);
  pcMain->addTab(tsProperties, QStringLiteral("&Свойства"));
  pcMain->addTab(tsCategory, QStringLiteral("&Категория"));
  if (setup.importantTab) pcMain->addTab(tsImportant, QStringLiteral("Важно"));
  else tsImportant->hide();
  pcMain->setCurrentIndex(0);
  layout->addWidget(pcMain, 1);
  const DialogButtons buttons = AddDialogButtons(this, layout, help, kArticleDialogHelp);
  btOk = buttons.ok;
  btCancel = buttons.cancel;
  btHelp = buttons.help;
  connect(btOk, &QPushButton::clicked, this, &TfmAddArticle::btOkClick);
  setFixedSize(std::max(kClientWidth, sizeHint().width()), std::max(kClientHeight, sizeHint().height()));

  edName->setText(FromUtf8(setup.form.title));
  edFileName->setText(FromUtf8(setup.form.fileName));
  SetState(setup.form.state);
  FillChoices(cbCats, setup.categories, setup.chosenCategory);
  FillChoices(lbSubCats, setup.subcategories, setup.chosenSubcategory);
  // Connected only now: filling the lists is no change by the user.
  connect(cbCats, &QComboBox::currentIndexChanged, this, &TfmAddArticle::cbCatsChange);
  edName->setFocus();
}

QWidget* TfmAddArticle::BuildPropertiesTab() {
  auto* tab = new QWidget(pcMain);
  tab->setObjectName(QStringLiteral("tsProperties"));
  auto* form = new QFormLayout(tab);
  edName = new QLineEdit(tab);
  edName->setObjectName(QStringLiteral("edName"));
  auto* nameLabel = new QLabel(QStringLiteral("&Название"), tab);
  nameLabel->setBuddy(edName);
  form->addRow(nameLabel, edName);

  edFileName = new QLineEdit(tab);
  edFileName->setObjectName(QStringLiteral("edFileName"));
  btChooseFile = new QPushButton(QStringLiteral("&Выбрать"), tab);
  btChooseFile->setObjectName(QStringLiteral("btChooseFile"));
  btChooseFile->setAutoDefault(false);
  connect(btChooseFile, &QPushButton::clicked, this, &TfmAddArticle::btChooseFileClick);
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(edFileName, 1);
  fileRow->addWidget(btChooseFile);
  auto* fileLabel = new QLabel(QStringLiteral("&Имя файла"), tab);
  fileLabel->setBuddy(edFileName);
  form->addRow(fileLabel, fileRow);

  auto* states = new QGroupBox(QStringLiteral("С&татус"), tab);
  states->setObjectName(QStringLiteral("gbState"));
  auto* grid = new QGridLayout(states);
  struct StateButton {
    QRadioButton** button;
    const char* name;
    QString caption;
    ArticleState state;
  };
  const StateButton buttons[] = {{&rbFav, "rbFav", QStringLiteral("И&збранная"), ArticleState::Favourite},
                                 {&rbNew, "rbNew", QStringLiteral("Нов&ая"), ArticleState::New},
                                 {&rbRea, "rbRea", QStringLiteral("Про&читанная"), ArticleState::Read},
                                 {&rbNRe, "rbNRe", QStringLiteral("Непрочитанна&я"), ArticleState::NotRead}};
  int i = 0;
  for (const StateButton& b : buttons) {
    auto* picture = new QLabel(states);
    picture->setPixmap(StatePicture(b.state));
    *b.button = new QRadioButton(b.caption, states);
    (*b.button)->setObjectName(QString::fromLatin1(b.name));
    grid->addWidget(picture, i / 2, (i % 2) * 2);
    grid->addWidget(*b.button, i / 2, (i % 2) * 2 + 1);
    ++i;
  }
  rbNew->setChecked(true);
  form->addRow(states);
  return tab;
}

QWidget* TfmAddArticle::BuildCategoryTab() {
  auto* tab = new QWidget(pcMain);
  tab->setObjectName(QStringLiteral("tsCategory"));
  auto* layout = new QVBoxLayout(tab);
  cbCats = new QComboBox(tab);
  cbCats->setObjectName(QStringLiteral("cbCats"));
  auto* catLabel = new QLabel(QStringLiteral("Катего&рия"), tab);
  catLabel->setBuddy(cbCats);
  lbSubCats = new QListWidget(tab);
  lbSubCats->setObjectName(QStringLiteral("lbSubCats"));
  lbSubCats->setSelectionMode(QAbstractItemView::SingleSelection);
  auto* subLabel = new QLabel(QStringLiteral("Подкате&гория"), tab);
  subLabel->setBuddy(lbSubCats);
  layout->addWidget(catLabel);
  layout->addWidget(cbCats);
  layout->addWidget(subLabel);
  layout->addWidget(lbSubCats, 1);
  return tab;
}

QWidget* TfmAddArticle::BuildImportantTab(Shell& shell) {
  auto* tab = new QWidget(pcMain);
  tab->setObjectName(QStringLiteral("tsImportant"));
  auto* layout = new QGridLayout(tab);
  auto* picture = new QLabel(tab);
  picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
  auto* text = new QLabel(QStringLiteral("Добавляя новую статью помните, что она может быть полезна не только Вам. "
                                         "Оправьте ее по электронному адресу указанному ниже, и ее увидят тысячи "
                                         "пользователей из разных стран!"),
                          tab);
  text->setWordWrap(true);
  lbEmail = new QLabel(tab);
  lbEmail->setObjectName(QStringLiteral("lbEmail"));
  const QString email = QString::fromLatin1(kProjectEmail.data(), static_cast<qsizetype>(kProjectEmail.size()));
  lbEmail->setText(QStringLiteral("<a href=\"mailto:%1\" style=\"color:blue\">%1</a>").arg(email.toHtmlEscaped()));
  lbEmail->setToolTip(QStringLiteral("Написать письмо"));
  lbEmail->setCursor(Qt::PointingHandCursor);
  lbEmail->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  // lbEmailClick: the system's mail client, through the platform shell.
  connect(lbEmail, &QLabel::linkActivated, this, [&shell] { shell.OpenUrl(ProjectMailAddress()); });
  layout->addWidget(picture, 0, 0, Qt::AlignTop);
  layout->addWidget(text, 0, 1, 1, 2);
  layout->addWidget(new QLabel(QStringLiteral("E-mail:"), tab), 1, 1);
  layout->addWidget(lbEmail, 1, 2);
  layout->setColumnStretch(2, 1);
  layout->setRowStretch(2, 1);
  return tab;
}

void TfmAddArticle::SetState(ArticleState state) {
  switch (state) {
    case ArticleState::Favourite: rbFav->setChecked(true); break;
    case ArticleState::New: rbNew->setChecked(true); break;
    case ArticleState::Read: rbRea->setChecked(true); break;
    case ArticleState::NotRead: rbNRe->setChecked(true); break;
  }
}

ArticleState TfmAddArticle::State() const {
  if (rbFav->isChecked()) return ArticleState::Favourite;
  if (rbNew->isChecked()) return ArticleState::New;
  if (rbRea->isChecked()) return ArticleState::Read;
  return ArticleState::NotRead;
}

ArticleForm TfmAddArticle::Form() const {
  ArticleForm form = form_;
  form.title = ToUtf8(edName->text());
  form.fileName = ToUtf8(edFileName->text());
  form.state = State();
  form.category = ChosenEntry(cbCats);
  form.subcategory = ChosenEntry(lbSubCats);
  return form;
}

void TfmAddArticle::cbCatsChange() {
  const std::optional<std::string> category = ChosenEntry(cbCats);
  if (!category) return;
  const std::vector<std::string> titles = subcategories_(*category);
  FillChoices(lbSubCats, titles, titles.empty() ? -1 : 0);
}

void TfmAddArticle::btChooseFileClick() {
  std::string typed = ToUtf8(edFileName->text());
  const ArticleFilePick pick = PrepareArticleFilePick(dirs_, typed);
  edFileName->setText(FromUtf8(typed));
  const QString folder = pick.folder ? FromPath(*pick.folder) : QString();
  const QString file = pick.file ? FromPath(*pick.file) : QString();
  const QString picked = ChooseFileDialog ? ChooseFileDialog(folder, file) : PickFile(this, folder, file);
  if (picked.isEmpty()) return;
  edFileName->setText(FromUtf8(PickedArticleFileName(ToPath(picked))));
}

void TfmAddArticle::btOkClick() {
  ArticleForm form = Form();
  result_ = ok_(form);
  edName->setText(FromUtf8(form.title));
  edFileName->setText(FromUtf8(form.fileName));
  if (result_.close) {
    accept();
    return;
  }
  pcMain->setCurrentWidget(result_.tab == ArticleTab::Properties ? tsProperties : tsCategory);
  switch (result_.focus) {
    case ArticleField::Title: edName->setFocus(); break;
    case ArticleField::FileName: edFileName->setFocus(); break;
    case ArticleField::Category:
      cbCats->setFocus();
      if (result_.dropDownCategories && isVisible()) cbCats->showPopup();
      break;
    case ArticleField::Subcategory: lbSubCats->setFocus(); break;
  }
}

}  // namespace lrv
