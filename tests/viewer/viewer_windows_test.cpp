// The browser host in the main window over the imported sample archive:
// the real engine loads the pages (offscreen), and the adapter's event
// handlers are fed directly where the engine gives no control.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QToolBar>
#include <QWebEngineView>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "viewer_window.h"
#include "app/command_list.h"
#include "app/main_window.h"
#include "base/paths.h"
#include "base/text.h"
#include "editing/ui/catalogue_tree.h"
#include "platform/qt/qt_text.h"
#include "viewer/open_article.h"
#include "viewer/ui/browser_host.h"
#include "viewer/ui/viewer_commands.h"
#include "viewer/ui/web_page.h"

namespace lrv::testing {
namespace {

class ViewerWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void startsOnTheBlankPageWithTheBareTitle() {
    ViewerWindow v;
    QVERIFY(v.WaitForBlankStart());
    QCOMPARE(v.history().Entries(), std::vector<std::string>{"about:blank"});
    QCOMPARE(v.w().windowTitle(), QStringLiteral("Lorvane 6 Pro"));
    QCOMPARE(v.w().cbURLs->currentText(), QStringLiteral("about:blank"));
    QCOMPARE(v.w().cbURLs->count(), 1);
    auto* browser = v.w().pnBrowser->findChild<QWebEngineView*>(QStringLiteral("WebBrowser"));
    QVERIFY(browser != nullptr);
    QVERIFY(browser->isVisible());
  }

  void enterInTheTreeOpensTheArticleAndTheCompletionFollowsIt() {
    ViewerWindow v;
    QVERIFY(v.WaitForBlankStart());
    const auto articles = v.ArticlesWithFiles();
    QVERIFY(articles.size() >= 2);
    CatalogueNode* article = articles[1];
    v.c().SetValue(article, ColLook, "no");
    v.c().SelectOnly(articles[0]);  // completion moves the selection to the shown article

    v.OpenFromTree(article);
    QCOMPARE(v.w().cbURLs->currentText(), FromAnsi(v.AddressOf(article)));  // at once, before the load
    QTRY_COMPARE_WITH_TIMEOUT(v.w().windowTitle(), v.TitleFor(article), kLoadTimeout);
    QCOMPARE(article->Value(ColLook), std::string("yes"));
    QCOMPARE(v.c().SelectedCount(), 1);
    QCOMPARE(v.c().SelectedNode(0), article);
    QCOMPARE(v.w().cbURLs->currentText(), FromAnsi(v.AddressOf(article)));
    QCOMPARE(v.w().cbURLs->itemText(0), FromAnsi(v.AddressOf(article)));
    QCOMPARE(v.history().LastCompletedAddress(), v.AddressOf(article));
    QVERIFY(v.f.prompter.messages.empty());
  }

  void backAndForwardBetweenTwoArticlesKeepTheHistory() {
    ViewerWindow v;
    QVERIFY(v.WaitForBlankStart());
    const auto articles = v.ArticlesWithFiles();
    CatalogueNode* a = articles[0];
    CatalogueNode* b = articles[2];
    v.OpenFromTree(a);
    QTRY_COMPARE_WITH_TIMEOUT(v.w().windowTitle(), v.TitleFor(a), kLoadTimeout);
    v.OpenFromTree(b);
    QTRY_COMPARE_WITH_TIMEOUT(v.w().windowTitle(), v.TitleFor(b), kLoadTimeout);
    const std::vector<std::string> visited{"about:blank", v.AddressOf(a), v.AddressOf(b)};
    QCOMPARE(v.history().Entries(), visited);

    QAction* back = v.w().commands()["acBack"];
    QCOMPARE(back->text(), QStringLiteral("Перейти &назад"));
    QCOMPARE(back->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Left));
    QVERIFY(v.w().commands().Execute("acBack"));
    QTRY_COMPARE_WITH_TIMEOUT(v.w().windowTitle(), v.TitleFor(a), kLoadTimeout);
    QCOMPARE(v.history().Index(), 1);
    QCOMPARE(v.history().Entries(), visited);  // a step never truncates
    QCOMPARE(v.w().cbURLs->currentText(), FromAnsi(v.AddressOf(a)));
    QCOMPARE(v.c().SelectedNode(0), a);

    // The forward menu offers b with its title; choosing it goes there.
    QMenu* forwardMenu = v.w().findChild<QMenu*>(QStringLiteral("pmHistoryForward"));
    QVERIFY(forwardMenu != nullptr);
    emit forwardMenu->aboutToShow();
    QCOMPARE(forwardMenu->actions().size(), 1);
    QCOMPARE(forwardMenu->actions()[0]->text(), FromAnsi(b->Title()));
    QMenu* backMenu = v.w().findChild<QMenu*>(QStringLiteral("pmHistoryBack"));
    emit backMenu->aboutToShow();
    QCOMPARE(backMenu->actions().size(), 1);
    QCOMPARE(backMenu->actions()[0]->text(), QStringLiteral("about:blank"));
    forwardMenu->actions()[0]->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(v.w().windowTitle(), v.TitleFor(b), kLoadTimeout);
    QCOMPARE(v.history().Index(), 2);
    QCOMPARE(v.history().Entries(), visited);
    QVERIFY(!v.w().commands().Execute("acForward"));  // nothing ahead: disabled
    QVERIFY(v.w().commands().Execute("acBack"));
    QTRY_COMPARE_WITH_TIMEOUT(v.w().windowTitle(), v.TitleFor(a), kLoadTimeout);
    QVERIFY(v.w().commands().Execute("acForward"));
    QTRY_COMPARE_WITH_TIMEOUT(v.w().windowTitle(), v.TitleFor(b), kLoadTimeout);
  }

  void theHistoryMenuListsAtMostFifteenEntries() {
    ViewerWindow v;
    QVERIFY(v.WaitForBlankStart());
    // Fed to the rules directly: twenty visited addresses.
    for (int i = 0; i < 20; ++i) v.host().WebBrowserBeforeNavigate2("http://example.org/" + std::to_string(i));
    QMenu* backMenu = v.w().findChild<QMenu*>(QStringLiteral("pmHistoryBack"));
    emit backMenu->aboutToShow();
    QCOMPARE(backMenu->actions().size(), 15);
    QCOMPARE(backMenu->actions()[0]->text(), QStringLiteral("http://example.org/18"));
  }

  void aMissingArticleFileGivesTheWarningAndNoNavigation() {
    ViewerWindow v;
    QVERIFY(v.WaitForBlankStart());
    CatalogueNode* article = v.ArticlesWithFiles()[0];
    std::filesystem::remove(StoredNameToPath(v.f.services->dirs.baseDir, article->Value(ColFileName)));
    v.c().SetValue(article, ColLook, "no");
    v.OpenFromTree(article);
    QCOMPARE(v.f.prompter.messages.size(), std::size_t{1});
    const Message& warning = v.f.prompter.messages[0];
    QCOMPARE(warning.helpContext, viewer::kMissingArticleHelpContext);
    QCOMPARE(warning.text,
             viewer::MissingArticleFileText(v.host().Viewer().BaseDir(), article->Value(ColFileName)));
    QCOMPARE(v.w().cbURLs->currentText(), QStringLiteral("about:blank"));
    QCOMPARE(v.history().Entries(), std::vector<std::string>{"about:blank"});
    QCOMPARE(article->Value(ColLook), std::string("no"));
  }

  void enterInTheAddressBoxAndTheGoButtonNavigate() {
    ViewerWindow v;
    QVERIFY(v.WaitForBlankStart());
    const auto articles = v.ArticlesWithFiles();
    QLineEdit* edit = v.w().cbURLs->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, FromAnsi(v.AddressOf(articles[0])));
    QTest::keyClick(edit, Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(v.w().windowTitle(), v.TitleFor(articles[0]), kLoadTimeout);

    edit->setText(FromAnsi(v.AddressOf(articles[1])));
    emit edit->textEdited(edit->text());
    QAction* go = v.w().tbAddress->findChild<QAction*>(QStringLiteral("dxGoAddress"));
    QVERIFY(go != nullptr);
    QCOMPARE(go->text(), QStringLiteral("&Переход"));
    go->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(v.w().windowTitle(), v.TitleFor(articles[1]), kLoadTimeout);

    // Choosing an entry of the drop-down navigates at once.
    const int entry = v.w().cbURLs->findText(FromAnsi(v.AddressOf(articles[0])));
    QVERIFY(entry >= 0);
    emit v.w().cbURLs->activated(entry);
    QTRY_COMPARE_WITH_TIMEOUT(v.w().windowTitle(), v.TitleFor(articles[0]), kLoadTimeout);

    // Shift+Delete empties the list.
    QTest::keyClick(edit, Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(v.w().cbURLs->count(), 0);
    QVERIFY(v.host().Viewer().History().AddressList().empty());
  }

  void blankPageCommandAndTheCompletedDocumentHasNoBorder() {
    ViewerWindow v;
    QVERIFY(v.WaitForBlankStart());
    CatalogueNode* article = v.ArticlesWithFiles()[0];
    v.OpenFromTree(article);
    QTRY_COMPARE_WITH_TIMEOUT(v.w().windowTitle(), v.TitleFor(article), kLoadTimeout);
    QString border;
    v.host().Page()->runJavaScript(QStringLiteral("document.body.style.borderStyle"),
                                   [&border](const QVariant& value) { border = value.toString(); });
    QTRY_COMPARE_WITH_TIMEOUT(border, QStringLiteral("none"), kLoadTimeout);

    QVERIFY(v.w().commands().Execute("acBlank"));
    QTRY_COMPARE_WITH_TIMEOUT(v.w().windowTitle(), QStringLiteral("Lorvane 6 Pro"), kLoadTimeout);
    QCOMPARE(v.w().cbURLs->currentText(), QStringLiteral("about:blank"));
  }

  void commandsCarryTheirCaptionsAndShortcuts() {
    ViewerWindow v;
    struct Row {
      const char* name;
      QString caption;
      QKeySequence shortcut;
    };
    const Row rows[] = {
        {"acBack", QStringLiteral("Перейти &назад"), QKeySequence(Qt::ALT | Qt::Key_Left)},
        {"acForward", QStringLiteral("Перейти &вперёд"), QKeySequence(Qt::ALT | Qt::Key_Right)},
        {"acStop", QStringLiteral("О&становить загрузку"), QKeySequence(Qt::Key_Escape)},
        {"acRefresh", QStringLiteral("О&бновить страницу"), QKeySequence(Qt::Key_F5)},
        {"acGoAddress", QStringLiteral("&Перейти по адресу"), QKeySequence()},
        {"acBlank", QStringLiteral("&Пустая страница"), QKeySequence()},
    };
    for (const Row& row : rows) {
      QAction* action = v.w().commands()[row.name];
      QVERIFY2(action != nullptr, row.name);
      QCOMPARE(action->text(), row.caption);
      QCOMPARE(action->shortcut(), row.shortcut);
    }
    // The browser menu and the navigation toolbar show them.
    QVERIFY(v.w().tbNavigation->actions().contains(v.w().commands()["acBack"]));
    QVERIFY(v.w().tbNavigation->actions().contains(v.w().commands()["acRefresh"]));
  }

  void statusTextAndProgressFollowThePage() {
    ViewerWindow v;
    viewer::LrvWebPage* page = v.host().Page();
    page->HandleStatusText(QStringLiteral("http://example.org/page.html"));
    QCOMPARE(v.w().pnStatusLarge->text(), QStringLiteral("http://example.org/page.html"));
    QVERIFY(!v.w().pnStatusLargeImage->pixmap().isNull());
    page->HandleStatusText(QStringLiteral("   "));
    QVERIFY(v.w().pnStatusLargeImage->pixmap().isNull());

    QVERIFY(v.WaitForBlankStart());
    page->HandleProgress(40);
    // The status bar lays its items out when events run.
    QTRY_VERIFY(v.w().pnProgress->isVisibleTo(&v.w()));
    QVERIFY(!v.w().pnCatsCount->isVisibleTo(&v.w()));
    QCOMPARE(v.w().pnProgress->value(), 40);
    QCOMPARE(v.w().pnProgress->maximum(), 100);
    page->HandleProgress(100);
    QTRY_VERIFY(!v.w().pnProgress->isVisibleTo(&v.w()));
    QVERIFY(v.w().pnCatsCount->isVisibleTo(&v.w()));
    QVERIFY(v.w().pnArticlesCount->isVisibleTo(&v.w()));
  }

  void addressesCrossTheEdgeInTheArchiveForm() {
    const std::filesystem::path file = std::filesystem::path("/tmp") / "статьи" / "page.html";
    QCOMPARE(viewer::AddressFromUrl(QUrl::fromLocalFile(FromPath(file))), PathToAnsi(file));
    QCOMPARE(viewer::AddressFromUrl(QUrl(QStringLiteral("about:blank"))), std::string("about:blank"));
    const QUrl local = viewer::UrlForAddress(PathToAnsi(file));
    QVERIFY(local.isLocalFile());
    QCOMPARE(ToPath(local.toLocalFile()), file);
    QCOMPARE(viewer::UrlForAddress("about:blank"), QUrl(QStringLiteral("about:blank")));
    QCOMPARE(viewer::UrlForAddress("www.example.org").scheme(), QStringLiteral("http"));
  }
};

}  // namespace
}  // namespace lrv::testing

namespace lrv::testing {
int RunResultOpeningWindowsTests(int argc, char** argv);
int RunBrowserCommandsWindowsTests(int argc, char** argv);
int RunNoteWindowsTests(int argc, char** argv);
}

// The test classes share the binary (and its one browser engine).
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setAttribute(Qt::AA_Use96Dpi, true);
  lrv::testing::ViewerWindowsTest viewerTest;
  const int viewerFailures = QTest::qExec(&viewerTest, argc, argv);
  return viewerFailures + lrv::testing::RunResultOpeningWindowsTests(argc, argv) +
         lrv::testing::RunBrowserCommandsWindowsTests(argc, argv) + lrv::testing::RunNoteWindowsTests(argc, argv);
}
#include "viewer_windows_test.moc"
