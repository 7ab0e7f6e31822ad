#include "editing/ui/move_dialog.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/progress_window.h"
#include "editing/ui/dialog_support.h"
#include "platform/qt/qt_text.h"

namespace lrv {
namespace {

constexpr int kClientWidth = 392;
constexpr int kClientHeight = 136;

}  // namespace

TfmMove::TfmMove(const MoveSetup& setup, HelpViewer& help, SubcategoryLister subcategories, QWidget* parent)
    : QDialog(parent), subcategoriesShown_(setup.showSubcategories), subcategories_(std::move(subcategories)) {
  setObjectName(QStringLiteral("TfmMove"));
  setWindowTitle(FromUtf8(setup.caption));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  auto* layout = new QVBoxLayout(this);
  gbMain = new QGroupBox(this);
  gbMain->setObjectName(QStringLiteral("gbMain"));
  auto* form = new QFormLayout(gbMain);
  cbCats = new QComboBox(gbMain);
  cbCats->setObjectName(QStringLiteral("cbCats"));
  lbCat = new QLabel(QStringLiteral("Выбор &категории"), gbMain);
  lbCat->setObjectName(QStringLiteral("lbCat"));
  lbCat->setBuddy(cbCats);
  cbSubCats = new QComboBox(gbMain);
  cbSubCats->setObjectName(QStringLiteral("cbSubCats"));
  lbSubCat = new QLabel(QStringLiteral("Выбор &подкатегории"), gbMain);
  lbSubCat->setObjectName(QStringLiteral("lbSubCat"));
  lbSubCat->setBuddy(cbSubCats);
  form->addRow(lbCat, cbCats);
  form->addRow(lbSubCat, cbSubCats);
  layout->addWidget(gbMain);
  layout->addStretch(1);
  const DialogButtons buttons = AddDialogButtons(this, layout, help, kMoveHelp);
  btOk = buttons.ok;
  btCancel = buttons.cancel;
  btHelp = buttons.help;
  // OK closes without further checks: the move itself checks the target.
  connect(btOk, &QPushButton::clicked, this, &QDialog::accept);

  FillChoices(cbCats, setup.categories, setup.chosenCategory);
  int height = std::max(kClientHeight, sizeHint().height());
  if (setup.showSubcategories) {
    FillChoices(cbSubCats, setup.subcategories, setup.chosenSubcategory);
  } else {
    // Moving subcategories: the category alone.
    lbSubCat->hide();
    cbSubCats->hide();
    height -= kMoveDialogShrink;
  }
  setFixedSize(kClientWidth, height);
  connect(cbCats, &QComboBox::currentIndexChanged, this, &TfmMove::cbCatsChange);
  cbCats->setFocus();
}

MoveChoice TfmMove::Choice() const {
  MoveChoice choice;
  choice.category = ChosenEntry(cbCats);
  if (subcategoriesShown_) choice.subcategory = ChosenEntry(cbSubCats);
  return choice;
}

void TfmMove::cbCatsChange() {
  const std::optional<std::string> category = ChosenEntry(cbCats);
  if (!category || !subcategories_) return;
  const std::vector<std::string> titles = subcategories_(*category);
  FillChoices(cbSubCats, titles, titles.empty() ? -1 : 0);
}

ProgressWindowForMove::ProgressWindowForMove(Registry& registry, QWidget* owner)
    : registry_(registry), owner_(owner) {}

ProgressWindowForMove::~ProgressWindowForMove() = default;

void ProgressWindowForMove::Open(const std::string& caption) {
  window_ = std::make_unique<TfmProgress>(registry_, owner_);
  window_->lbCaption->setText(FromUtf8(caption));
  window_->ShowNow();
}

void ProgressWindowForMove::SetMaximum(int bar, int maximum) {
  if (!window_) return;
  (bar == 1 ? window_->Progress1 : window_->Progress2)->setMaximum(std::max(0, maximum));
}

void ProgressWindowForMove::SetPosition(int bar, int position) {
  if (!window_) return;
  QProgressBar* progress = bar == 1 ? window_->Progress1 : window_->Progress2;
  progress->setValue(std::clamp(position, progress->minimum(), progress->maximum()));
  progress->repaint();
}

void ProgressWindowForMove::SetStatus(const std::string& text) {
  if (window_) TfmProgress::SetAndPaint(window_->lbStatus, FromUtf8(text));
}

void ProgressWindowForMove::SetText(const std::string& text) {
  if (window_) TfmProgress::SetAndPaint(window_->lbText, FromUtf8(text));
}

int ProgressWindowForMove::TextWidth() const { return window_ ? window_->lbText->width() : 0; }

int ProgressWindowForMove::MeasureText(std::string_view utf8) const {
  const QFont font = window_ ? window_->lbText->font() : QFont();
  return QFontMetrics(font).horizontalAdvance(FromUtf8(std::string(utf8)));
}

void ProgressWindowForMove::Close() {
  if (!window_) return;
  window_->hide();
  window_.reset();
}

}  // namespace lrv
