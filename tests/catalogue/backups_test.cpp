#include <gtest/gtest.h>

#include "catalogue/backups.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_disk.h"
#include "backup_test_support.h"

namespace lrv {
namespace {

using test::Archive;
using test::CatalogueOf;
using test::TitlesIn;
using test::WriteTree;

// ---------------------------------------------------------------- names and labels

TEST(DayBackupNames, CarryTheDateWithLeadingZeros) {
  EXPECT_EQ(DayBackupName({2005, 1, 31}), "tree_20050131.day");
  EXPECT_EQ(DayBackupName({2004, 12, 5}), "tree_20041205.day");
}

struct LabelCase {
  const char* name;
  std::string fileName;
  std::string label;
};

void PrintTo(const LabelCase& k, std::ostream* os) { *os << k.name; }

class DayBackupLabels : public ::testing::TestWithParam<LabelCase> {};

TEST_P(DayBackupLabels, ReadTheDateOnlyWhereItIs) {
  EXPECT_EQ(DayBackupLabel(GetParam().fileName), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DayBackupLabels,
    ::testing::Values(LabelCase{"Dated", "tree_20050131.day", "Копия за 31.01.2005"},
                      LabelCase{"CapitalExtension", "TREE_20041205.DAY", "Копия за 05.12.2004"},
                      LabelCase{"AnyPrefixOfFiveCharacters", "back_19991231.day", "Копия за 31.12.1999"},
                      LabelCase{"ShortName", "x.day", "Копия за x.day"},
                      LabelCase{"ExactlyTooShort", "tree_2005013.day", "Копия за tree_2005013.day"},
                      LabelCase{"LettersWhereTheDateWouldBe", "tree_today_copy.day", "Копия за tree_today_copy.day"},
                      LabelCase{"CyrillicNameCountsCharacters", "дерев20050131.day", "Копия за 31.01.2005"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- the restore window's list

TEST(ListBackups, FixedCopiesThenDaysThenUserBackupsEachByName) {
  Archive a;
  for (const char* name : {"tree.tree", "Zeta.tree", "alpha.tree", "tree_20050131.day", "TREE_20040101.DAY",
                           "x.day", "tree.auto", "tree.first", "tree.last", "tree.info", "menu.list"})
    WriteTree(a.File(name), {name});
  fs::create_directory(a.File("folder.tree"));  // not a file: no entry

  const std::vector<BackupEntry> list = ListBackups(a.dirs);
  std::vector<std::pair<std::string, std::string>> got;
  for (const BackupEntry& e : list) got.emplace_back(e.label, e.file.filename().string());
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"Первоначальный вид дерева", "tree.first"},
      {"Успешная последняя загрузка", "tree.last"},
      {"Копия автосохранения", "tree.auto"},
      {"Копия за 01.01.2004", "TREE_20040101.DAY"},
      {"Копия за 31.01.2005", "tree_20050131.day"},
      {"Копия за x.day", "x.day"},
      {"Файл alpha.tree", "alpha.tree"},
      {"Файл tree.tree", "tree.tree"},
      {"Файл Zeta.tree", "Zeta.tree"},
  };
  EXPECT_EQ(got, expected);
  // Each entry restores its own file, whatever its label says.
  for (const BackupEntry& e : list) EXPECT_EQ(TitlesIn(e.file), std::vector<std::string>{e.file.filename().string()});
}

TEST(ListBackups, EmptyWithoutBackupsOrWithoutBaseDir) {
  Archive a;
  WriteTree(a.File("tree.info"), {"current"});
  EXPECT_TRUE(ListBackups(a.dirs).empty());
  EXPECT_TRUE(ListBackups(Dirs::ForBaseDir(a.temp / "missing")).empty());
}

TEST(BackupsJson, ListsLabelsAndFileNamesInOrder) {
  Archive a;
  WriteTree(a.File("tree.first"), {"a"});
  WriteTree(a.File("x.day"), {"b"});
  WriteTree(a.File("my \"best\".tree"), {"c"});
  EXPECT_EQ(BackupsJson(a.dirs.baseDir),
            "[{\"label\": \"Первоначальный вид дерева\", \"file\": \"tree.first\"}, "
            "{\"label\": \"Копия за x.day\", \"file\": \"x.day\"}, "
            "{\"label\": \"Файл my \\\"best\\\".tree\", \"file\": \"my \\\"best\\\".tree\"}]");
  EXPECT_EQ(BackupsJson(a.temp / "missing"), "[]");
}

TEST(BackupNames, WindowsCyrillicNamesAreShownAsUtf8) {
  Archive a;
  const std::string cp1251Name = test::A("копия") + ".tree";  // bytes that are not UTF-8
  WriteTree(a.dirs.baseDir / cp1251Name, {"c"});
  const std::vector<BackupEntry> list = ListBackups(a.dirs);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].label, "Файл копия.tree");
  EXPECT_EQ(list[0].file.filename().native(), cp1251Name);
}

// ---------------------------------------------------------------- start-up backups

class StartupBackups : public ::testing::Test {
 protected:
  Archive a;
  FakeDisk disk;
  FakeClock clock;
};

TEST_F(StartupBackups, FiveOlderDayBackupsKeepTheNewestThreeAndAddToday) {
  for (const char* name : {"tree_20040601.day", "tree_20040602.day", "TREE_20040603.DAY", "tree_20040604.day",
                           "tree_20040605.day"})
    WriteTree(a.File(name), {"old"});
  clock.Set(2004, 6, 15);
  WriteStartupBackups(CatalogueOf({"now"}), a.dirs, disk, clock);
  EXPECT_EQ(a.Names(), (std::vector<std::string>{"TREE_20040603.DAY", "tree.first", "tree.last",
                                                 "tree_20040604.day", "tree_20040605.day", "tree_20040615.day"}));
  EXPECT_EQ(TitlesIn(a.File("tree_20040615.day")), std::vector<std::string>{"now"});

  // A second start the same day leaves three, today's untouched.
  WriteStartupBackups(CatalogueOf({"later"}), a.dirs, disk, clock);
  EXPECT_EQ(a.Names(), (std::vector<std::string>{"tree.first", "tree.last", "tree_20040604.day",
                                                 "tree_20040605.day", "tree_20040615.day"}));
  EXPECT_EQ(TitlesIn(a.File("tree_20040615.day")), std::vector<std::string>{"now"});
  EXPECT_EQ(TitlesIn(a.File("tree.last")), std::vector<std::string>{"later"});
  EXPECT_EQ(TitlesIn(a.File("tree.first")), std::vector<std::string>{"now"});
}

TEST_F(StartupBackups, FirstIsKeptLastIsReplacedEvenWhenReadOnly) {
  WriteTree(a.File("tree.first"), {"first ever"});
  WriteTree(a.File("tree.last"), {"previous"});
  fs::permissions(a.File("tree.last"), fs::perms::owner_read);
  WriteStartupBackups(CatalogueOf({"now"}), a.dirs, disk, clock);
  EXPECT_EQ(TitlesIn(a.File("tree.first")), std::vector<std::string>{"first ever"});
  EXPECT_EQ(TitlesIn(a.File("tree.last")), std::vector<std::string>{"now"});
}

TEST_F(StartupBackups, NothingIsWrittenFromARemovableDisk) {
  disk.fixed = false;
  WriteStartupBackups(CatalogueOf({"now"}), a.dirs, disk, clock);
  EXPECT_TRUE(a.Names().empty());
}

TEST_F(StartupBackups, CreateBaseDirWhenMissing) {
  const Dirs fresh = Dirs::ForBaseDir(a.temp / "new" / "base");
  WriteStartupBackups(CatalogueOf({"now"}), fresh, disk, clock);
  EXPECT_TRUE(fs::exists(fresh.BaseFile("tree.last")));
}

}  // namespace
}  // namespace lrv
