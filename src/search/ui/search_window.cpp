#include "search/ui/search_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/text.h"
#include "platform/help_viewer.h"
#include "platform/qt/qt_text.h"
#include "search/search_history.h"
#include "search/words.h"

namespace lrv {
namespace {

constexpr int kSearchHelpContext = 12;

QListWidget* CheckList(QWidget* parent, const char* name) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  return list;
}

QListWidgetItem* AddCheckItem(QListWidget* list, const QString& caption, bool checked) {
  auto* item = new QListWidgetItem(caption, list);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
  item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
  return item;
}

template <class Box>
Box* Named(Box* box, const char* name) {
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

}  // namespace

std::string AnsiOfTyped(const QString& text) {
  if (auto ansi = ToAnsi(text)) return *ansi;
  std::string result;
  for (char32_t codePoint : text.toUcs4()) {
    const auto piece = ToAnsi(QString::fromUcs4(&codePoint, 1));
    result += piece ? *piece : std::string("?");
  }
  return result;
}

TfmSearch::TfmSearch(const Dirs& dirs, HelpViewer& help, QWidget* parent)
    : QDialog(parent), dirs_(dirs), help_(help) {
  setObjectName(QStringLiteral("TfmSearch"));
  setWindowTitle(QStringLiteral("Поиск статей"));
  setModal(true);

  content_ = new QWidget(this);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(content_);
  auto* main = new QVBoxLayout(content_);

  pcSearch = Named(new QTabWidget(content_), "pcSearch");
  main->addWidget(pcSearch);

  // "Критерии поиска": the query, its kind and the options.
  auto* criteria = new QWidget(pcSearch);
  auto* criteriaLayout = new QVBoxLayout(criteria);
  edSearch = Named(new QComboBox(criteria), "edSearch");
  edSearch->setEditable(true);
  edSearch->setInsertPolicy(QComboBox::NoInsert);
  edSearch->setMinimumWidth(320);
  auto* prompt = new QLabel(QStringLiteral("Введите &ключевые слова"), criteria);
  prompt->setBuddy(edSearch);
  criteriaLayout->addWidget(prompt);
  criteriaLayout->addWidget(edSearch);

  auto* groups = new QHBoxLayout;
  auto* kindGroup = new QGroupBox(QStringLiteral("Искать"), criteria);
  auto* kindLayout = new QVBoxLayout(kindGroup);
  rbExact = Named(new QRadioButton(QStringLiteral("&Точную фразу"), kindGroup), "rbExact");
  rbAllWords = Named(new QRadioButton(QStringLiteral("Вхождение &всех слов"), kindGroup), "rbAllWords");
  rbAnyWord = Named(new QRadioButton(QStringLiteral("Наличие &любого слова"), kindGroup), "rbAnyWord");
  for (QRadioButton* radio : {rbExact, rbAllWords, rbAnyWord}) kindLayout->addWidget(radio);
  kindLayout->addStretch(1);
  rbExact->setChecked(true);
  rbAllWords->setEnabled(false);
  rbAnyWord->setEnabled(false);

  auto* optionGroup = new QGroupBox(QStringLiteral("Опции"), criteria);
  auto* optionLayout = new QVBoxLayout(optionGroup);
  cbSearchInCaptions = Named(new QCheckBox(QStringLiteral("Только в &заголовках"), optionGroup), "cbSearchInCaptions");
  cbWholeWords = Named(new QCheckBox(QStringLiteral("Слова &целиком"), optionGroup), "cbWholeWords");
  cbSearchSameWords = Named(new QCheckBox(QStringLiteral("&Искать похожие слова"), optionGroup), "cbSearchSameWords");
  cbCaseSensitive = Named(new QCheckBox(QStringLiteral("&Учитывать регистр"), optionGroup), "cbCaseSensitive");
  cbSearchInFounded = Named(new QCheckBox(QStringLiteral("Искать в &найденном"), optionGroup), "cbSearchInFounded");
  for (QCheckBox* box : {cbSearchInCaptions, cbWholeWords, cbSearchSameWords, cbCaseSensitive, cbSearchInFounded})
    optionLayout->addWidget(box);
  cbSearchInCaptions->setChecked(true);
  cbSearchSameWords->setChecked(true);
  cbCaseSensitive->setEnabled(false);
  cbSearchInFounded->setEnabled(false);
  groups->addWidget(kindGroup);
  groups->addWidget(optionGroup);
  criteriaLayout->addLayout(groups);
  pcSearch->addTab(criteria, QStringLiteral("Критерии поиска"));

  // "Дополнительно": the states and categories to search.
  auto* more = new QWidget(pcSearch);
  auto* moreLayout = new QHBoxLayout(more);
  auto* statesGroup = new QGroupBox(QStringLiteral("Искать среди статей"), more);
  auto* statesLayout = new QVBoxLayout(statesGroup);
  clbStates = CheckList(statesGroup, "clbStates");
  statesLayout->addWidget(clbStates);
  auto* catsGroup = new QGroupBox(QStringLiteral("Искать в категориях"), more);
  auto* catsLayout = new QVBoxLayout(catsGroup);
  clbCats = CheckList(catsGroup, "clbCats");
  catsLayout->addWidget(clbCats);
  moreLayout->addWidget(statesGroup);
  moreLayout->addWidget(catsGroup, 1);
  pcSearch->addTab(more, QStringLiteral("Дополнительно"));
  pcSearch->setCurrentIndex(0);

  auto* buttons = new QHBoxLayout;
  btOk = Named(new QPushButton(QStringLiteral("&Найти"), content_), "btOk");
  btCancel = Named(new QPushButton(QStringLiteral("&Закрыть"), content_), "btCancel");
  btHelp = Named(new QPushButton(QStringLiteral("&Справка"), content_), "btHelp");
  btOk->setDefault(true);
  buttons->addStretch(1);
  for (QPushButton* button : {btOk, btCancel, btHelp}) buttons->addWidget(button);
  main->addLayout(buttons);

  connect(edSearch, &QComboBox::editTextChanged, this, &TfmSearch::QueryTextChanged);
  connect(rbExact, &QRadioButton::toggled, this, [this](bool on) { if (on) KindChosen(SearchKind::ExactPhrase); });
  connect(rbAllWords, &QRadioButton::toggled, this, [this](bool on) { if (on) KindChosen(SearchKind::AllWords); });
  connect(rbAnyWord, &QRadioButton::toggled, this, [this](bool on) { if (on) KindChosen(SearchKind::AnyWord); });
  connect(cbSearchSameWords, &QCheckBox::toggled, this, [this](bool stem) { cbCaseSensitive->setEnabled(!stem); });
  connect(btOk, &QPushButton::clicked, this, &TfmSearch::StartSearch);
  connect(btCancel, &QPushButton::clicked, this, &TfmSearch::reject);
  connect(btHelp, &QPushButton::clicked, this, [this] { help_.ShowContext(kSearchHelpContext); });
}

TfmSearch::~TfmSearch() = default;

void TfmSearch::Fill(const Catalogue& catalogue, bool preselect, bool haveRows,
                     const std::vector<std::string>& history) {
  clbCats->clear();
  for (const CatalogueNode* category : catalogue.Roots()) {
    QListWidgetItem* item = AddCheckItem(clbCats, FromAnsi(category->Title()), true);
    item->setData(Qt::UserRole, QByteArray::fromStdString(category->Title()));
  }
  auto itemTitle = [this](int row) { return clbCats->item(row)->data(Qt::UserRole).toByteArray().toStdString(); };
  const CatalogueNode* first = catalogue.SelectedNode(0);
  bool listed = false;
  for (int row = 0; first != nullptr && row < clbCats->count(); ++row) listed = listed || itemTitle(row) == first->Title();
  if (preselect && first != nullptr && first->IsCategory() && listed) {
    for (int row = 0; row < clbCats->count(); ++row) {
      const std::string title = itemTitle(row);
      const auto selected = catalogue.Selection();
      const bool chosen = std::any_of(selected.begin(), selected.end(),
                                      [&](const CatalogueNode* node) { return node->Title() == title; });
      clbCats->item(row)->setCheckState(chosen ? Qt::Checked : Qt::Unchecked);
    }
  }
  clbStates->clear();
  for (const char* state : {"Избранных", "Новых", "Прочитанных", "Непрочитанных"})
    AddCheckItem(clbStates, QString::fromUtf8(state), true);
  SetHaveRows(haveRows);
  SetHistory(history);
}

SearchQuery TfmSearch::Query() const {
  SearchQuery query;
  query.text = AnsiOfTyped(edSearch->currentText());
  query.kind = rbAllWords->isChecked() ? SearchKind::AllWords
               : rbAnyWord->isChecked() ? SearchKind::AnyWord
                                        : SearchKind::ExactPhrase;
  query.inText = !cbSearchInCaptions->isChecked();
  query.stem = cbSearchSameWords->isChecked();
  query.wholeWords = cbWholeWords->isChecked();
  query.caseSensitive = cbCaseSensitive->isChecked() && cbCaseSensitive->isEnabled();
  for (int row = 0; row < clbCats->count(); ++row) {
    const QListWidgetItem* item = clbCats->item(row);
    query.categories.push_back(
        {item->data(Qt::UserRole).toByteArray().toStdString(), item->checkState() == Qt::Checked});
  }
  for (int state = 0; state < 4; ++state)
    query.stateAllowed[state] = state < clbStates->count() && clbStates->item(state)->checkState() == Qt::Checked;
  query.inFoundRows = cbSearchInFounded->isChecked() && cbSearchInFounded->isEnabled();
  return query;
}

void TfmSearch::SetHaveRows(bool haveRows) {
  cbSearchInFounded->setEnabled(haveRows);
  if (!haveRows) cbSearchInFounded->setChecked(false);
}

void TfmSearch::StartSearch() {
  if (searching_) return;
  const std::string typed = AnsiOfTyped(edSearch->currentText());
  if (text::Trim(typed).empty()) return;
  std::vector<std::string> history = history_;
  AddToSearchHistory(history, typed);
  if (history != history_) SetHistory(history);

  const SearchQuery query = Query();
  // A word query of stop words and single letters only: nothing to search.
  if (!PrepareNeedles(query)) return;
  searching_ = true;
  SearchCancelled = false;
  content_->setEnabled(false);
  if (RunPass) RunPass(*this, query);
  content_->setEnabled(true);
  searching_ = false;
  SearchCancelled = false;
}

void TfmSearch::reject() {
  // Esc while searching cancels the search, not the window.
  if (searching_) {
    SearchCancelled = true;
    return;
  }
  QDialog::reject();
}

void TfmSearch::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (std::exchange(shownOnce_, true)) return;
  if (Shown) Shown();
  // The file wins over the history kept in memory.
  if (auto stored = LoadSearchHistory(dirs_)) SetHistory(*stored);
  edSearch->setFocus();
}

void TfmSearch::QueryTextChanged(const QString& text) {
  const bool words = ExtractWordList(AnsiOfTyped(text)).size() >= 2;
  rbAllWords->setEnabled(words);
  rbAnyWord->setEnabled(words);
  forcingKind_ = true;
  if (!words) {
    rbExact->setChecked(true);  // forced: the preferred kind stays
  } else {
    forcingKind_ = false;
    QRadioButton* preferred = preferredKind_ == SearchKind::AllWords  ? rbAllWords
                              : preferredKind_ == SearchKind::AnyWord ? rbAnyWord
                                                                      : rbExact;
    preferred->setChecked(true);
  }
  forcingKind_ = false;
}

void TfmSearch::KindChosen(SearchKind kind) {
  if (!forcingKind_) preferredKind_ = kind;
}

void TfmSearch::SetHistory(const std::vector<std::string>& history) {
  history_ = history;
  const QString typed = edSearch->currentText();
  const bool blocked = edSearch->blockSignals(true);
  edSearch->clear();
  for (const std::string& entry : history_) edSearch->addItem(FromAnsi(entry));
  edSearch->setCurrentIndex(-1);
  edSearch->setEditText(typed);
  edSearch->blockSignals(blocked);
}

}  // namespace lrv
