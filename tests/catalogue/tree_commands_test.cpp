#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "catalogue/file_types.h"
#include "catalogue/folder_tree.h"
#include "catalogue/tree_commands.h"
#include "platform/fake/fake_disk.h"
#include "platform/fake/fake_shell.h"
#include "backup_test_support.h"

namespace lrv {
namespace {

using test::Archive;
using test::CatalogueOf;
using test::Helps;
using test::Titles;
using test::TitlesIn;
using test::WriteDamaged;
using test::WriteTree;

struct Commands {
  Archive a;
  FakeDisk disk;
  FakePrompter prompter;
  Catalogue catalogue = CatalogueOf({"current"});
  UndoJournal journal{a.dirs, disk};
};

// ---------------------------------------------------------------- loading a tree file

TEST(LoadTreeFile, KeepsASafetyCopyThenLoads) {
  Commands s;
  WriteTree(s.a.temp / "elsewhere.tree", {"loaded"});
  EXPECT_EQ(LoadTreeFile(s.catalogue, s.a.temp / "elsewhere.tree", s.a.dirs, s.disk, s.prompter),
            TreeFileLoad::Loaded);
  EXPECT_EQ(Titles(s.catalogue, nullptr), std::vector<std::string>{"loaded"});
  EXPECT_EQ(TitlesIn(s.a.File("tree.auto")), std::vector<std::string>{"current"});
  EXPECT_TRUE(s.prompter.messages.empty());
}

TEST(LoadTreeFile, ADamagedFileBringsBackTheCatalogueFromTheSafetyCopy) {
  Commands s;
  WriteDamaged(s.a.temp / "bad.tree");
  EXPECT_EQ(LoadTreeFile(s.catalogue, s.a.temp / "bad.tree", s.a.dirs, s.disk, s.prompter), TreeFileLoad::Restored);
  EXPECT_EQ(Titles(s.catalogue, nullptr), std::vector<std::string>{"current"});
  ASSERT_EQ(Helps(s.prompter), std::vector<int>{45});
  EXPECT_EQ(s.prompter.messages[0].kind, MessageKind::Error);
  EXPECT_EQ(s.prompter.messages[0].text,
            "Файл, в котором находится список статей, повреждён!\n\rСейчас будет восстановлена прежняя структура "
            "дерева...");
}

TEST(LoadTreeFile, ASafetyCopyThatCannotBeWrittenStopsBeforeTheLoad) {
  Commands s;
  WriteTree(s.a.temp / "other.tree", {"loaded"});
  fs::create_directories(s.a.File("tree.auto"));  // a folder where the copy goes
  EXPECT_THROW(LoadTreeFile(s.catalogue, s.a.temp / "other.tree", s.a.dirs, s.disk, s.prompter), IoError);
  EXPECT_EQ(Titles(s.catalogue, nullptr), std::vector<std::string>{"current"});
  EXPECT_TRUE(s.prompter.messages.empty());
}

TEST(LoadTreeFile, LoadingTheAutosaveCopyItselfLoadsWhatItHeld) {
  Commands s;
  WriteTree(s.a.File("tree.auto"), {"autosaved"});
  EXPECT_EQ(LoadTreeFile(s.catalogue, s.a.File("tree.auto"), s.a.dirs, s.disk, s.prompter), TreeFileLoad::Loaded);
  EXPECT_EQ(Titles(s.catalogue, nullptr), std::vector<std::string>{"autosaved"});
}

TEST(LoadTreeFile, DoesNothingFromARemovableDisk) {
  Commands s;
  s.disk.fixed = false;
  WriteTree(s.a.temp / "elsewhere.tree", {"loaded"});
  EXPECT_EQ(LoadTreeFile(s.catalogue, s.a.temp / "elsewhere.tree", s.a.dirs, s.disk, s.prompter),
            TreeFileLoad::Skipped);
  EXPECT_EQ(Titles(s.catalogue, nullptr), std::vector<std::string>{"current"});
  EXPECT_FALSE(s.a.Has("tree.auto"));
}

TEST(TreeLoadCommand, RecordsTheSelectionTakenBeforeTheLoad) {
  Commands s;
  s.journal.RecordJournalEntry(s.catalogue, JournalOp::Startup);
  s.catalogue.SelectOnly(s.catalogue.Root(0));
  WriteTree(s.a.temp / "other.tree", {"loaded"});
  TreeLoadCommand(s.catalogue, s.journal, s.a.temp / "other.tree", s.a.dirs, s.disk, s.prompter);
  ASSERT_EQ(s.journal.Entries().size(), 2u);
  EXPECT_EQ(s.journal.Entries()[1], "2^" + test::A("Загрузка дерева") + "~1*current`0");
}

// ---------------------------------------------------------------- user backups

TEST(SaveUserBackup, OnlyIntoBaseDir) {
  Commands s;
  EXPECT_TRUE(SaveUserBackup(s.catalogue, s.a.File("mine.tree"), s.a.dirs, s.disk, s.prompter));
  EXPECT_EQ(TitlesIn(s.a.File("mine.tree")), std::vector<std::string>{"current"});
  // The same folder by another way of writing it.
  EXPECT_TRUE(SaveUserBackup(s.catalogue, s.a.dirs.baseDir / ".." / "base" / "again.tree", s.a.dirs, s.disk,
                             s.prompter));
  EXPECT_TRUE(s.a.Has("again.tree"));
  EXPECT_TRUE(s.prompter.messages.empty());

  EXPECT_FALSE(SaveUserBackup(s.catalogue, s.a.temp / "outside.tree", s.a.dirs, s.disk, s.prompter));
  EXPECT_FALSE(fs::exists(s.a.temp / "outside.tree"));
  ASSERT_EQ(Helps(s.prompter), std::vector<int>{39});
  EXPECT_EQ(s.prompter.messages[0].kind, MessageKind::Warning);
  EXPECT_EQ(s.prompter.messages[0].text,
            "Все резервные копии должны располагаться в каталоге\n\r\"" + s.a.dirs.baseDir.string() + "\"");
}

TEST(SaveUserBackup, NotFromARemovableDisk) {
  Commands s;
  s.disk.fixed = false;
  EXPECT_FALSE(SaveUserBackup(s.catalogue, s.a.File("mine.tree"), s.a.dirs, s.disk, s.prompter));
  EXPECT_FALSE(s.a.Has("mine.tree"));
}

// ---------------------------------------------------------------- clearing

struct ClearCase {
  const char* name;
  bool notesFolder;
  std::vector<Answer> answers;
  bool cleared;
  std::vector<int> helps;
  bool notesRemain;
};

void PrintTo(const ClearCase& k, std::ostream* os) { *os << k.name; }

class TreeClear : public ::testing::TestWithParam<ClearCase> {};

TEST_P(TreeClear, AsksThenClearsAndOffersToDeleteTheNotes) {
  const ClearCase& k = GetParam();
  Commands s;
  s.journal.RecordJournalEntry(s.catalogue, JournalOp::Startup);
  if (k.notesFolder) {
    fs::create_directories(s.a.dirs.NotesDir());
    WriteFileAtomic(s.a.dirs.NotesDir() / "a.txt", "note");
  }
  for (Answer answer : k.answers) s.prompter.Reply(answer);
  EXPECT_EQ(TreeClearCommand(s.catalogue, s.journal, s.a.dirs, s.prompter), k.cleared);
  EXPECT_EQ(s.catalogue.Empty(), k.cleared);
  EXPECT_EQ(Helps(s.prompter), k.helps);
  EXPECT_EQ(fs::exists(s.a.dirs.NotesDir()), k.notesRemain);
  EXPECT_EQ(s.journal.Entries().size(), k.cleared ? 2u : 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TreeClear,
    ::testing::Values(ClearCase{"CancelKeepsEverything", true, {Answer::Cancel}, false, {48}, true},
                      ClearCase{"NoNotesFolderAsksNothingMore", false, {Answer::Ok}, true, {48}, false},
                      ClearCase{"NotesKept", true, {Answer::Ok, Answer::Cancel}, true, {48, 49}, true},
                      ClearCase{"NotesDeleted", true, {Answer::Ok, Answer::Ok}, true, {48, 49}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TreeClearCommand, AnEmptyCatalogueAsksNothing) {
  Commands s;
  s.catalogue.Clear();
  EXPECT_FALSE(TreeClearCommand(s.catalogue, s.journal, s.a.dirs, s.prompter));
  EXPECT_TRUE(s.prompter.messages.empty());
}

TEST(TreeCommandsEnabling, SaveAndClearNeedACategory) {
  Catalogue empty;
  const Catalogue one = CatalogueOf({"a"});
  EXPECT_TRUE(TreeLoadEnabled(true));
  EXPECT_FALSE(TreeLoadEnabled(false));
  EXPECT_FALSE(TreeSaveEnabled(true, empty));
  EXPECT_TRUE(TreeSaveEnabled(true, one));
  EXPECT_FALSE(TreeSaveEnabled(false, one));
  EXPECT_FALSE(TreeClearEnabled(true, empty));
  EXPECT_TRUE(TreeClearEnabled(true, one));
}

// ---------------------------------------------------------------- dropped files

struct DropCase {
  const char* name;
  std::vector<std::string> files;  // relative to the archive's parent; "base/" for BaseDir
  DropAction action;
  std::vector<int> helps;
  std::string articleFile;
};

void PrintTo(const DropCase& k, std::ostream* os) { *os << k.name; }

class DroppedFiles : public ::testing::TestWithParam<DropCase> {};

TEST_P(DroppedFiles, ChooseTheActionByTheExtension) {
  const DropCase& k = GetParam();
  Commands s;
  WriteTree(s.a.temp / "copy.TREE", {"dropped"});
  std::vector<fs::path> files;
  for (const std::string& f : k.files) files.push_back(s.a.temp / f);
  const DropDecision d = HandleDroppedFiles(files, s.catalogue, s.a.dirs, s.disk, s.prompter);
  EXPECT_EQ(d.action, k.action);
  EXPECT_EQ(Helps(s.prompter), k.helps);
  EXPECT_EQ(d.articleFile, k.articleFile);
  // Only a tree file changes the catalogue, and records nothing.
  EXPECT_EQ(Titles(s.catalogue, nullptr),
            std::vector<std::string>{k.action == DropAction::LoadTree ? "dropped" : "current"});
  EXPECT_TRUE(s.journal.Entries().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DroppedFiles,
    ::testing::Values(DropCase{"TreeFileInCapitals", {"copy.TREE"}, DropAction::LoadTree, {}, ""},
                      DropCase{"PageInBaseDir", {"base/page.HTM"}, DropAction::AddArticle, {}, "page.HTM"},
                      DropCase{"ArchivedPageInBaseDir", {"base/a.b.mht "}, DropAction::AddArticle, {}, "a.b.mht "},
                      DropCase{"PageElsewhere", {"page.shtml"}, DropAction::PageOutsideBase, {51}, ""},
                      DropCase{"OtherType", {"base/notes.txt"}, DropAction::UnknownFormat, {52}, ""},
                      DropCase{"NoExtension", {"base/README"}, DropAction::UnknownFormat, {52}, ""},
                      DropCase{"TwoFiles", {"a.tree", "b.tree"}, DropAction::NotOneFile, {53}, ""},
                      DropCase{"NoFile", {}, DropAction::NotOneFile, {53}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DroppedFileTexts, NameTheFileAndTheFolder) {
  Commands s;
  HandleDroppedFiles({s.a.temp / "page.html"}, s.catalogue, s.a.dirs, s.disk, s.prompter);
  HandleDroppedFiles({s.a.temp / "x.doc"}, s.catalogue, s.a.dirs, s.disk, s.prompter);
  HandleDroppedFiles({}, s.catalogue, s.a.dirs, s.disk, s.prompter);
  ASSERT_EQ(s.prompter.messages.size(), 3u);
  EXPECT_EQ(s.prompter.messages[0].kind, MessageKind::Information);
  EXPECT_EQ(s.prompter.messages[0].text, "Присваиваемый статье файл\n\r\"page.html\"\n\r\n\rдолжен располагаться в "
                                         "каталоге\n\r\"" + s.a.dirs.baseDir.string() + "\"");
  EXPECT_EQ(s.prompter.messages[1].kind, MessageKind::Warning);
  EXPECT_EQ(s.prompter.messages[1].text, "Этот формат файлов не используется!");
  EXPECT_EQ(s.prompter.messages[2].kind, MessageKind::Information);
  EXPECT_EQ(s.prompter.messages[2].text, "Перетаскивать файлы в программу нужно по одному!");
}

TEST(DroppedExtension, FromTheLastDotOfTheName) {
  EXPECT_EQ(DroppedExtension("/a.b/file"), "");
  EXPECT_EQ(DroppedExtension("/x/.tree"), ".tree");
  EXPECT_EQ(DroppedExtension("/x/a.tar.GZ"), ".gz");
  EXPECT_EQ(DroppedExtension(fs::path("/x/") / test::A("страница.HTML")), ".html");
}

// ---------------------------------------------------------------- removing a folder

TEST(DeleteFolderTree, RemovesNestedFoldersAndReadOnlyFiles) {
  test::TempDir t;
  const fs::path top = t / "temp";
  fs::create_directories(top / "a" / "b");
  WriteFileAtomic(top / "1.tmp", "x");
  WriteFileAtomic(top / "a" / "b" / "deep.txt", "x");
  WriteFileAtomic(top / "a" / "ro.txt", "x");
  fs::permissions(top / "a" / "ro.txt", fs::perms::owner_read);
  FakePrompter prompter;
  EXPECT_TRUE(DeleteFolderTree(top, prompter));
  EXPECT_FALSE(fs::exists(top));
  EXPECT_TRUE(prompter.messages.empty());
}

TEST(DeleteFolderTree, RemovesLinksWithoutFollowingThem) {
  test::TempDir t;
  const fs::path outside = t / "outside";
  fs::create_directories(outside);
  WriteFileAtomic(outside / "keep.txt", "precious");
  fs::permissions(outside / "keep.txt", fs::perms::owner_read);
  const fs::path top = t / "notes";
  fs::create_directories(top);
  fs::create_directory_symlink(outside, top / "linked folder");
  fs::create_symlink(outside / "keep.txt", top / "linked file");
  fs::create_symlink(t / "nowhere", top / "dangling");
  FakePrompter prompter;
  EXPECT_TRUE(DeleteFolderTree(top, prompter));
  EXPECT_FALSE(fs::exists(fs::symlink_status(top)));
  EXPECT_EQ(*ReadFile(outside / "keep.txt"), "precious");
  EXPECT_EQ(fs::status(outside / "keep.txt").permissions() & fs::perms::owner_write, fs::perms::none);
  // A link given as the folder itself is not emptied either.
  fs::create_directory_symlink(outside, t / "link");
  EXPECT_FALSE(DeleteFolderTree(t / "link", prompter));
  EXPECT_TRUE(fs::exists(outside / "keep.txt"));
}

// Sets or clears the immutable flag; false where the file system or the
// user's rights do not allow it.
bool SetImmutable(const fs::path& file, bool on) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  int flags = 0;
  bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (ok) {
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  ::close(fd);
  return ok;
}

TEST(DeleteFolderTree, ReportsAFileThatCannotGoAndCarriesOn) {
  test::TempDir t;
  const fs::path top = t / "temp";
  fs::create_directories(top / "sub");
  WriteFileAtomic(top / "sub" / "stuck.txt", "x");
  WriteFileAtomic(top / "sub" / "free.txt", "x");
  WriteFileAtomic(top / "other.txt", "x");
  if (!SetImmutable(top / "sub" / "stuck.txt", true)) GTEST_SKIP() << "no immutable files here";
  FakePrompter prompter;
  const bool removed = DeleteFolderTree(top, prompter);
  SetImmutable(top / "sub" / "stuck.txt", false);
  EXPECT_FALSE(removed);
  EXPECT_FALSE(fs::exists(top / "sub" / "free.txt"));
  EXPECT_FALSE(fs::exists(top / "other.txt"));
  ASSERT_EQ(Helps(prompter), std::vector<int>{47});
  EXPECT_EQ(prompter.messages[0].kind, MessageKind::Error);
  EXPECT_EQ(prompter.messages[0].text, "Не удалось удалить файл \"" + (top / "sub" / "stuck.txt").string() + "\"!");
}

TEST(DeleteFolderTree, AMissingFolderIsNotRemoved) {
  test::TempDir t;
  FakePrompter prompter;
  EXPECT_FALSE(DeleteFolderTree(t / "missing", prompter));
}

// ---------------------------------------------------------------- file types

TEST(RegisterTreeFileTypes, SixTypesWithTheIconOnlyWhenTheIconExists) {
  Archive a;
  FakeShell shell;
  const fs::path program = "/opt/my programs/lorvane";
  EXPECT_FALSE(RegisterTreeFileTypes(a.dirs, shell, program));
  EXPECT_TRUE(shell.registrations.empty());

  fs::create_directories(a.dirs.ImagesDir());
  WriteFileAtomic(a.dirs.ImagesDir() / "tree.ico", "icon");
  EXPECT_TRUE(RegisterTreeFileTypes(a.dirs, shell, program));
  ASSERT_EQ(shell.registrations.size(), 1u);
  EXPECT_EQ(shell.registrations[0].program, program);
  std::vector<std::string> extensions;
  for (const FileTypeRegistration& t : shell.registrations[0].types) {
    extensions.push_back(t.extension);
    EXPECT_EQ(t.icon, a.dirs.ImagesDir() / "tree.ico");
    EXPECT_FALSE(t.description.empty());
  }
  EXPECT_EQ(extensions, (std::vector<std::string>{"first", "last", "info", "day", "auto", "tree"}));

  shell.registerResult = false;  // a desktop that refuses: start-up goes on
  EXPECT_FALSE(RegisterTreeFileTypes(a.dirs, shell, program));
}

}  // namespace
}  // namespace lrv
