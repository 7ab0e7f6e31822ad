// The search window, the result list page and the filtered views on a main
// window over the imported sample archive.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "when_search_opens.h"
#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "../app/app_fixture.h"
#include "app/command_list.h"
#include "app/main_window.h"
#include "app/progress_window.h"
#include "editing/ui/editing_commands.h"
#include "base/files.h"
#include "base/text.h"
#include "platform/qt/qt_text.h"
#include "search/search_history.h"
#include "search/ui/search_commands.h"
#include "search/ui/search_list.h"
#include "search/ui/search_window.h"

namespace lrv::testing {
namespace {

std::string A(std::string_view utf8) { return text::Ansi(utf8); }

std::vector<CatalogueNode*> Articles(const Catalogue& c) {
  std::vector<CatalogueNode*> articles;
  for (CatalogueNode* category : c.Roots())
    for (CatalogueNode* sub : category->Children())
      for (CatalogueNode* article : sub->Children()) articles.push_back(article);
  return articles;
}

// Titles whose lower-cased text contains the lower-cased phrase.
std::multiset<std::string> TitlesContaining(const Catalogue& c, std::string_view phrase) {
  std::multiset<std::string> titles;
  const std::string needle = text::Lower(phrase);
  for (const CatalogueNode* article : Articles(c))
    if (text::Lower(article->Title()).find(needle) != std::string::npos) titles.insert(article->Title());
  return titles;
}

void Search(TfmSearch& form, const QString& query) {
  form.edSearch->setEditText(query);
  form.btOk->click();
}

struct SearchWindowFixture : SampleWindow {
  SearchCommands& search() { return *SearchCommands::Of(*window); }
  TSearchList& list() { return *search().List(); }
  QString CountText() { return search().CountLabel()->text(); }
  bool ResultPageShown() { return window->nbMain->currentWidget() == window->pageSearch; }

  std::multiset<std::string> ResultTitles() {
    std::multiset<std::string> titles;
    for (const ResultRow& row : window->results().rows) titles.insert(row.Value(ColTitle));
    return titles;
  }
  void SetState(CatalogueNode* article, std::string_view state) { c().SetValue(article, ColState, state); }
};

}  // namespace

class SearchWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void resultPageReplacesThePlaceholder();
  void stateViewsListExactStates();
  void otherViewsFilterByNoteAndViewedMark();
  void emptyViewShowsMessageAndEmptyPage();
  void resultRowsFollowTheShownOrderAndSelection();
  void selectResultByTitle();
  void textSearchThroughTheWindow();
  void kindFollowsTheNumberOfWords();
  void escapeCancelsKeepingRowsFound();
  void historyAfterTwoSearches();
  void searchInFoundRows();
  void shiftF3PreselectsSelectedCategories();
  void markingOnTheResultsPageMirrorsIntoTheTree();
  void searchMenuNeedsACategory();
};

void SearchWindowsTest::resultPageReplacesThePlaceholder() {
  SearchWindowFixture t;
  QVERIFY(t.w().tlSearch == t.search().List());
  QCOMPARE(t.w().tlSearch->objectName(), QStringLiteral("tlSearch"));
  QCOMPARE(t.w().pageSearch->findChildren<QTreeView*>().size(), 1);
  // Installed twice (a second window in the same binary): still one page.
  InstallSearchCommands(t.w());
  QCOMPARE(t.w().pageSearch->findChildren<QTreeView*>().size(), 1);
  for (const char* name : {"acSearch", "acShowFavorite", "acShowNew", "acShowReaded", "acShowNonReaded", "acPointer",
                           "acArticlesWithNote", "acArticlesWithoutNote", "acArticlesLooked", "acArticlesNotLooked",
                           "acShowFoundedArticles"})
    QVERIFY2(t.w().commands().Find(QString::fromLatin1(name)) != nullptr, name);
  QCOMPARE(t.w().commands()["acSearch"]->shortcut(), QKeySequence(Qt::Key_F3));
  QCOMPARE(t.w().commands()["acPointer"]->shortcut(), QKeySequence(Qt::Key_F6));
  QCOMPARE(t.w().commands()["acShowFoundedArticles"]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F11));
  // The tree page's button leads to the results.
  QVERIFY(!t.ResultPageShown());
  t.w().findChild<QToolButton*>(QStringLiteral("sbGoToFounded"))->click();
  QVERIFY(t.ResultPageShown());
  // And the page's back button to the tree.
  t.w().pageSearch->findChild<QToolButton*>(QStringLiteral("sbBack"))->click();
  QVERIFY(!t.ResultPageShown());
}

void SearchWindowsTest::stateViewsListExactStates() {
  SearchWindowFixture t;
  std::vector<CatalogueNode*> articles = Articles(t.c());
  QVERIFY(articles.size() > 8);
  for (CatalogueNode* a : articles) t.SetState(a, "3");
  t.SetState(articles[0], "1");
  t.SetState(articles[5], "1");
  t.SetState(articles[1], "2");
  t.SetState(articles[2], "");
  t.SetState(articles[3], "7");  // unknown state: only the index lists it
  struct Case {
    const char* command;
    std::multiset<std::string> titles;
  };
  std::multiset<std::string> read, all;
  for (CatalogueNode* a : articles) {
    all.insert(a->Title());
    if (a->Value(ColState) == "3") read.insert(a->Title());
  }
  const Case cases[] = {
      {"acShowFavorite", {articles[0]->Title(), articles[5]->Title()}},
      {"acShowNew", {articles[1]->Title()}},
      {"acShowNonReaded", {articles[2]->Title()}},
      {"acShowReaded", read},
      {"acPointer", all},
  };
  for (const Case& c : cases) {
    QVERIFY(t.w().commands().Execute("acTreeList") || !t.ResultPageShown());
    QVERIFY(!t.ResultPageShown());
    QVERIFY2(t.w().commands().Execute(c.command), c.command);
    QCOMPARE(t.ResultTitles(), c.titles);
    QCOMPARE(t.list().RowCount(), static_cast<int>(c.titles.size()));
    QCOMPARE(t.CountText(), QStringLiteral("Найдено статей: %1").arg(c.titles.size()));
    QVERIFY2(t.ResultPageShown(), c.command);
  }
  QVERIFY(t.f.prompter.messages.empty());
}

void SearchWindowsTest::otherViewsFilterByNoteAndViewedMark() {
  SearchWindowFixture t;
  std::vector<CatalogueNode*> articles = Articles(t.c());
  for (CatalogueNode* a : articles) t.c().SetValue(a, ColLook, "");
  t.c().SetValue(articles[1], ColLook, "yes");
  t.c().SetValue(articles[4], ColLook, "YES");  // not the viewed mark
  // A note for articles[2]: notes/<file name with .txt>.
  std::string note = articles[2]->Value(ColFileName);
  note = note.substr(0, note.rfind('.')) + ".txt";
  std::filesystem::create_directories(t.f.Base() / "notes");
  WriteFileAtomic(t.f.Base() / "notes" / note, "note");

  QVERIFY(t.w().commands().Execute("acArticlesLooked"));
  QCOMPARE(t.ResultTitles(), std::multiset<std::string>{articles[1]->Title()});
  QVERIFY(t.w().commands().Execute("acArticlesNotLooked"));
  QCOMPARE(t.list().RowCount(), static_cast<int>(articles.size()) - 2);
  QVERIFY(t.w().commands().Execute("acArticlesWithNote"));
  QCOMPARE(t.ResultTitles(), std::multiset<std::string>{articles[2]->Title()});
  QVERIFY(t.w().commands().Execute("acArticlesWithoutNote"));
  QCOMPARE(t.list().RowCount(), static_cast<int>(articles.size()) - 1);
  QCOMPARE(t.CountText(), QStringLiteral("Найдено статей: %1").arg(articles.size() - 1));
}

void SearchWindowsTest::emptyViewShowsMessageAndEmptyPage() {
  SearchWindowFixture t;
  QVERIFY(t.w().commands().Execute("acPointer"));
  QVERIFY(t.list().RowCount() > 0);
  for (CatalogueNode* a : Articles(t.c())) t.SetState(a, "");
  QVERIFY(t.w().commands().Execute("acTreeList") || !t.ResultPageShown());
  t.w().lastSearch().lastSearchInText = true;  // as after a text search
  QVERIFY(t.w().commands().Execute("acShowFavorite"));
  QCOMPARE(t.list().RowCount(), 0);
  QVERIFY(t.w().results().rows.empty());
  QCOMPARE(t.CountText(), QStringLiteral("Найдено статей: 0"));
  QCOMPARE(t.f.prompter.Texts(), std::vector<std::string>{"Не найдено ни одной статьи!"});
  QCOMPARE(t.f.prompter.Last()->helpContext, 64);
  QCOMPARE(t.f.prompter.Last()->kind, MessageKind::Information);
  // After the message the panel shows the empty result page.
  QVERIFY(t.ResultPageShown());
  // Rows opened from a view are never highlighted.
  QVERIFY(!t.w().lastSearch().lastSearchInText);
}

void SearchWindowsTest::resultRowsFollowTheShownOrderAndSelection() {
  SearchWindowFixture t;
  QVERIFY(t.w().commands().Execute("acPointer"));
  const auto& rows = t.w().results().rows;
  QVERIFY(rows.size() > 3);
  // Titles ascending by bytes, and the shown rows are the result rows.
  for (std::size_t i = 1; i < rows.size(); ++i) QVERIFY(rows[i - 1].Value(ColTitle) <= rows[i].Value(ColTitle));
  for (int i = 0; i < t.list().RowCount(); ++i)
    QCOMPARE(t.list().ShownRows().Root(i)->Title(), rows[static_cast<std::size_t>(i)].Value(ColTitle));
  // Descending by the header: the result list follows.
  t.list().header()->sectionClicked(ColTitle);
  QApplication::processEvents();
  QVERIFY(rows.front().Value(ColTitle) > rows.back().Value(ColTitle));
  for (int i = 0; i < t.list().RowCount(); ++i)
    QCOMPARE(t.list().ShownRows().Root(i)->Title(), rows[static_cast<std::size_t>(i)].Value(ColTitle));

  // The selection as row numbers, and opening only with one row selected.
  std::vector<std::string> opened;
  t.w().OpenResultRow = [&](const ResultRow& row) { opened.push_back(row.Value(ColTitle)); };
  QTreeView* view = t.w().tlSearch;
  view->selectionModel()->select(view->model()->index(2, 0),
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  QCOMPARE(t.w().SelectedResultRows(), std::vector<int>{2});
  QTest::keyClick(view, Qt::Key_Return);
  QCOMPARE(opened, std::vector<std::string>{rows[2].Value(ColTitle)});
  view->selectionModel()->select(view->model()->index(0, 0),
                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
  QCOMPARE(t.w().SelectedResultRows().size(), std::size_t{2});
  QTest::keyClick(view, Qt::Key_Return);
  QCOMPARE(opened.size(), std::size_t{1});

  // Code that changes rows in place (marking) shows them.
  t.w().results().rows[0].SetValue(ColState, "1");
  t.w().ResultRowsChanged();
  QCOMPARE(t.list().ShownRows().Root(0)->Value(ColState), std::string("1"));
}

void SearchWindowsTest::selectResultByTitle() {
  SearchWindowFixture t;
  for (CatalogueNode* a : Articles(t.c())) t.c().SetValue(a, ColLook, "");
  QVERIFY(t.w().commands().Execute("acPointer"));
  const std::string title = t.w().results().rows[3].Value(ColTitle);
  t.w().SelectResultByTitle("  " + text::Upper(title) + " ");
  QCOMPARE(t.w().SelectedResultRows(), std::vector<int>{3});
  QCOMPARE(t.w().results().rows[3].Value(ColLook), std::string("yes"));
  QCOMPARE(t.list().ShownRows().Root(3)->Value(ColLook), std::string("yes"));
  QVERIFY(t.w().tlSearch->selectionModel()->isRowSelected(3, QModelIndex()));
  // A blank or unknown title only clears the selection.
  t.w().SelectResultByTitle("   ");
  QVERIFY(t.w().SelectedResultRows().empty());
  t.w().SelectResultByTitle(A("нет такой статьи"));
  QVERIFY(t.w().SelectedResultRows().empty());
}

void SearchWindowsTest::textSearchThroughTheWindow() {
  SearchWindowFixture t;
  const std::multiset<std::string> expected = TitlesContaining(t.c(), A("индекс"));
  QVERIFY(expected.size() >= 2);
  bool ran = false;
  WhenSearchOpens([&](TfmSearch& form) {
    QCOMPARE(form.windowTitle(), QStringLiteral("Поиск статей"));
    // Opening switched the panel to the result page.
    QVERIFY(t.ResultPageShown());
    QVERIFY(!form.cbSearchInFounded->isEnabled());
    QCOMPARE(form.clbCats->count(), t.c().RootCount());
    QCOMPARE(form.clbStates->count(), 4);
    form.cbSearchSameWords->setChecked(false);
    QVERIFY(form.cbCaseSensitive->isEnabled());
    Search(form, QStringLiteral("ИНДЕКС"));
    QCOMPARE(t.ResultTitles(), expected);
    QCOMPARE(t.CountText(), QStringLiteral("Найдено статей: %1").arg(expected.size()));
    // Case-sensitive, upper case: nothing; the message, rows cleared.
    form.cbCaseSensitive->setChecked(true);
    Search(form, QStringLiteral("ИНДЕКС"));
    QVERIFY(t.w().results().rows.empty());
    QCOMPARE(t.f.prompter.Texts(), std::vector<std::string>{"Не найдено ни одной статьи!"});
    QVERIFY(!form.cbSearchInFounded->isEnabled());
    // No state allowed: nothing found either.
    form.cbCaseSensitive->setChecked(false);
    for (int i = 0; i < 4; ++i) form.clbStates->item(i)->setCheckState(Qt::Unchecked);
    Search(form, QStringLiteral("индекс"));
    QVERIFY(t.w().results().rows.empty());
    for (int i = 0; i < 4; ++i) form.clbStates->item(i)->setCheckState(Qt::Checked);
    Search(form, QStringLiteral("индекс"));
    QCOMPARE(t.ResultTitles(), expected);
    QVERIFY(form.cbSearchInFounded->isEnabled());
    QVERIFY(form.isVisible());  // the window stays open after a search
    ran = true;
  });
  QVERIFY(t.w().commands().Execute("acSearch"));
  QVERIFY(ran);
  QCOMPARE(t.w().lastSearch().highlight.words, std::vector<std::string>{A("индекс")});
  QVERIFY(!t.w().lastSearch().lastSearchInText);
  QVERIFY(t.ResultPageShown());
  // Closing keeps the rows and writes the history.
  QCOMPARE(t.ResultTitles(), expected);
  // The later queries equal it without regard to case.
  QCOMPARE(ReadLines(t.f.Base() / "search.ini").value_or(std::vector<std::string>{}),
           std::vector<std::string>{A("ИНДЕКС")});
}

void SearchWindowsTest::kindFollowsTheNumberOfWords() {
  SearchWindowFixture t;
  bool ran = false;
  WhenSearchOpens([&](TfmSearch& form) {
    QVERIFY(form.rbExact->isChecked());
    QVERIFY(!form.rbAllWords->isEnabled() && !form.rbAnyWord->isEnabled());
    form.edSearch->setEditText(QStringLiteral("индекс"));
    QVERIFY(form.rbExact->isChecked() && !form.rbAllWords->isEnabled());
    form.edSearch->setEditText(QStringLiteral("индекс таблиц"));
    QVERIFY(form.rbAllWords->isEnabled() && form.rbAllWords->isChecked());  // preferred: all words
    form.rbAnyWord->click();
    form.edSearch->setEditText(QStringLiteral("индекс и"));  // one significant word
    QVERIFY(form.rbExact->isChecked() && !form.rbAnyWord->isEnabled());
    QCOMPARE(form.PreferredKind(), SearchKind::AnyWord);
    form.edSearch->setEditText(QStringLiteral("индекс таблиц"));
    QVERIFY(form.rbAnyWord->isChecked());
    // Any word: titles with either word.
    form.cbSearchSameWords->setChecked(false);
    form.btOk->click();
    std::multiset<std::string> expected = TitlesContaining(t.c(), A("индекс"));
    for (const std::string& title : TitlesContaining(t.c(), A("таблиц")))
      if (!expected.count(title)) expected.insert(title);
    QCOMPARE(t.ResultTitles(), expected);
    // Stop words are kept in an exact phrase.
    form.edSearch->setEditText(QStringLiteral("и в или"));
    QVERIFY(form.rbExact->isChecked());  // fewer than two significant words
    form.btOk->click();
    QCOMPARE(t.ResultTitles(), TitlesContaining(t.c(), A("и в или")));
    ran = true;
  });
  QVERIFY(t.w().commands().Execute("acSearch"));
  QVERIFY(ran);
}

void SearchWindowsTest::escapeCancelsKeepingRowsFound() {
  SearchWindowFixture t;
  const std::multiset<std::string> all = TitlesContaining(t.c(), A("а"));
  QVERIFY(all.size() > 4);
  bool ran = false;
  QPointer<TfmProgress> progressSeen;
  t.search().RowFound = [&](int count) {
    if (count != 2) return;
    auto* form = qobject_cast<TfmSearch*>(QApplication::activeModalWidget());
    QVERIFY(form != nullptr);
    TfmProgress* progress = form->findChild<TfmProgress*>();
    QVERIFY(progress != nullptr && progress->isVisible());
    QCOMPARE(progress->lbCaption->text(), QStringLiteral("Поиск статей (Esc - отмена)"));
    QVERIFY(!form->btOk->isEnabled());  // the window waits while searching
    progressSeen = progress;
    QCoreApplication::postEvent(progress, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  };
  WhenSearchOpens([&](TfmSearch& form) {
    form.cbSearchSameWords->setChecked(false);
    Search(form, QStringLiteral("а"));
    QCOMPARE(static_cast<int>(t.w().results().rows.size()), 2);
    for (const std::string& title : t.ResultTitles()) QVERIFY(all.count(title) == 1);
    QCOMPARE(t.CountText(), QStringLiteral("Найдено статей: 2"));
    QVERIFY(t.f.prompter.messages.empty());
    QVERIFY(!form.SearchCancelled);  // the pass cleared it
    QVERIFY(form.btOk->isEnabled());
    // The next search runs to the end.
    t.search().RowFound = nullptr;
    Search(form, QStringLiteral("а"));
    QCOMPARE(t.ResultTitles(), all);
    ran = true;
  });
  QVERIFY(t.w().commands().Execute("acSearch"));
  QVERIFY(ran);
  QVERIFY(progressSeen.isNull());  // freed after the pass
}

void SearchWindowsTest::historyAfterTwoSearches() {
  SearchWindowFixture t;
  auto items = [](const QComboBox* box) {
    QStringList list;
    for (int i = 0; i < box->count(); ++i) list << box->itemText(i);
    return list;
  };
  bool ran = false;
  WhenSearchOpens([&](TfmSearch& form) {
    QCOMPARE(form.edSearch->count(), 0);
    Search(form, QStringLiteral("индекс"));
    Search(form, QStringLiteral("графика"));
    Search(form, QStringLiteral("ИНДЕКС"));  // known without regard to case
    QCOMPARE(items(form.edSearch), (QStringList{QStringLiteral("графика"), QStringLiteral("индекс")}));
    QCOMPARE(form.edSearch->currentText(), QStringLiteral("ИНДЕКС"));
    ran = true;
  });
  QVERIFY(t.w().commands().Execute("acSearch"));
  QVERIFY(ran);
  QCOMPARE(t.search().History(), (std::vector<std::string>{A("графика"), A("индекс")}));
  QCOMPARE(ReadLines(t.f.Base() / "search.ini").value_or(std::vector<std::string>{}), t.search().History());

  // Reopened: the list is back; the file wins over the memory.
  WriteLinesAtomic(t.f.Base() / "search.ini", {A("из файла")});
  ran = false;
  WhenSearchOpens([&](TfmSearch& form) {
    QCOMPARE(items(form.edSearch), QStringList{QStringLiteral("из файла")});
    // Ninth distinct query: the oldest drops out.
    for (int i = 1; i <= 8; ++i) Search(form, QStringLiteral("слово%1").arg(i));
    QCOMPARE(form.edSearch->count(), 8);
    QCOMPARE(form.edSearch->itemText(0), QStringLiteral("слово8"));
    QVERIFY(!items(form.edSearch).contains(QStringLiteral("из файла")));
    ran = true;
  });
  QVERIFY(t.w().commands().Execute("acSearch"));
  QVERIFY(ran);
  QCOMPARE(t.search().History().size(), std::size_t{8});
}

void SearchWindowsTest::searchInFoundRows() {
  SearchWindowFixture t;
  std::vector<CatalogueNode*> articles = Articles(t.c());
  for (CatalogueNode* a : articles) t.SetState(a, "3");
  // Two favourites: one with "индекс" in the title, one without.
  CatalogueNode* withWord = nullptr;
  CatalogueNode* without = nullptr;
  for (CatalogueNode* a : articles) {
    const bool has = text::Lower(a->Title()).find(A("индекс")) != std::string::npos;
    if (has && !withWord) withWord = a;
    if (!has && !without) without = a;
  }
  QVERIFY(withWord && without);
  t.SetState(withWord, "1");
  t.SetState(without, "1");
  QVERIFY(t.w().commands().Execute("acShowFavorite"));
  QCOMPARE(t.list().RowCount(), 2);
  bool ran = false;
  WhenSearchOpens([&](TfmSearch& form) {
    QVERIFY(form.cbSearchInFounded->isEnabled());
    form.cbSearchInFounded->setChecked(true);
    form.cbSearchSameWords->setChecked(false);
    // Category and state marks do not apply to found rows.
    for (int i = 0; i < form.clbCats->count(); ++i) form.clbCats->item(i)->setCheckState(Qt::Unchecked);
    for (int i = 0; i < 4; ++i) form.clbStates->item(i)->setCheckState(Qt::Unchecked);
    Search(form, QStringLiteral("индекс"));
    QCOMPARE(t.ResultTitles(), std::multiset<std::string>{withWord->Title()});
    QCOMPARE(t.CountText(), QStringLiteral("Найдено статей: 1"));
    // Again in those rows, for a word they lack: empty, and the box goes off.
    Search(form, QStringLiteral("кватернион"));
    QVERIFY(t.w().results().rows.empty());
    QVERIFY(!form.cbSearchInFounded->isEnabled() && !form.cbSearchInFounded->isChecked());
    ran = true;
  });
  QVERIFY(t.w().commands().Execute("acSearch"));
  QVERIFY(ran);
}

void SearchWindowsTest::shiftF3PreselectsSelectedCategories() {
  SearchWindowFixture t;
  QVERIFY(t.c().RootCount() >= 3);
  CatalogueNode* first = t.c().Root(0);
  CatalogueNode* third = t.c().Root(2);
  t.c().SelectOnly(first);
  t.c().Select(third);
  QApplication::processEvents();
  auto checkedTitles = [](const TfmSearch& form) {
    std::vector<std::string> titles;
    for (int i = 0; i < form.clbCats->count(); ++i)
      if (form.clbCats->item(i)->checkState() == Qt::Checked) titles.push_back(AnsiOfTyped(form.clbCats->item(i)->text()));
    return titles;
  };
  std::vector<std::string> seen;
  t.w().activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&t.w()));
  WhenSearchOpens([&](TfmSearch& form) { seen = checkedTitles(form); });
  QTest::keyClick(&t.w(), Qt::Key_F3, Qt::ShiftModifier);
  QCOMPARE(seen, (std::vector<std::string>{first->Title(), third->Title()}));
  // Without Shift: every category.
  QTest::keyRelease(&t.w(), Qt::Key_Shift, Qt::NoModifier);
  QCOMPARE(QGuiApplication::keyboardModifiers(), Qt::NoModifier);
  seen.clear();
  WhenSearchOpens([&](TfmSearch& form) { seen = checkedTitles(form); });
  QVERIFY(t.w().commands().Execute("acSearch"));
  QCOMPARE(static_cast<int>(seen.size()), t.c().RootCount());
  // A subcategory first among the selected: every category too.
  t.c().SelectOnly(first->Child(0));
  QApplication::processEvents();
  seen.clear();
  t.w().activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&t.w()));
  WhenSearchOpens([&](TfmSearch& form) { seen = checkedTitles(form); });
  QTest::keyClick(&t.w(), Qt::Key_F3, Qt::ShiftModifier);
  QCOMPARE(static_cast<int>(seen.size()), t.c().RootCount());
}

void SearchWindowsTest::markingOnTheResultsPageMirrorsIntoTheTree() {
  SearchWindowFixture t;
  for (CatalogueNode* a : Articles(t.c())) t.SetState(a, "3");
  QVERIFY(t.w().commands().Execute("acPointer"));
  QTreeView* view = t.w().tlSearch;
  for (int row : {1, 3})
    view->selectionModel()->select(view->model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  const std::vector<int> selected = t.w().SelectedResultRows();
  QCOMPARE(selected.size(), std::size_t{2});

  // The edit menu's submenu speaks of the two rows and presses "read".
  QMenu* edit = t.w().menuBar()->findChild<QMenu*>(QStringLiteral("miEdit"));
  QVERIFY(edit);
  emit edit->aboutToShow();
  QAction* submenu = edit->findChild<QMenu*>(QStringLiteral("miMarkArticle"))->menuAction();
  QVERIFY(submenu->isVisible());
  QCOMPARE(submenu->text(), QStringLiteral("&Отметить статьи [2] как"));
  QCOMPARE(t.w().commands()["acCheckFavorite"]->text(), QStringLiteral("&избранные"));
  QVERIFY(t.w().commands()["acCheckReaded"]->isChecked());

  const int entries = static_cast<int>(t.w().journal().Entries().size());
  QVERIFY(t.w().commands().Execute("acCheckFavorite"));
  int favourites = 0;
  for (CatalogueNode* a : Articles(t.c())) favourites += a->Value(ColState) == "1";
  QCOMPARE(favourites, 2);
  for (int row : selected) {
    const ResultRow& r = t.w().results().rows[static_cast<std::size_t>(row)];
    QCOMPARE(r.Value(ColState), std::string("1"));
    QCOMPARE(t.list().ShownRows().Root(row)->Value(ColState), std::string("1"));  // shown at once
  }
  QCOMPARE(static_cast<int>(t.w().journal().Entries().size()), entries + 1);

  // One row: the singular captions, and the new state pressed.
  view->selectionModel()->select(view->model()->index(1, 0),
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  emit edit->aboutToShow();
  QCOMPARE(submenu->text(), QStringLiteral("&Отметить статью как"));
  QCOMPARE(t.w().commands()["acCheckNonReaded"]->text(), QStringLiteral("н&епрочитанную"));
  QVERIFY(t.w().commands()["acCheckFavorite"]->isChecked());
  QVERIFY(!t.w().commands()["acCheckReaded"]->isChecked());

  // The tree page with a category selected: no submenu.
  t.w().commands().Execute("acTreeList");
  t.c().SelectOnly(t.c().Root(0));
  emit edit->aboutToShow();
  QVERIFY(!submenu->isVisible());
}

void SearchWindowsTest::searchMenuNeedsACategory() {
  SearchWindowFixture t;
  QMenu* menu = t.w().menuBar()->findChild<QMenu*>(QStringLiteral("miSelect"));
  QVERIFY(menu);
  QAction* views = menu->findChild<QMenu*>(QStringLiteral("miShowArticles"))->menuAction();
  emit menu->aboutToShow();
  QVERIFY(views->isEnabled());
  t.c().Clear();
  emit menu->aboutToShow();
  QVERIFY(!views->isEnabled());
}

}  // namespace lrv::testing

QTEST_MAIN(lrv::testing::SearchWindowsTest)
#include "search_windows_test.moc"
