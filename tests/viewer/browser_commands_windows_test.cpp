// The browser commands beyond navigation on the real engine (offscreen):
// font size, print, save, source, options, the find bar, the keyboard in
// the page, and the address list kept between runs.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPrinter>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QtTest>
#include <memory>

#include "app/command_list.h"
#include "base/files.h"
#include "base/text.h"
#include "viewer/font_size.h"
#include "viewer/ui/browser_commands.h"
#include "viewer/ui/find_bar.h"
#include "viewer_window.h"

namespace lrv::testing {

int RunBrowserCommandsWindowsTests(int argc, char** argv);

namespace {

// What the page's script answers ("" when it did not answer in time).
QString RunScript(QWebEngineView* browser, const QString& script) {
  auto result = std::make_shared<QString>();
  auto done = std::make_shared<bool>(false);
  browser->page()->runJavaScript(script, [result, done](const QVariant& v) {
    *result = v.toString();
    *done = true;
  });
  [[maybe_unused]] const bool answered = QTest::qWaitFor([done] { return *done; }, 5000);
  return *result;
}

struct CommandsWindow : ViewerWindow {
  viewer::BrowserCommands& b() { return *viewer::BrowserCommandsOf(w()); }
  QWebEngineView* browser() { return host().Browser(); }
  // Opens the first article with a file and waits for its page.
  CatalogueNode* OpenFirstArticle() {
    if (!WaitForBlankStart()) return nullptr;
    CatalogueNode* article = ArticlesWithFiles().front();
    OpenFromTree(article);
    if (!QTest::qWaitFor([&] { return w().windowTitle() == TitleFor(article); }, kLoadTimeout)) return nullptr;
    return article;
  }
  QString BodyFontSize() { return RunScript(browser(), QStringLiteral("getComputedStyle(document.body).fontSize")); }
};

class BrowserCommandsWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void fontSizeUpRewritesTheStyleSheetAndReloads() {
    CommandsWindow v;
    QVERIFY(v.OpenFirstArticle());
    const QString before = v.BodyFontSize();
    QVERIFY(!before.isEmpty());
    const auto sheet = v.f.services->dirs.BaseFile("css.css");
    QCOMPARE(viewer::ReadFontSize(*ReadLines(sheet)), 10);

    QVERIFY(v.w().commands().Execute("acFontSizeUp"));
    QCOMPARE(viewer::ReadFontSize(*ReadLines(sheet)), 11);
    const std::string css = *ReadFile(sheet);
    QVERIFY(css.find("font-size: 11pt") != std::string::npos);
    QVERIFY(css.find("font-size: 10pt") == std::string::npos);
    // The page shows the larger text without being opened again.
    QVERIFY(QTest::qWaitFor([&] { return v.BodyFontSize() != before; }, kLoadTimeout));

    QVERIFY(v.w().commands().Execute("acFontSizeDown"));
    QCOMPARE(viewer::ReadFontSize(*ReadLines(sheet)), 10);
    QVERIFY(QTest::qWaitFor([&] { return v.BodyFontSize() == before; }, kLoadTimeout));

    // Not on a fixed disk: both commands are off.
    v.f.disk.fixed = false;
    v.w().commands().UpdateAll();
    QVERIFY(!v.w().commands()["acFontSizeUp"]->isEnabled());
    QVERIFY(!v.w().commands().Execute("acFontSizeDown"));
    QCOMPARE(viewer::ReadFontSize(*ReadLines(sheet)), 10);
  }

  void printGoesToThePrinterTheUserChose() {
    CommandsWindow v;
    QVERIFY(v.OpenFirstArticle());
    int asked = 0;
    v.b().ChoosePrinter = [&]() -> std::unique_ptr<QPrinter> {
      ++asked;
      return nullptr;  // cancelled
    };
    QSignalSpy done(&v.b(), &viewer::BrowserCommands::printDone);
    QVERIFY(v.w().commands().Execute("acPrint"));
    QCOMPARE(asked, 1);
    QTest::qWait(200);
    QCOMPARE(done.count(), 0);

    const QString pdf = v.f.temp.filePath(QStringLiteral("page.pdf"));
    v.b().ChoosePrinter = [&]() {
      auto printer = std::make_unique<QPrinter>();
      printer->setOutputFormat(QPrinter::PdfFormat);
      printer->setOutputFileName(pdf);
      return printer;
    };
    QVERIFY(v.w().commands().Execute("acPrint"));
    QVERIFY(done.wait(kLoadTimeout));
    QCOMPARE(done.first().first().toBool(), true);
    QVERIFY(QFileInfo(pdf).size() > 0);
    QVERIFY(v.f.prompter.messages.empty());
  }

  void saveWritesThePageOrSaysItCouldNot() {
    CommandsWindow v;
    CatalogueNode* article = v.OpenFirstArticle();
    QVERIFY(article);
    QString suggested;
    const QString target = v.f.temp.filePath(QStringLiteral("saved/copy.html"));
    QDir().mkpath(QFileInfo(target).path());
    v.b().ChooseSaveFile = [&](const QString& name) {
      suggested = name;
      return target;
    };
    QSignalSpy done(&v.b(), &viewer::BrowserCommands::saveDone);
    QVERIFY(v.w().commands().Execute("acSaveHTML"));
    QVERIFY(done.wait(kLoadTimeout));
    QCOMPARE(done.first().first().toBool(), true);
    QCOMPARE(suggested, FromAnsi(article->Value(ColFileName)));
    const auto saved = ReadFile(ToPath(target));
    QVERIFY(saved.has_value());
    QVERIFY(saved->find("<html") != std::string::npos || saved->find("<HTML") != std::string::npos);
    QVERIFY(v.f.prompter.messages.empty());

    // A folder that cannot exist: the error box, help context 42.
    done.clear();
    const QString file = v.f.temp.filePath(QStringLiteral("plain-file"));
    WriteFileAtomic(ToPath(file), "x");
    v.b().ChooseSaveFile = [&](const QString&) { return file + QStringLiteral("/copy.html"); };
    QVERIFY(v.w().commands().Execute("acSaveHTML"));
    QVERIFY(done.wait(kLoadTimeout));
    QCOMPARE(done.first().first().toBool(), false);
    QVERIFY(v.f.prompter.Last() != nullptr);
    QCOMPARE(QString::fromStdString(v.f.prompter.Last()->text), QStringLiteral("Не удалось сохранить HTML-страницу!"));
    QCOMPARE(v.f.prompter.Last()->helpContext, 42);
  }

  void sourceOpensTheSourceOfTheShownPage() {
    CommandsWindow v;
    QVERIFY(v.OpenFirstArticle());
    QVERIFY(v.w().commands().Execute("acSource"));
    QWidget* source = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QStringLiteral("TfmSource") && w->isVisible()) source = w;
    QVERIFY(source != nullptr);
    auto* view = source->findChild<QWebEngineView*>(QStringLiteral("WebSource"));
    QVERIFY(view != nullptr);
    QVERIFY(QTest::qWaitFor([&] { return view->url().scheme() == QStringLiteral("view-source"); }, kLoadTimeout));
    QVERIFY(view->url().toString().endsWith(v.browser()->url().fileName()));
    source->close();
  }

  void optionsApplyToTheEngineAndAreKept() {
    CommandsWindow v;
    QVERIFY(v.WaitForBlankStart());
    viewer::BrowserOptions offered;
    v.b().ChooseOptions = [&](const viewer::BrowserOptions& current) -> std::optional<viewer::BrowserOptions> {
      offered = current;
      return viewer::BrowserOptions{false, true, 20};
    };
    QVERIFY(v.w().commands().Execute("acBrowserOptions"));
    QVERIFY(offered.images);
    QWebEngineSettings* settings = v.browser()->settings();
    QVERIFY(!settings->testAttribute(QWebEngineSettings::AutoLoadImages));
    QCOMPARE(settings->fontSize(QWebEngineSettings::DefaultFontSize), 20);

    // The next start applies them again.
    v.window->close();
    v.window = std::make_unique<TfmLrvMain>(*v.f.services, QStringList{});
    QWebEngineSettings* again = viewer::BrowserHostOf(*v.window)->Browser()->settings();
    QVERIFY(!again->testAttribute(QWebEngineSettings::AutoLoadImages));
    QCOMPARE(again->fontSize(QWebEngineSettings::DefaultFontSize), 20);
    // Restored for the other tests: the engine's settings are shared.
    viewer::ApplyBrowserOptions(*again, {true, true, offered.fontSize});
  }

  void theFindBarFindsInThePageAndEscClosesIt() {
    CommandsWindow v;
    QVERIFY(v.OpenFirstArticle());
    QVERIFY(v.w().commands().Execute("acSearchInArticlesText"));
    viewer::FindBar* bar = v.b().Finder();
    QVERIFY(bar->isVisible());
    // A word of the page's text (Latin: the test's keyboard types no other).
    const QString word = RunScript(v.browser(), QStringLiteral("document.body.innerText.match(/[A-Za-z]{5,}/)[0]"));
    QVERIFY(!word.isEmpty());
    QTest::keyClicks(bar->Box(), word);
    QVERIFY(QTest::qWaitFor([&] { return bar->MatchText().contains(QStringLiteral(" из ")); }, kLoadTimeout));

    QTest::keyClick(bar->Box(), Qt::Key_Escape);
    QVERIFY(!bar->isVisible());
    QVERIFY(bar->MatchText().isEmpty());

    QTest::keyClicks(bar->Box(), QStringLiteral("zzqqxx"));
    bar->Open();
    QVERIFY(QTest::qWaitFor([&] { return bar->MatchText() == QStringLiteral("Не найдено"); }, kLoadTimeout));
  }

  void keysInThePageNeverNavigateButSelectAllReachesIt() {
    CommandsWindow v;
    QVERIFY(v.WaitForBlankStart());
    const auto articles = v.ArticlesWithFiles();
    v.OpenFromTree(articles[0]);
    QVERIFY(QTest::qWaitFor([&] { return v.w().windowTitle() == v.TitleFor(articles[0]); }, kLoadTimeout));
    v.OpenFromTree(articles[1]);
    QVERIFY(QTest::qWaitFor([&] { return v.w().windowTitle() == v.TitleFor(articles[1]); }, kLoadTimeout));
    const int index = v.history().Index();

    QWidget* page = v.browser()->focusProxy();
    QVERIFY(page != nullptr);
    page->setFocus();
    for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Left, Qt::Key_Right}) QTest::keyClick(page, key);
    QTest::qWait(500);
    QCOMPARE(v.history().Index(), index);
    QCOMPARE(v.w().windowTitle(), v.TitleFor(articles[1]));

    QTest::keyClick(page, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(QTest::qWaitFor(
        [&] { return RunScript(v.browser(), QStringLiteral("String(window.getSelection()).length")).toInt() > 100; },
        5000));
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(page, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QTest::qWaitFor([] { return QGuiApplication::clipboard()->text().size() > 100; }, 5000));
  }

  void noOpCommandsCarryTheirCaptions() {
    CommandsWindow v;
    const std::pair<const char*, QString> commands[] = {
        {"acSelectAll", QStringLiteral("&Выделить всё")}, {"acCopy", QStringLiteral("&Копировать в буфер")},
        {"acSaveTXT", QStringLiteral("&TXT документ")},    {"acSaveBMP", QStringLiteral("&BMP картинку")},
        {"acSaveJPEG", QStringLiteral("&JPEG картинку")},  {"acAddLink", QStringLiteral("&Добавить новую ссылку...")},
        {"acLinks", QStringLiteral("&Упорядочить ссылки...")}};
    for (const auto& [name, caption] : commands) {
      QAction* action = v.w().commands()[name];
      QVERIFY2(action != nullptr, name);
      QCOMPARE(action->text(), caption);
    }
    QCOMPARE(v.w().commands()["acSelectAll"]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
    QCOMPARE(v.w().commands()["acSearchInArticlesText"]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    QCOMPARE(v.w().commands()["acFontSizeUp"]->shortcut(), QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Up));
  }

  void theAddressListAndTheLastPageAreKeptBetweenRuns() {
    CommandsWindow v;
    CatalogueNode* article = v.OpenFirstArticle();
    QVERIFY(article);
    const auto list = v.history().AddressList();
    QCOMPARE(list.size(), std::size_t{2});
    const std::string address = v.AddressOf(article);
    const QString title = v.TitleFor(article);
    v.window->close();
    v.window = std::make_unique<TfmLrvMain>(*v.f.services, QStringList{});
    v.window->show();
    // The page shown last opens again.
    QVERIFY(QTest::qWaitFor([&] { return v.history().LastCompletedAddress() == address; }, kLoadTimeout));
    QCOMPARE(v.w().windowTitle(), title);
    // The list as it was, with that page at its top.
    auto now = v.history().AddressList();
    QVERIFY(now.size() >= list.size());
    for (const std::string& address : list)
      QVERIFY2(std::find(now.begin(), now.end(), address) != now.end(), address.c_str());
    QCOMPARE(v.w().cbURLs->count(), static_cast<int>(now.size()));
  }
};

}  // namespace

int RunBrowserCommandsWindowsTests(int argc, char** argv) {
  BrowserCommandsWindowsTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace lrv::testing

#include "browser_commands_windows_test.moc"
