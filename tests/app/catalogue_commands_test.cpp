// The catalogue commands of the main window and the restore window, on a
// fake platform and a temporary archive.
#include <QApplication>
#include <QSplitter>
#include <algorithm>
#include <QTimer>
#include <QtTest>

#include "app/command_list.h"
#include "app/main_window.h"
#include "app_fixture.h"
#include "base/files.h"
#include "catalogue/tree_file.h"
#include "catalogue/ui/restore_tree_window.h"

using namespace lrv;
using lrv::testing::AppFixture;
namespace fs = std::filesystem;

namespace {

int CountHelp(const FakePrompter& prompter, int help) {
  int n = 0;
  for (const auto& m : prompter.messages) n += m.helpContext == help;
  return n;
}

Catalogue OneCategory(const char* title) {
  Catalogue c;
  c.SetValue(c.AddRoot(), ColTitle, title);
  return c;
}

// Runs `act` on the restore window as soon as it is shown modally.
void WhenRestoreWindowOpens(std::function<void(TfmRestoreTree&)> act) {
  QTimer::singleShot(0, [act] {
    auto* window = qobject_cast<TfmRestoreTree*>(QApplication::activeModalWidget());
    QVERIFY(window);
    act(*window);
  });
}

// An archive whose tree file is damaged and which has two backups.
void DamagedArchiveWithBackups(AppFixture& f) {
  fs::create_directories(f.Base());
  WriteFileAtomic(f.Base() / "tree.info", "\xFF\xFF\xFF\xFF\x05\x00\x00\x00garbage");
  SaveTree(OneCategory("First"), f.Base() / "tree.first");
  SaveTree(OneCategory("Auto"), f.Base() / "tree.auto");
}

}  // namespace

class CatalogueCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void restoreWindowRestoresAndContinues() {
    AppFixture f;
    DamagedArchiveWithBackups(f);
    WhenRestoreWindowOpens([](TfmRestoreTree& w) {
      QCOMPARE(w.windowTitle(), QStringLiteral("Восстановление дерева статей"));
      QCOMPARE(w.cbCopies->count(), 2);
      QCOMPARE(w.cbCopies->currentIndex(), 0);
      w.cbCopies->setCurrentIndex(1);  // "Копия автосохранения"
      w.btRestore->click();
      w.btOk->click();
    });
    TfmLrvMain window(*f.services, {});
    QVERIFY(!window.EndRequested());
    QCOMPARE(window.catalogue().RootCount(), 1);
    QCOMPARE(window.catalogue().Root(0)->Title(), std::string("Auto"));
    QCOMPARE(CountHelp(f.prompter, 77), 1);
  }

  void restoreWindowCancelEndsTheProgramWithoutSaving() {
    AppFixture f;
    DamagedArchiveWithBackups(f);
    const auto damaged = ReadFile(f.Base() / "tree.info");
    WhenRestoreWindowOpens([](TfmRestoreTree& w) { w.btCancel->click(); });
    {
      TfmLrvMain window(*f.services, {});
      QVERIFY(window.EndRequested());
    }
    QCOMPARE(ReadFile(f.Base() / "tree.info"), damaged);
    QVERIFY(fs::exists(f.Base() / "tmp.tmp"));  // the marker stays
    QVERIFY(!fs::exists(f.Base() / "form.ini"));
  }

  void restoreWindowOkWithoutRestoringAsksFirst() {
    AppFixture f;
    DamagedArchiveWithBackups(f);
    f.prompter.Reply(Answer::Cancel).Reply(Answer::Ok);  // help 75: first no, then yes
    WhenRestoreWindowOpens([](TfmRestoreTree& w) {
      w.btOk->click();
      QVERIFY(w.isVisible());  // Cancel on the question keeps the window
      w.btOk->click();
    });
    TfmLrvMain window(*f.services, {});
    QVERIFY(!window.EndRequested());
    QCOMPARE(CountHelp(f.prompter, 75), 2);
    QVERIFY(window.catalogue().Empty());
  }

  void loadSaveAndClearByCommand() {
    AppFixture f;
    f.ImportSampleArchive();
    TfmLrvMain window(*f.services, {});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    f.prompter.messages.clear();

    // A backup outside BaseDir is refused.
    window.SaveTreeDialog = [&] { return f.temp.path() + QStringLiteral("/outside.tree"); };
    QVERIFY(window.commands().Execute("acTreeSave"));
    QCOMPARE(CountHelp(f.prompter, 39), 1);
    QVERIFY(!fs::exists(fs::path(f.temp.path().toStdString()) / "outside.tree"));
    // Inside BaseDir it is written.
    window.SaveTreeDialog = [&] { return QString::fromStdString((f.Base() / "mine.tree").string()); };
    QVERIFY(window.commands().Execute("acTreeSave"));
    QVERIFY(fs::exists(f.Base() / "mine.tree"));

    SaveTree(OneCategory("Loaded"), f.Base() / "small.tree");
    window.OpenTreeDialog = [&] { return QString::fromStdString((f.Base() / "small.tree").string()); };
    QVERIFY(window.commands().Execute("acTreeLoad"));
    QCOMPARE(window.catalogue().RootCount(), 1);
    QCOMPARE(window.pnCatsCount->text(), QStringLiteral("Категорий: 1"));

    f.prompter.Reply(Answer::Ok).Reply(Answer::Cancel);  // clear: yes; notes: keep
    QVERIFY(window.commands().Execute("acTreeClear"));
    QVERIFY(window.catalogue().Empty());
    QCOMPARE(window.pnCatsCount->text(), QStringLiteral("Категорий: 0"));
    QVERIFY(fs::exists(f.Base() / "notes"));
    QVERIFY(!window.commands().Execute("acTreeClear"));  // nothing left to clear: disabled
  }

  void droppedFiles() {
    AppFixture f;
    f.ImportSampleArchive();
    TfmLrvMain window(*f.services, {});
    f.prompter.messages.clear();
    SaveTree(OneCategory("Dropped"), f.Base() / "CAPS.TREE");
    window.DropFiles({f.Base() / "CAPS.TREE"});
    QCOMPARE(window.catalogue().RootCount(), 1);  // capitals load too
    window.DropFiles({f.Base() / "a.tree", f.Base() / "b.tree"});
    QCOMPARE(CountHelp(f.prompter, 53), 1);
    window.DropFiles({f.Base() / "css.css"});
    QCOMPARE(CountHelp(f.prompter, 52), 1);
    window.DropFiles({fs::path("/elsewhere/page.html")});
    QCOMPARE(CountHelp(f.prompter, 51), 1);
    std::string started;
    window.AddArticleFromDrop = [&](const std::string& file) { started = file; };
    window.DropFiles({f.Base() / "binary_search.html"});
    QCOMPARE(started, std::string("binary_search.html"));
  }

  void sortCommandsOrderTheSampleCatalogue() {
    AppFixture f;
    f.ImportSampleArchive();
    TfmLrvMain window(*f.services, {});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto titles = [&] {
      std::vector<std::string> t;
      for (auto* root : window.catalogue().Roots()) t.push_back(root->Title());
      return t;
    };
    QVERIFY(window.commands().Execute("acSortName"));
    auto ascending = titles();
    QVERIFY(std::is_sorted(ascending.begin(), ascending.end(), [](const std::string& a, const std::string& b) {
      return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                          [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); });
    }));
    QVERIFY(window.commands().Execute("acSortOrder"));
    auto descending = titles();
    std::reverse(descending.begin(), descending.end());
    QCOMPARE(descending, ascending);
    QCOMPARE(window.catalogue().GetSortMark(ColTitle), SortMark::Descending);

    // By count: every subcategory list runs from the fewest articles up.
    QVERIFY(window.commands().Execute("acSortCount"));
    QCOMPARE(window.catalogue().GetSortMark(ColTitle), SortMark::None);
    for (auto* category : window.catalogue().Roots()) {
      int previous = -1;
      for (auto* sub : category->Children()) {
        QVERIFY(sub->ChildCount() >= previous);
        previous = sub->ChildCount();
      }
    }
    // The tree must be in view for the sort commands.
    window.Splitter->setSizes({18, 800});
    QApplication::processEvents();
    QCOMPARE(window.pnLeft->width(), 18);
    QVERIFY(!window.commands().Execute("acSortName"));
    QVERIFY(!window.commands().Execute("acTreeList"));  // exactly 18 px: neither hidden nor in view
  }
};

QTEST_MAIN(CatalogueCommandsTest)
#include "catalogue_commands_test.moc"
