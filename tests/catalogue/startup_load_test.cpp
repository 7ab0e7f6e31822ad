#include <gtest/gtest.h>

#include <functional>

#include "catalogue/startup_load.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_disk.h"
#include "backup_test_support.h"

namespace lrv {
namespace {

using test::Archive;
using test::Helps;
using test::Titles;
using test::TitlesIn;
using test::WriteDamaged;
using test::WriteTree;

// The restore window as a script of clicks.
class ScriptedChooser : public RestoreChooser {
 public:
  std::function<void(RestoreSession&)> script = [](RestoreSession& s) { s.btCancelClick(); };
  int runs = 0;
  std::vector<std::string> labels;  // the list the window was given
  int initialChoice = -2;

  void Run(RestoreSession& session) override {
    ++runs;
    for (const BackupEntry& e : session.Entries()) labels.push_back(e.label);
    initialChoice = session.InitialChoice();
    script(session);
  }
};

struct Startup {
  Archive a;
  FakeDisk disk;
  FakeClock clock;
  FakePrompter prompter;
  ScriptedChooser chooser;
  Catalogue catalogue;
  UndoJournal journal{a.dirs, disk};
  std::string currentName = "tree.info";

  StartupLoadResult Run(bool wasRunning) {
    const StartupPlatform platform{disk, clock, prompter, chooser, {}};
    return LoadCatalogueAtStartup(a.dirs, platform, wasRunning, currentName, catalogue, journal);
  }
};

// ---------------------------------------------------------------- the decision table

enum class Copy { Missing, Good, Damaged };

struct StartupCase {
  const char* name;
  Copy info;
  Copy autoCopy;
  bool wasRunning;
  bool outline;       // "menu.list" with one category whose article file exists
  bool otherBackup;   // "tree.first" exists
  StartupLoad outcome;
  std::vector<int> helps;
  std::vector<std::string> titles;
  std::size_t journalEntries;
};

void PrintTo(const StartupCase& k, std::ostream* os) { *os << k.name; }

class StartupDecision : public ::testing::TestWithParam<StartupCase> {};

TEST_P(StartupDecision, LoadsTheRightCopyAndSaysSo) {
  const StartupCase& k = GetParam();
  Startup s;
  // The restore window, where it opens, is left by OK without a restore.
  s.chooser.script = [](RestoreSession& session) { session.btOkClick(); };
  auto place = [&s](Copy copy, const char* name, const char* title) {
    if (copy == Copy::Good) WriteTree(s.a.File(name), {title});
    if (copy == Copy::Damaged) WriteDamaged(s.a.File(name));
  };
  place(k.info, "tree.info", "from info");
  place(k.autoCopy, "tree.auto", "from auto");
  if (k.otherBackup) WriteTree(s.a.File("tree.first"), {"from first"});
  if (k.outline) {
    WriteLinesAtomic(s.a.File("menu.list"), {"Outline", "\tSub", "\t\tPage | page.html"});
    WriteFileAtomic(s.a.File("page.html"), "<html></html>");
  }

  const StartupLoadResult r = s.Run(k.wasRunning);
  EXPECT_EQ(r.outcome, k.outcome);
  EXPECT_EQ(Helps(s.prompter), k.helps);
  EXPECT_EQ(Titles(s.catalogue, nullptr), k.titles);
  EXPECT_EQ(s.journal.Entries().size(), k.journalEntries);
  EXPECT_FALSE(r.EndProgram());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StartupDecision,
    ::testing::Values(
        StartupCase{"CleanStartLoadsTheTreeFile", Copy::Good, Copy::Good, false, false, false, StartupLoad::Loaded,
                    {}, {"from info"}, 1},
        StartupCase{"CrashWithAGoodAutoCopyRecoversIt", Copy::Good, Copy::Good, true, false, false,
                    StartupLoad::RecoveredFromAuto, {24}, {"from auto"}, 1},
        StartupCase{"CrashWithoutAutoCopyLoadsTheTreeFileSilently", Copy::Good, Copy::Missing, true, false, false,
                    StartupLoad::Loaded, {}, {"from info"}, 1},
        StartupCase{"CrashWithADamagedAutoCopyLoadsTheTreeFileSilently", Copy::Good, Copy::Damaged, true, false,
                    false, StartupLoad::Loaded, {}, {"from info"}, 1},
        StartupCase{"DamagedWithoutBackupLeavesAnEmptyCatalogue", Copy::Damaged, Copy::Missing, false, false, false,
                    StartupLoad::DamagedNoBackup, {27}, {}, 0},
        StartupCase{"DamagedWithBackupsOpensTheRestoreWindow", Copy::Damaged, Copy::Missing, false, false, true,
                    StartupLoad::RestoreWindow, {75}, {}, 0},
        StartupCase{"NoTreeFileImportsTheOutline", Copy::Missing, Copy::Good, true, true, true,
                    StartupLoad::OutlineImported, {}, {"Outline"}, 0},
        StartupCase{"NeitherTreeFileNorOutline", Copy::Missing, Copy::Good, false, false, true,
                    StartupLoad::MissingList, {26}, {}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StartupLoading, ASuccessfulLoadWritesTheBackupsAndTheFirstJournalEntry) {
  Startup s;
  s.clock.Set(2005, 1, 31);
  WriteTree(s.a.File("other.tree"), {"named"});
  s.currentName = "other.tree";  // from the command line
  const StartupLoadResult r = s.Run(false);
  EXPECT_EQ(r.outcome, StartupLoad::Loaded);
  EXPECT_EQ(s.currentName, "tree.info");  // shutdown saves there
  for (const char* copy : {"tree.first", "tree.last", "tree.auto", "tree_20050131.day"})
    EXPECT_EQ(TitlesIn(s.a.File(copy)), std::vector<std::string>{"named"}) << copy;
  ASSERT_EQ(s.journal.Entries().size(), 1u);
  EXPECT_EQ(s.journal.Entries()[0], "1^~");
  EXPECT_EQ(TitlesIn(s.journal.SnapshotPath(1)), std::vector<std::string>{"named"});
}

TEST(StartupLoading, AJournalThatCannotBeWrittenStillLeavesTheBackups) {
  Startup s;
  WriteTree(s.a.File("tree.info"), {"current"});
  WriteFileAtomic(s.a.File("temp"), "a file where the snapshots' folder should be");
  EXPECT_THROW(s.Run(false), IoError);
  EXPECT_TRUE(s.journal.Entries().empty());
  EXPECT_EQ(Titles(s.catalogue, nullptr), std::vector<std::string>{"current"});
  EXPECT_EQ(TitlesIn(s.a.File("tree.last")), std::vector<std::string>{"current"});
  EXPECT_EQ(s.currentName, "tree.info");
}

TEST(StartupLoading, ACrashRecoveryTellsWhatHappened) {
  Startup s;
  WriteTree(s.a.File("tree.info"), {"stale"});
  WriteTree(s.a.File("tree.auto"), {"after three edits"});
  s.Run(true);
  ASSERT_EQ(s.prompter.messages.size(), 1u);
  const Message& m = s.prompter.messages[0];
  EXPECT_EQ(m.kind, MessageKind::Information);
  EXPECT_EQ(m.buttons, MessageButtons::OkHelp);
  EXPECT_EQ(m.text,
            "В Н И М А Н И Е\n\r\n\rВ прошлый раз программа была закрыта некорректно!\n\rДанные не утеряны! "
            "Дерево статей загружено из резервной копии!");
  EXPECT_EQ(TitlesIn(s.a.File("tree.last")), std::vector<std::string>{"after three edits"});
}

TEST(StartupLoading, RecountsTheCountColumnAfterLoading) {
  Startup s;
  Catalogue c;
  CatalogueNode* cat = test::Add(c, nullptr, {"C", "7"});
  test::Add(c, cat, {"S", "9"});
  SaveTree(c, s.a.File("tree.info"));
  s.Run(false);
  EXPECT_EQ(s.catalogue.Root(0)->Value(ColCount), "1");
  EXPECT_EQ(s.catalogue.Root(0)->Child(0)->Value(ColCount), "0");
}

TEST(StartupLoading, FromARemovableDiskLoadsButWritesNothing) {
  Startup s;
  s.disk.fixed = false;
  WriteTree(s.a.File("tree.info"), {"cd"});
  const StartupLoadResult r = s.Run(false);
  EXPECT_EQ(r.outcome, StartupLoad::Loaded);
  EXPECT_EQ(Titles(s.catalogue, nullptr), std::vector<std::string>{"cd"});
  EXPECT_EQ(s.a.Names(), std::vector<std::string>{"tree.info"});
  EXPECT_TRUE(s.journal.Entries().empty());
}

TEST(StartupLoading, ADamagedTreeFileWithoutBackupIsKeptBesideIt) {
  Startup s;
  WriteDamaged(s.a.File("tree.info"));
  WriteFileAtomic(s.a.File("tree.info.bad"), "an earlier damaged file");
  const std::string damaged = *ReadFile(s.a.File("tree.info"));
  const StartupLoadResult r = s.Run(false);
  ASSERT_EQ(r.outcome, StartupLoad::DamagedNoBackup);
  EXPECT_EQ(r.damagedCopy, s.a.File("tree.info.bad"));
  EXPECT_EQ(*ReadFile(s.a.File("tree.info.bad")), damaged);
  ASSERT_EQ(s.prompter.messages.size(), 1u);
  const Message& m = s.prompter.messages[0];
  EXPECT_EQ(m.kind, MessageKind::Error);
  EXPECT_EQ(m.text,
            "В Н И М А Н И Е\n\r\n\rФайл, в котором находится список статей, повреждён!\n\rПрограммой не "
            "обнаружены резервные копии!\n\rВы должны будете составить список статей заново!...\n\r"
            "Повреждённый файл сохранён как \"" +
                s.a.File("tree.info.bad").string() + "\"");
  EXPECT_TRUE(s.catalogue.Empty());
}

TEST(StartupLoading, ADamagedTreeFileOnARemovableDiskIsNotCopied) {
  Startup s;
  s.disk.fixed = false;
  WriteDamaged(s.a.File("tree.info"));
  const StartupLoadResult r = s.Run(false);
  EXPECT_TRUE(r.damagedCopy.empty());
  EXPECT_FALSE(s.a.Has("tree.info.bad"));
  ASSERT_EQ(s.prompter.messages.size(), 1u);
  EXPECT_EQ(s.prompter.messages[0].text.find("Повреждённый"), std::string::npos);
}

TEST(StartupLoading, TheMissingListMessageNamesTheFileAndFolder) {
  Startup s;
  s.Run(false);
  ASSERT_EQ(s.prompter.messages.size(), 1u);
  const std::string& text = s.prompter.messages[0].text;
  EXPECT_NE(text.find("Файл \"tree.info\" должен находиться в каталоге \"" + s.a.dirs.baseDir.string() + "\"!"),
            std::string::npos);
  EXPECT_EQ(text.rfind("В Н И М А Н И Е\n\r\n\rПо умолчанию программа распространяется со списком статей по Orvel", 0),
            0u);
}

TEST(StartupLoading, AnOutlineWithProblemsSaysSo) {
  Startup s;
  WriteLinesAtomic(s.a.File("menu.list"), {"Cat", "\tSub", "\t\tGone | missing.html"});
  s.prompter.defaultAnswer = Answer::Cancel;
  const StartupLoadResult r = s.Run(false);
  EXPECT_TRUE(r.OutlineImported());
  EXPECT_TRUE(r.outlineImportProblems);
  EXPECT_EQ(r.outline.missing.size(), 1u);
  EXPECT_FALSE(s.a.Has("tree.first"));  // the relaunch writes the backups
}

// ---------------------------------------------------------------- the restore window

struct RestoreStartup : Startup {
  RestoreStartup() {
    WriteDamaged(a.File("tree.info"));
    WriteTree(a.File("tree.first"), {"first"});
    WriteDamaged(a.File("tree.last"));
    WriteTree(a.File("tree_20050131.day"), {"day"});
  }
};

TEST(RestoreWindow, OffersTheListWithTheFirstEntryChosen) {
  RestoreStartup s;
  s.Run(false);
  EXPECT_EQ(s.chooser.runs, 1);
  EXPECT_EQ(s.chooser.labels,
            (std::vector<std::string>{"Первоначальный вид дерева", "Успешная последняя загрузка", "Копия за 31.01.2005"}));
  EXPECT_EQ(s.chooser.initialChoice, 0);
}

TEST(RestoreWindow, CancelEndsTheProgramAndWritesNothing) {
  RestoreStartup s;
  const auto before = s.a.Names();
  const StartupLoadResult r = s.Run(false);
  EXPECT_TRUE(r.EndProgram());
  EXPECT_EQ(s.a.Names(), before);
  EXPECT_TRUE(s.journal.Entries().empty());
}

TEST(RestoreWindow, RestoringADamagedCopyThenAGoodOneThenOk) {
  RestoreStartup s;
  std::vector<RestoreSession::RestoreResult> results;
  s.chooser.script = [&results](RestoreSession& session) {
    results.push_back(session.btRestoreClick(-1));
    results.push_back(session.btRestoreClick(1));  // tree.last is damaged
    results.push_back(session.btRestoreClick(2));
    results.push_back(session.btRestoreClick(0));  // a second restore replaces the first
    EXPECT_TRUE(session.btOkClick());
  };
  s.currentName = "x.tree";  // a damaged file named on the command line
  WriteDamaged(s.a.File("x.tree"));
  const StartupLoadResult r = s.Run(false);
  using R = RestoreSession::RestoreResult;
  EXPECT_EQ(results, (std::vector<R>{R::NothingChosen, R::Failed, R::Restored, R::Restored}));
  EXPECT_EQ(Helps(s.prompter), (std::vector<int>{78, 77, 77}));
  EXPECT_EQ(s.prompter.messages[0].text,
            "Не получилось восстановить дерево статей!\n\rПопробуйте выбрать другую резервную копию!");
  EXPECT_EQ(s.prompter.messages[1].text, "Дерево статей было успешно восстановлено!");
  EXPECT_EQ(r.restoreDecision, RestoreDecision::Continue);
  EXPECT_TRUE(r.treeRestored);
  EXPECT_FALSE(r.EndProgram());
  EXPECT_EQ(Titles(s.catalogue, nullptr), std::vector<std::string>{"first"});
  EXPECT_EQ(s.catalogue.Root(0)->Value(ColCount), "0");  // recounted
  EXPECT_EQ(s.currentName, "tree.info");
  // A restore records no journal entry and writes no backup.
  EXPECT_TRUE(s.journal.Entries().empty());
  EXPECT_FALSE(s.a.Has("tree.auto"));
  EXPECT_EQ(TitlesIn(s.a.File("tree.last")), std::vector<std::string>{"<unreadable>"});
}

TEST(RestoreWindow, OkWithoutRestoreAsksAndStaysOnCancel) {
  RestoreStartup s;
  s.prompter.Reply(Answer::Cancel).Reply(Answer::Ok);
  std::vector<bool> closed;
  s.chooser.script = [&closed](RestoreSession& session) {
    closed.push_back(session.btOkClick());
    EXPECT_EQ(session.Decision(), RestoreDecision::EndProgram);  // the title bar would still end it
    closed.push_back(session.btOkClick());
  };
  s.currentName = "x.tree";
  WriteDamaged(s.a.File("x.tree"));
  const StartupLoadResult r = s.Run(false);
  EXPECT_EQ(closed, (std::vector<bool>{false, true}));
  EXPECT_EQ(Helps(s.prompter), (std::vector<int>{75, 75}));
  EXPECT_EQ(s.prompter.messages[0].text,
            "Список статей не был восстановлен!\n\rХотите заполнить дерево статей самостоятельно?");
  EXPECT_EQ(s.prompter.messages[0].kind, MessageKind::Confirmation);
  EXPECT_EQ(r.restoreDecision, RestoreDecision::Continue);
  EXPECT_FALSE(r.treeRestored);
  EXPECT_TRUE(s.catalogue.Empty());
  EXPECT_EQ(s.currentName, "x.tree");
}

TEST(RestoreWindow, AnEntryWithoutTextAsksForAChoice) {
  Catalogue c;
  FakePrompter prompter;
  RestoreSession session(c, prompter, {{"", "/nowhere/tree.first"}});
  EXPECT_EQ(session.btRestoreClick(0), RestoreSession::RestoreResult::ChooseFirst);
  EXPECT_EQ(Helps(prompter), std::vector<int>{76});
  EXPECT_EQ(prompter.messages[0].text, "Для восстановления дерева статей нужно выбрать резервную копию из списка!");
  EXPECT_FALSE(session.TreeRestored());
}

TEST(RestoreWindow, CancelAfterARestoreStillEndsTheProgram) {
  RestoreStartup s;
  s.chooser.script = [](RestoreSession& session) {
    session.btRestoreClick(0);
    session.btCancelClick();
  };
  const StartupLoadResult r = s.Run(false);
  EXPECT_TRUE(r.EndProgram());
}

}  // namespace
}  // namespace lrv
