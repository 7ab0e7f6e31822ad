#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "base/files.h"
#include "platform/fake/fake_registry.h"
#include "platform/ini_registry.h"

namespace lrv {
namespace {

constexpr auto kUser = RegistryRoot::CurrentUser;

fs::path TestFolder(const std::string& tag) {
  return fs::temp_directory_path() /
         ("lrv-registry-" + std::to_string(::getpid()) + "-" + tag + "-" +
          ::testing::UnitTest::GetInstance()->current_test_info()->name());
}

// The key rules hold for the real store and for the fake alike; the ini
// store is checked through a fresh object for every read, so each answer
// comes from the file.
struct IniStore {
  fs::path folder = TestFolder("ini");
  IniStore() { fs::remove_all(folder); }
  ~IniStore() { fs::remove_all(folder); }
  Registry& Writer() { return writer; }
  Registry& Reader() {
    reader = std::make_unique<IniRegistry>(folder);
    return *reader;
  }
  IniRegistry writer{folder};
  std::unique_ptr<IniRegistry> reader;
};

struct FakeStore {
  Registry& Writer() { return registry; }
  Registry& Reader() { return registry; }
  FakeRegistry registry;
};

template <typename Store>
class RegistryRules : public ::testing::Test {
 protected:
  Store store;
};

using Stores = ::testing::Types<IniStore, FakeStore>;
TYPED_TEST_SUITE(RegistryRules, Stores);

TYPED_TEST(RegistryRules, TextsRoundTripWhateverTheyHold) {
  std::string allBytes;
  for (int b = 1; b < 256; ++b) allBytes.push_back(static_cast<char>(b));
  const std::string texts[] = {
      "plain", "", "a=b=c", "[Section]", "line 1\nline 2\r\nline 3\n\r", "100% %41 %%", "\"quoted\"",
      "  spaces at both ends  ", "; not a comment", "# neither", "C:\\Program Files\\Lorvane\\",
      "\xCF\xF0\xE8\xE2\xE5\xF2",  // Windows-1251 bytes
      "Привет",                     // UTF-8
      "tab\there", allBytes,
  };
  int n = 0;
  for (const std::string& text : texts)
    ASSERT_TRUE(this->store.Writer().WriteString(kUser, kSettingsKey, "Value" + std::to_string(n++), text));
  n = 0;
  Registry& reader = this->store.Reader();
  for (const std::string& text : texts) EXPECT_EQ(reader.ReadString(kUser, kSettingsKey, "Value" + std::to_string(n++)), text);
}

TYPED_TEST(RegistryRules, NamesAndKeysWithSpecialCharactersRoundTrip) {
  const std::string names[] = {"", "a=b", "[x]", "with spaces", ";semi", "100%", "back\\slash", "\"q\""};
  const std::string key = "\\Software\\[odd]=key%20;#\\Лорвейн";
  for (const std::string& name : names) ASSERT_TRUE(this->store.Writer().WriteString(kUser, key, name, "v:" + name));
  Registry& reader = this->store.Reader();
  for (const std::string& name : names) EXPECT_EQ(reader.ReadString(kUser, key, name), "v:" + name) << name;
  EXPECT_EQ(reader.SubKeys(kUser, "\\Software"), std::vector<std::string>{"[odd]=key%20;#"});
}

TYPED_TEST(RegistryRules, IntegersKeepTheirWholeRange) {
  const int values[] = {0, 1, -1, 12345, INT_MAX, INT_MIN};
  for (int v : values) ASSERT_TRUE(this->store.Writer().WriteInteger(kUser, kSettingsKey, "N" + std::to_string(v), v));
  Registry& reader = this->store.Reader();
  for (int v : values) EXPECT_EQ(reader.ReadInteger(kUser, kSettingsKey, "N" + std::to_string(v)), v);
}

TYPED_TEST(RegistryRules, KeyAndValueNamesIgnoreLetterCase) {
  Registry& w = this->store.Writer();
  ASSERT_TRUE(w.WriteInteger(kUser, "\\Software\\Tesmar\\Lrv", "CurPage", 1));
  ASSERT_TRUE(w.WriteInteger(kUser, "SOFTWARE\\tesmar\\LRV", "curpage", 2));  // the same value
  Registry& r = this->store.Reader();
  EXPECT_EQ(r.ReadInteger(kUser, "software\\TESMAR\\lrv", "CURPAGE"), 2);
  EXPECT_TRUE(r.KeyExists(kUser, "\\software\\tesmar"));
  EXPECT_TRUE(r.ValueExists(kUser, "\\Software\\Tesmar\\Lrv\\", "CurPage"));
  // The first spelling stays.
  EXPECT_EQ(r.SubKeys(kUser, "\\Software"), std::vector<std::string>{"Tesmar"});
  EXPECT_EQ(r.SubKeys(kUser, "\\Software\\Tesmar"), std::vector<std::string>{"Lrv"});
}

TYPED_TEST(RegistryRules, AValueOfTheOtherTypeReadsAsMissing) {
  Registry& w = this->store.Writer();
  ASSERT_TRUE(w.WriteString(kUser, kSettingsKey, "Text", "12"));
  ASSERT_TRUE(w.WriteInteger(kUser, kSettingsKey, "Number", 12));
  Registry& r = this->store.Reader();
  EXPECT_EQ(r.ReadInteger(kUser, kSettingsKey, "Text"), std::nullopt);
  EXPECT_EQ(r.ReadString(kUser, kSettingsKey, "Number"), std::nullopt);
  // Writing the other type replaces the value.
  ASSERT_TRUE(this->store.Writer().WriteInteger(kUser, kSettingsKey, "Text", 7));
  EXPECT_EQ(this->store.Reader().ReadInteger(kUser, kSettingsKey, "Text"), 7);
}

TYPED_TEST(RegistryRules, MissingKeysAndValuesAreReportedAsMissing) {
  ASSERT_TRUE(this->store.Writer().CreateKey(kUser, "\\Software\\Tesmar"));
  Registry& r = this->store.Reader();
  EXPECT_FALSE(r.KeyExists(kUser, "\\Software\\Tesmar\\Lrv"));
  EXPECT_FALSE(r.ValueExists(kUser, "\\Software\\Tesmar", "CurPage"));
  EXPECT_EQ(r.ReadString(kUser, "\\Software\\Tesmar", "CurPage"), std::nullopt);
  EXPECT_EQ(r.ReadInteger(kUser, "\\No\\Such\\Key", "CurPage"), std::nullopt);
  EXPECT_TRUE(r.SubKeys(kUser, "\\No\\Such\\Key").empty());
  EXPECT_TRUE(r.KeyExists(kUser, "\\"));  // the root always exists
}

TYPED_TEST(RegistryRules, KeysHaveSubkeysAndDeletingTakesTheSubtree) {
  Registry& w = this->store.Writer();
  ASSERT_TRUE(w.CreateKey(kUser, "\\A\\beta\\Deep"));
  ASSERT_TRUE(w.WriteString(kUser, "\\A\\Charlie", "x", "1"));
  ASSERT_TRUE(w.WriteString(kUser, "\\A\\beta\\Deep", "y", "2"));
  ASSERT_TRUE(w.CreateKey(kUser, "\\A\\alpha"));
  ASSERT_TRUE(w.CreateKey(kUser, "\\Ab"));
  EXPECT_EQ(this->store.Reader().SubKeys(kUser, "\\A"), (std::vector<std::string>{"alpha", "beta", "Charlie"}));
  EXPECT_EQ(this->store.Reader().SubKeys(kUser, ""), (std::vector<std::string>{"A", "Ab"}));

  EXPECT_TRUE(this->store.Writer().DeleteKey(kUser, "\\a\\BETA"));
  Registry& r = this->store.Reader();
  EXPECT_FALSE(r.KeyExists(kUser, "\\A\\beta"));
  EXPECT_FALSE(r.KeyExists(kUser, "\\A\\beta\\Deep"));
  EXPECT_FALSE(r.ValueExists(kUser, "\\A\\beta\\Deep", "y"));
  EXPECT_EQ(r.ReadString(kUser, "\\A\\Charlie", "x"), "1");
  EXPECT_EQ(r.SubKeys(kUser, "\\A"), (std::vector<std::string>{"alpha", "Charlie"}));

  EXPECT_FALSE(this->store.Writer().DeleteKey(kUser, "\\A\\beta"));  // already gone
  EXPECT_FALSE(this->store.Writer().DeleteKey(kUser, "\\"));         // the root cannot go
  EXPECT_TRUE(this->store.Reader().KeyExists(kUser, "\\Ab"));
}

TYPED_TEST(RegistryRules, RootsAreSeparate) {
  ASSERT_TRUE(this->store.Writer().WriteString(RegistryRoot::ClassesRoot, "\\.tree", "", "LorvaneTree"));
  Registry& r = this->store.Reader();
  EXPECT_EQ(r.ReadString(RegistryRoot::ClassesRoot, "\\.tree", ""), "LorvaneTree");
  EXPECT_FALSE(r.KeyExists(RegistryRoot::CurrentUser, "\\.tree"));
  EXPECT_FALSE(r.KeyExists(RegistryRoot::LocalMachine, "\\.tree"));
}

class IniRegistryFiles : public ::testing::Test {
 protected:
  void SetUp() override { fs::remove_all(folder_); }
  void TearDown() override {
    testing::FailWritesAfter(std::nullopt);
    fs::remove_all(folder_);
  }
  fs::path folder_ = TestFolder("files");
};

TEST_F(IniRegistryFiles, OneReadableFilePerRoot) {
  IniRegistry registry(folder_);
  ASSERT_TRUE(registry.WriteInteger(kUser, kSettingsKey, "CurPage", 1));
  ASSERT_TRUE(registry.WriteString(RegistryRoot::LocalMachine, "\\Software\\X", "Name", "a\nb"));
  ASSERT_TRUE(registry.CreateKey(RegistryRoot::ClassesRoot, "\\.tree"));
  EXPECT_EQ(ReadFile(folder_ / "HKEY_CURRENT_USER.ini"),
            "[Software]\n\n[Software\\Tesmar]\n\n[Software\\Tesmar\\Lrv]\nCurPage=dword:1\n");
  EXPECT_EQ(ReadFile(folder_ / "HKEY_LOCAL_MACHINE.ini"), "[Software]\n\n[Software\\X]\nName=\"a%0Ab\"\n");
  EXPECT_EQ(ReadFile(folder_ / "HKEY_CLASSES_ROOT.ini"), "[.tree]\n");
}

TEST_F(IniRegistryFiles, AHandEditedFileIsReadAndItsNoiseSkipped) {
  fs::create_directories(folder_);
  std::ofstream(folder_ / "HKEY_CURRENT_USER.ini")
      << "; settings\r\nstray=\"before any key\"\r\n[Software\\Tesmar\\Lrv]\r\nCurPage=dword:3\r\n"
         "MenuStyle=dword:x\r\nno equals sign\r\nTitle=\"Lorvane\"\r\n";
  IniRegistry registry(folder_);
  EXPECT_EQ(registry.ReadInteger(kUser, kSettingsKey, "CurPage"), 3);
  EXPECT_EQ(registry.ReadString(kUser, kSettingsKey, "Title"), "Lorvane");
  EXPECT_FALSE(registry.ValueExists(kUser, kSettingsKey, "MenuStyle"));
  EXPECT_FALSE(registry.ValueExists(kUser, "", "stray"));
  EXPECT_TRUE(registry.KeyExists(kUser, "\\Software"));
}

TEST_F(IniRegistryFiles, AFailedWriteReportsFalseAndKeepsTheOldFile) {
  IniRegistry registry(folder_);
  ASSERT_TRUE(registry.WriteString(kUser, kSettingsKey, "Name", "old"));
  testing::FailWritesAfter(0);
  EXPECT_FALSE(registry.WriteString(kUser, kSettingsKey, "Name", "new"));
  EXPECT_FALSE(registry.DeleteKey(kUser, kSettingsKey));
  testing::FailWritesAfter(std::nullopt);
  EXPECT_EQ(IniRegistry(folder_).ReadString(kUser, kSettingsKey, "Name"), "old");
}

TEST_F(IniRegistryFiles, AFolderThatCannotBeMadeRefusesWrites) {
  fs::create_directories(folder_);
  std::ofstream(folder_ / "file") << "x";
  IniRegistry registry(folder_ / "file" / "lorvane");
  EXPECT_FALSE(registry.CreateKey(kUser, kSettingsKey));
  EXPECT_FALSE(registry.WriteInteger(kUser, kSettingsKey, "CurPage", 1));
  EXPECT_FALSE(registry.KeyExists(kUser, kSettingsKey));
}

TEST(IniRegistryFolder, FollowsTheXdgConfigFolder) {
  const char* oldConfig = std::getenv("XDG_CONFIG_HOME");
  const std::string savedConfig = oldConfig ? oldConfig : "";
  const char* oldHome = std::getenv("HOME");
  const std::string savedHome = oldHome ? oldHome : "";

  ::setenv("XDG_CONFIG_HOME", "/tmp/config-x", 1);
  EXPECT_EQ(IniRegistry::DefaultFolder(), fs::path("/tmp/config-x/lorvane"));
  ::setenv("XDG_CONFIG_HOME", "", 1);
  ::setenv("HOME", "/home/someone", 1);
  EXPECT_EQ(IniRegistry::DefaultFolder(), fs::path("/home/someone/.config/lorvane"));

  if (oldConfig) ::setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);
  else ::unsetenv("XDG_CONFIG_HOME");
  if (oldHome) ::setenv("HOME", savedHome.c_str(), 1);
  else ::unsetenv("HOME");
}

TEST(FakeRegistryRefusal, RefusedWritesChangeNothing) {
  FakeRegistry registry;
  ASSERT_TRUE(registry.WriteInteger(kUser, kSettingsKey, "CurPage", 1));
  registry.refuseWrites = true;
  EXPECT_FALSE(registry.WriteInteger(kUser, kSettingsKey, "CurPage", 2));
  EXPECT_FALSE(registry.WriteString(kUser, kSettingsKey, "Other", "x"));
  EXPECT_FALSE(registry.CreateKey(kUser, "\\New"));
  EXPECT_FALSE(registry.DeleteKey(kUser, kSettingsKey));
  EXPECT_TRUE(registry.CreateKey(kUser, kSettingsKey));  // already there: nothing to write
  EXPECT_EQ(registry.ReadInteger(kUser, kSettingsKey, "CurPage"), 1);
  EXPECT_FALSE(registry.KeyExists(kUser, "\\New"));
  EXPECT_EQ(registry.writeCount, 1);
}

}  // namespace
}  // namespace lrv
