// Program entry: the single-instance rule and the relaunch after an import.
#include <QApplication>
#include <QtTest>

#include "app/program.h"
#include "app_fixture.h"
#include "platform/fake/fake_single_instance.h"

using namespace lrv;
using lrv::testing::AppFixture;
namespace fs = std::filesystem;

class ProgramTest : public QObject {
  Q_OBJECT
 private slots:
  void aSecondStartIsRefusedAndTouchesNothing() {
    AppFixture f;
    f.CopySampleArchive();
    FakeSingleInstance instance;
    instance.anotherRunning = true;
    QCOMPARE(RunProgram(*f.services, instance, {}), 0);
    QCOMPARE(f.prompter.messages.size(), size_t(1));
    QCOMPARE(f.prompter.messages[0].text, std::string("Экземпляр этой программы уже запущен!"));
    QCOMPARE(f.prompter.messages[0].kind, MessageKind::Information);
    QCOMPARE(f.prompter.messages[0].helpContext, 21);
    QCOMPARE(instance.activateOtherCalls, 1);
    QVERIFY(!instance.claimed);
    QVERIFY(!fs::exists(f.Base() / "tmp.tmp"));
    QVERIFY(!fs::exists(f.Base() / "tree.info"));
  }

  void theImportRunRelaunchesOnlyAfterGivingUpItsName() {
    AppFixture f;
    f.CopySampleArchive();
    FakeSingleInstance instance;
    struct WatchingShell : FakeShell {
      FakeSingleInstance* instance = nullptr;
      bool claimedAtStart = true;
      bool StartProgram(const fs::path& program, const std::vector<std::string>& args) override {
        claimedAtStart = instance->claimed;
        return FakeShell::StartProgram(program, args);
      }
    } shell;
    shell.instance = &instance;
    AppServices services{f.services->dirs, f.prompter, f.disk, f.registry, shell, f.systemInfo, f.clock, f.http, f.help};
    QCOMPARE(RunProgram(services, instance, {}), 0);
    QCOMPARE(shell.programs.size(), size_t(1));
    QCOMPARE(shell.programs[0].program, ExecutablePath());
    QVERIFY(shell.programs[0].args.empty());
    QVERIFY(!shell.claimedAtStart);
    QVERIFY(fs::exists(f.Base() / "tree.info"));
  }

  void anImportWithProblemsIsNotSavedNorRelaunched() {
    AppFixture f;
    f.CopySampleArchive();
    fs::remove(f.Base() / "binary_search.html");  // one listed file is missing
    f.prompter.defaultAnswer = Answer::Cancel;      // do not list the missing files
    FakeSingleInstance instance;
    QCOMPARE(RunProgram(*f.services, instance, {}), 0);
    QVERIFY(f.shell.programs.empty());
    QVERIFY(!fs::exists(f.Base() / "tree.info"));
    bool asked = false;
    for (const auto& m : f.prompter.messages) asked = asked || m.helpContext == 23;
    QVERIFY(asked);
  }
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
