// The main window's life: creation, first show and shutdown on a fake
// platform and a temporary archive.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include "app/command_list.h"
#include "app/main_window.h"
#include "app_fixture.h"
#include "base/files.h"
#include "catalogue/catalogue_rules.h"
#include "catalogue/tree_file.h"
#include "editing/ui/catalogue_tree.h"
#include <cstdlib>

using namespace lrv;
using lrv::testing::AppFixture;
namespace fs = std::filesystem;

namespace {

bool HasMessage(const FakePrompter& prompter, int help) {
  for (const auto& m : prompter.messages)
    if (m.helpContext == help) return true;
  return false;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void freshArchiveImportsClosesItselfSavesAndAsksForARelaunch() {
    AppFixture f;
    f.CopySampleArchive();
    {
      TfmLrvMain window(*f.services, {});
      QCOMPARE(window.windowTitle(), QStringLiteral("Lorvane 6 Pro"));
      QCOMPARE(window.objectName(), QStringLiteral("TfmLrvMain"));
      QVERIFY(window.catalogue().RootCount() >= 8);
      QVERIFY(window.pnCatsCount->text().startsWith(QStringLiteral("Категорий: ")));
      window.show();
      QTRY_VERIFY(!window.isVisible());  // the import run closes at once
      QVERIFY(window.RelaunchRequested());
    }
    QVERIFY(fs::exists(f.Base() / "tree.info"));
    QVERIFY(!fs::exists(f.Base() / "tmp.tmp"));  // clean shutdown
    QVERIFY(!fs::exists(f.Base() / "temp"));
    QVERIFY(f.prompter.messages.empty());

    // The relaunched program loads the saved tree and writes the backups.
    TfmLrvMain again(*f.services, {});
    QVERIFY(again.catalogue().RootCount() >= 8);
    for (const char* backup : {"tree.first", "tree.last", "tree.auto", "tree_20261211.day"})
      QVERIFY2(fs::exists(f.Base() / backup), backup);
    QVERIFY(!again.RelaunchRequested());
  }

  void aCrashIsRecoveredFromTheAutosaveCopy() {
    AppFixture f;
    f.ImportSampleArchive();  // import and save tree.info
    // The previous run died after an edit: the marker stayed, tree.auto is newer.
    Catalogue edited;
    QVERIFY(LoadTree(edited, f.Base() / "tree.info"));
    edited.SetValue(edited.AddRoot(), ColTitle, "Recovered");
    SaveTree(edited, f.Base() / "tree.auto");
    WriteFileAtomic(f.Base() / "tmp.tmp", "");
    TfmLrvMain window(*f.services, {});
    QVERIFY(HasMessage(f.prompter, 24));
    bool found = false;
    for (auto* root : window.catalogue().Roots()) found = found || root->Title() == "Recovered";
    QVERIFY(found);
  }

  void aRemovableMediumWritesNothing() {
    AppFixture f;
    fs::create_directories(f.Base());
    f.disk.fixed = false;
    {
      TfmLrvMain window(*f.services, {});
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      window.close();
    }
    QVERIFY(HasMessage(f.prompter, 26));  // no tree file and no outline list
    QVERIFY(HasMessage(f.prompter, 36));  // nothing saved at shutdown
    QVERIFY(fs::is_empty(f.Base()));
    QCOMPARE(f.registry.writeCount, 0);
  }

  void freeSpaceWarnings() {
    struct Case { std::int64_t megabytes; int help; };
    for (const Case c : {Case{1, 28}, Case{2, 29}, Case{4, 29}, Case{5, 0}}) {
      AppFixture f;
      fs::create_directories(f.Base());
      f.disk.freeMegabytes = c.megabytes;
      f.prompter.defaultAnswer = Answer::Ok;
      TfmLrvMain window(*f.services, {});
      QCOMPARE(HasMessage(f.prompter, 28), c.help == 28);
      QCOMPARE(HasMessage(f.prompter, 29), c.help == 29);
    }
  }

  void aTreeFileArgumentIsLoadedFromBaseDirAfterConfirmation() {
    AppFixture f;
    f.CopySampleArchive();
    Catalogue small;
    small.SetValue(small.AddRoot(), ColTitle, "Only");
    SaveTree(small, f.Base() / "mine.tree");
    TfmLrvMain window(*f.services, {QStringLiteral("  /elsewhere/mine.tree ")});
    QCOMPARE(f.prompter.messages.front().helpContext, 25);
    QCOMPARE(f.prompter.messages.front().text,
             std::string("Вы действительно хотите загрузить список статей из файла\n\r\"/elsewhere/mine.tree\"?"));
    QCOMPARE(window.catalogue().RootCount(), 1);
    QCOMPARE(window.catalogue().Root(0)->Title(), std::string("Only"));
  }

  void capitalExtensionsAskNothing() {
    AppFixture f;
    f.CopySampleArchive();
    TfmLrvMain window(*f.services, {QStringLiteral("MINE.TREE")});
    QVERIFY(!HasMessage(f.prompter, 25));
  }

  void shutdownWithAFailingSaveKeepsTheMarkerAndStillCloses() {
    AppFixture f;
    f.ImportSampleArchive();
    TfmLrvMain window(*f.services, {});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    f.prompter.messages.clear();
    // A folder where the tree file should be: the save fails.
    fs::remove(f.Base() / "tree.info");
    fs::create_directories(f.Base() / "tree.info" / "blocked");
    QVERIFY(window.close());
    QCOMPARE(f.prompter.messages.size(), size_t(1));  // reported once
    QCOMPARE(f.prompter.messages[0].kind, MessageKind::Error);
    QVERIFY(fs::exists(f.Base() / "tmp.tmp"));
    QVERIFY(fs::exists(f.Base() / "interface.ini"));  // the later steps still ran
    QVERIFY(fs::exists(f.Base() / "form.ini"));
  }

  void keysOfTheWholeWindow() {
    AppFixture f;
    f.ImportSampleArchive();
    TfmLrvMain window(*f.services, {});
    int opened = 0, renamed = 0;
    window.OpenSelectedArticle = [&] { ++opened; };
    window.RenameSelectedNode = [&] { ++renamed; };
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.tlMain->setFocus();
    window.catalogue().SelectOnly(window.catalogue().Root(0));
    window.catalogue().SetFocused(window.catalogue().Root(0));
    QTest::keyClick(window.tlMain, Qt::Key_Return);
    QTest::keyClick(window.tlMain, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(window.tlMain, Qt::Key_F2);
    QCOMPARE(opened, 1);
    QCOMPARE(renamed, 1);
    QTest::keyClick(window.tlMain, Qt::Key_F6, Qt::ControlModifier);
    QVERIFY(window.cbURLs->hasFocus() || window.cbURLs->lineEdit()->hasFocus());
  }

  void aCatalogueOfAHundredThousandArticlesOpensAndExpands() {
    AppFixture f;
    const std::string gen = "python3 '" + std::string(LRV_SOURCE_DIR) + "/scripts/gen_archive' '" +
                            f.Base().string() + "' --no-pages --articles 100000 --seed 1 >/dev/null";
    QCOMPARE(std::system(gen.c_str()), 0);
    TfmLrvMain window(*f.services, {});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.pnArticlesCount->text(), QStringLiteral("Статей в архиве: 100000"));
    QVERIFY(window.commands().Execute("acExpand"));
    QApplication::processEvents();
    for (auto* category : window.catalogue().Roots()) QVERIFY(category->Expanded());
    QVERIFY(window.tlMain->isExpanded(window.tlMain->model()->index(0, 0)));
    QVERIFY(window.commands().Execute("acCollapse"));
    QVERIFY(!window.catalogue().Root(0)->Expanded());
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
