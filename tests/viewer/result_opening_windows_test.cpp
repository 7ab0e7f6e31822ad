// Opening found articles from the result list and the random article, on a
// main window over the imported sample archive with the real search window
// and the real browser engine (offscreen).
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QTreeView>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

#include "../search/when_search_opens.h"
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "../app/app_fixture.h"
#include "app/command_list.h"
#include "app/main_window.h"
#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "platform/qt/qt_text.h"
#include "search/highlight_page.h"
#include "search/ui/search_window.h"
#include "viewer/open_article.h"
#include "viewer/ui/browser_host.h"

namespace lrv::testing {

int RunResultOpeningWindowsTests(int argc, char** argv);

namespace {

constexpr int kLoadTimeout = 20000;
const QString kMarkup = QStringLiteral("<span style=\"background-color: Yellow\">");

// The page the browser shows, as the engine serialises it ("" while the
// engine has not answered).
QString ShownHtml(QWebEngineView* browser) {
  auto html = std::make_shared<QString>();
  auto done = std::make_shared<bool>(false);
  browser->page()->toHtml([html, done](const QString& text) {
    *html = text;
    *done = true;
  });
  [[maybe_unused]] const bool answered = QTest::qWaitFor([done] { return *done; }, 5000);
  return *html;
}

struct ResultWindow : SampleWindow {
  viewer::BrowserHost& host() { return *viewer::BrowserHostOf(*window); }
  const viewer::BrowserHistory& history() { return host().Viewer().History(); }
  std::filesystem::path TempFile() { return TempPagePath(f.services->dirs); }
  bool WaitForBlankStart() {
    return QTest::qWaitFor([this] { return history().LastCompletedAddress() == "about:blank"; }, kLoadTimeout);
  }

  // A search through the search window; `inText`: titles-only unchecked.
  bool SearchFor(const QString& query, bool inText) {
    bool ran = false;
    WhenSearchOpens([&](TfmSearch& form) {
      form.cbSearchInCaptions->setChecked(!inText);
      form.cbSearchSameWords->setChecked(false);
      form.edSearch->setEditText(query);
      form.btOk->click();
      ran = true;
    });
    return w().commands().Execute("acSearch") && ran;
  }
  int RowOfFile(const std::string& fileName) {
    const auto& rows = w().results().rows;
    for (std::size_t i = 0; i < rows.size(); ++i)
      if (rows[i].Value(ColFileName) == fileName) return static_cast<int>(i);
    return -1;
  }
  // Enter on one selected row of tlSearch.
  void OpenRow(int row) {
    QTreeView* view = w().tlSearch;
    view->selectionModel()->select(view->model()->index(row, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Return);
  }
  std::size_t ArticleCount() {
    std::size_t count = 0;
    for (CatalogueNode* category : w().catalogue().Roots())
      for (CatalogueNode* sub : category->Children()) count += static_cast<std::size_t>(sub->ChildCount());
    return count;
  }
  std::string Address(std::string_view fileName) { return host().Viewer().BaseDir() + std::string(fileName); }
};

}  // namespace

class ResultOpeningWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void textSearchOpensTheHighlightedCopy() {
    ResultWindow v;
    QVERIFY(v.WaitForBlankStart());
    QVERIFY(v.SearchFor(QStringLiteral("планировщиков"), true));
    QVERIFY(v.w().lastSearch().lastSearchInText);
    const int row = v.RowOfFile("binary_heap.html");
    QVERIFY(row >= 0);
    const std::string title = v.w().results().rows[static_cast<std::size_t>(row)].Value(ColTitle);
    QVERIFY(!std::filesystem::exists(v.TempFile()));

    v.OpenRow(row);
    // The copy on disk carries the marks around the word, as written.
    QVERIFY(std::filesystem::exists(v.TempFile()));
    const std::string written = ReadFile(v.TempFile()).value_or("");
    QVERIFY(written.find(kMarkup.toStdString() + "<font color=maroon>" + text::Ansi("планировщиков") +
                         "</font></span>") != std::string::npos);
    QCOMPARE(ReadFile(StoredNameToPath(v.f.services->dirs.baseDir, "binary_heap.html")).value_or("").find(kMarkup.toStdString()),
             std::string::npos);
    QCOMPARE(v.w().cbURLs->currentText(), FromAnsi(PathToAnsi(v.TempFile())));
    // The browser shows the copy, and the caption the row's title.
    QTRY_COMPARE_WITH_TIMEOUT(v.w().windowTitle(), QStringLiteral("Lorvane 6 Pro - ") + FromAnsi(title),
                              kLoadTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(ShownHtml(v.host().Browser()).contains(kMarkup), kLoadTimeout);
    QCOMPARE(v.host().TemporaryPage().title, title);
    QVERIFY(v.f.prompter.messages.empty());
  }

  // When the article opens from its own file instead.
  void unhighlightedOpenings_data() {
    QTest::addColumn<bool>("titlesOnly");
    QTest::addColumn<bool>("viewAfterSearch");
    QTest::addColumn<bool>("fixedDisk");
    QTest::newRow("titles only") << true << false << true;
    QTest::newRow("a view after the text search") << false << true << true;
    QTest::newRow("not a fixed disk") << false << false << false;
  }
  void unhighlightedOpenings() {
    QFETCH(bool, titlesOnly);
    QFETCH(bool, viewAfterSearch);
    QFETCH(bool, fixedDisk);
    ResultWindow v;
    QVERIFY(v.WaitForBlankStart());
    // "Двоичная" is in the title and in the text of the heap article.
    QVERIFY(v.SearchFor(QStringLiteral("Двоичная"), !titlesOnly));
    if (viewAfterSearch) QVERIFY(v.w().commands().Execute("acPointer"));
    v.f.disk.fixed = fixedDisk;
    const int row = v.RowOfFile("binary_heap.html");
    QVERIFY(row >= 0);
    v.OpenRow(row);
    QCOMPARE(v.w().cbURLs->currentText(),
             FromAnsi(PathToAnsi(StoredNameToPath(v.f.services->dirs.baseDir, "binary_heap.html"))));
    QVERIFY(!std::filesystem::exists(v.TempFile()));
    QTRY_VERIFY_WITH_TIMEOUT(v.history().LastCompletedAddress() == v.Address("binary_heap.html"), kLoadTimeout);
    QVERIFY(!ShownHtml(v.host().Browser()).contains(kMarkup));
  }

  void missingFileShowsTheWarningOnly() {
    ResultWindow v;
    QVERIFY(v.WaitForBlankStart());
    QVERIFY(v.SearchFor(QStringLiteral("планировщиков"), true));
    const int row = v.RowOfFile("binary_heap.html");
    QVERIFY(row >= 0);
    std::filesystem::remove(StoredNameToPath(v.f.services->dirs.baseDir, "binary_heap.html"));
    v.f.prompter.Clear();
    v.OpenRow(row);
    QCOMPARE(v.f.prompter.Texts(),
             std::vector<std::string>{viewer::MissingArticleFileText(v.host().Viewer().BaseDir(), "binary_heap.html")});
    QCOMPARE(v.f.prompter.messages.front().helpContext, viewer::kMissingArticleHelpContext);
    QVERIFY(!std::filesystem::exists(v.TempFile()));
    QCOMPARE(v.w().cbURLs->currentText(), QStringLiteral("about:blank"));
  }

  void randomArticleOpensAnIndexedRowAndKeepsThePage() {
    ResultWindow v;
    QVERIFY(v.WaitForBlankStart());
    QAction* random = v.w().commands()["acRandArticle"];
    QCOMPARE(random->shortcut(), QKeySequence(Qt::Key_F7));
    QCOMPARE(random->text(), QStringLiteral("&Случайная статья"));
    for (QWidget* page : {v.w().pageMenu, v.w().pageSearch}) {
      v.w().nbMain->setCurrentWidget(page);
      v.w().results().rows.clear();
      QVERIFY(v.w().commands().Execute("acRandArticle"));
      QCOMPARE(v.w().nbMain->currentWidget(), page);
      // The index filled the list with every article.
      QCOMPARE(v.w().results().rows.size(), v.ArticleCount());
      std::set<QString> addresses;
      for (const ResultRow& row : v.w().results().rows) addresses.insert(FromAnsi(v.Address(row.Value(ColFileName))));
      QVERIFY(addresses.count(v.w().cbURLs->currentText()) == 1);
    }
    QVERIFY(v.f.prompter.messages.empty());
  }
};

int RunResultOpeningWindowsTests(int argc, char** argv) {
  ResultOpeningWindowsTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace lrv::testing

#include "result_opening_windows_test.moc"
