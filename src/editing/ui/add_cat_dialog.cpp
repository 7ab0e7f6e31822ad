#include "editing/ui/add_cat_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "editing/ui/dialog_support.h"
#include "platform/qt/qt_text.h"

namespace lrv {
namespace {

constexpr int kClientWidth = 399;
constexpr int kClientHeight = 207;

QLineEdit* Edit(QWidget* parent, const char* name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  return edit;
}

QLabel* Label(const QString& text, QWidget* buddy, QWidget* parent, const char* name) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setBuddy(buddy);
  return label;
}

}  // namespace

TfmAddCat::TfmAddCat(const AddCatSetup& setup, HelpViewer& help, OkHandler ok, QWidget* parent)
    : QDialog(parent), mode_(setup.mode), ok_(std::move(ok)) {
  setObjectName(QStringLiteral("TfmAddCat"));
  setWindowTitle(FromUtf8(std::string(kAddCatCaption)));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  auto* layout = new QVBoxLayout(this);

  rbAddCat = new QRadioButton(QStringLiteral("Добавить новую категорию"), this);
  rbAddCat->setObjectName(QStringLiteral("rbAddCat"));
  gbAddCat = new QGroupBox(this);
  gbAddCat->setObjectName(QStringLiteral("gbAddCat"));
  edCatName = Edit(gbAddCat, "edCatName");
  lbCat = Label(QStringLiteral("Имя &категории"), edCatName, gbAddCat, "lbCat");
  auto* catForm = new QFormLayout(gbAddCat);
  catForm->addRow(lbCat, edCatName);

  rbAddSubCat = new QRadioButton(QStringLiteral("Добавить новую подкатегорию"), this);
  rbAddSubCat->setObjectName(QStringLiteral("rbAddSubCat"));
  gbAddSubCat = new QGroupBox(this);
  gbAddSubCat->setObjectName(QStringLiteral("gbAddSubCat"));
  edSubCatName = Edit(gbAddSubCat, "edSubCatName");
  lbSubCat = Label(QStringLiteral("Имя &подкатегории"), edSubCatName, gbAddSubCat, "lbSubCat");
  cbCats = new QComboBox(gbAddSubCat);
  cbCats->setObjectName(QStringLiteral("cbCats"));
  cbCats->setEditable(false);
  lbIn = Label(QStringLiteral("Добавлять &в"), cbCats, gbAddSubCat, "lbIn");
  auto* subForm = new QFormLayout(gbAddSubCat);
  subForm->addRow(lbSubCat, edSubCatName);
  subForm->addRow(lbIn, cbCats);

  layout->addWidget(rbAddCat);
  layout->addWidget(gbAddCat);
  layout->addWidget(rbAddSubCat);
  layout->addWidget(gbAddSubCat);
  layout->addStretch(1);
  const DialogButtons buttons = AddDialogButtons(this, layout, help, kAddCatHelp);
  btOk = buttons.ok;
  btCancel = buttons.cancel;
  btHelp = buttons.help;
  connect(btOk, &QPushButton::clicked, this, &TfmAddCat::btOkClick);
  connect(rbAddCat, &QRadioButton::clicked, this, &TfmAddCat::rbAddCatClick);
  connect(rbAddSubCat, &QRadioButton::clicked, this, &TfmAddCat::rbAddCatClick);

  if (mode_ == AddCatMode::CategoryOnly) {
    // Nothing to add a subcategory to: the one group box alone, captioned.
    rbAddCat->hide();
    rbAddSubCat->hide();
    gbAddSubCat->hide();
    gbAddCat->setTitle(QStringLiteral("Добавить новую категорию"));
    rbAddCat->setChecked(true);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setFixedWidth(kClientWidth);
    edCatName->setFocus();
    return;
  }
  setFixedSize(kClientWidth, std::max(kClientHeight, sizeHint().height()));
  FillChoices(cbCats, setup.categories, setup.chosenCategory);
  (setup.subcategoryChecked ? rbAddSubCat : rbAddCat)->setChecked(true);
  rbAddCatClick();
  (setup.focus == AddCatField::CategoryName ? edCatName : edSubCatName)->setFocus();
}

AddCatForm TfmAddCat::Form() const {
  AddCatForm form;
  form.mode = mode_;
  form.subcategoryChecked = mode_ == AddCatMode::Choice && rbAddSubCat->isChecked();
  form.categoryName = ToUtf8(edCatName->text());
  form.subcategoryName = ToUtf8(edSubCatName->text());
  form.chosenCategory = ChosenEntry(cbCats);
  return form;
}

void TfmAddCat::rbAddCatClick() {
  const bool category = rbAddCat->isChecked();
  gbAddCat->setEnabled(category);
  lbCat->setEnabled(category);
  gbAddSubCat->setEnabled(!category);
  lbSubCat->setEnabled(!category);
  lbIn->setEnabled(!category);
  ApplyFieldLook(edCatName, category);
  ApplyFieldLook(edSubCatName, !category);
  ApplyFieldLook(cbCats, !category);
}

void TfmAddCat::btOkClick() {
  AddCatForm form = Form();
  result_ = ok_(form);
  edCatName->setText(FromUtf8(form.categoryName));
  edSubCatName->setText(FromUtf8(form.subcategoryName));
  if (result_.close) {
    accept();
    return;
  }
  (result_.focus == AddCatField::CategoryName ? edCatName : edSubCatName)->setFocus();
}

}  // namespace lrv
