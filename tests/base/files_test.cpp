#include <gtest/gtest.h>

#include <cstdlib>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"

namespace lrv {
namespace {

class TempFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("lrv-files-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  void TearDown() override {
    testing::FailWritesAfter(std::nullopt);
    fs::remove_all(root_);
  }
  fs::path root_;
};

using AtomicWrite = TempFolder;

TEST_F(AtomicWrite, ReplacesTheFileAndLeavesNoTemporaryBehind) {
  const auto target = root_ / "tree.info";
  WriteFileAtomic(target, "old");
  WriteFileAtomic(target, "new content");
  EXPECT_EQ(ReadFile(target), "new content");
  EXPECT_EQ(std::distance(fs::directory_iterator(root_), fs::directory_iterator()), 1);
}

TEST_F(AtomicWrite, AFailedWriteKeepsTheOldFile) {
  const auto target = root_ / "tree.info";
  WriteFileAtomic(target, "the old catalogue");
  testing::FailWritesAfter(5);  // the disk fills up after five bytes
  {
    AtomicFile file(target);
    EXPECT_THROW(
        {
          file.Write(std::string(200000, 'x'));
          file.Commit();
        },
        IoError);
  }
  testing::FailWritesAfter(std::nullopt);
  EXPECT_EQ(ReadFile(target), "the old catalogue");
  EXPECT_EQ(std::distance(fs::directory_iterator(root_), fs::directory_iterator()), 1);
}

TEST_F(AtomicWrite, AnUncommittedWriterChangesNothing) {
  const auto target = root_ / "form.ini";
  {
    AtomicFile file(target);
    file.Write("half");
  }
  EXPECT_FALSE(fs::exists(target));
  EXPECT_TRUE(fs::is_empty(root_));
}

TEST_F(AtomicWrite, AMissingFolderIsAnIoError) {
  EXPECT_THROW(WriteFileAtomic(root_ / "no" / "such" / "file", "x"), IoError);
}

TEST_F(AtomicWrite, LinesAreWrittenWithCrLfAndReadBack) {
  const auto target = root_ / "search.ini";
  WriteLinesAtomic(target, {text::Ansi("первая"), "", "third"});
  EXPECT_EQ(ReadFile(target), text::Ansi("первая") + "\r\n\r\nthird\r\n");
  EXPECT_EQ(ReadLines(target), (std::vector<std::string>{text::Ansi("первая"), "", "third"}));
  EXPECT_FALSE(ReadLines(root_ / "missing").has_value());
}

TEST_F(AtomicWrite, MakeWritableLetsAReadOnlyCopyBeReplaced) {
  const auto target = root_ / "interface.ini";
  WriteFileAtomic(target, "x");
  fs::permissions(target, fs::perms::owner_write, fs::perm_options::remove);
  MakeWritable(target);
  EXPECT_NE(fs::status(target).permissions() & fs::perms::owner_write, fs::perms::none);
  MakeWritable(root_ / "missing");  // ignored
}

using StoredNames = TempFolder;

TEST_F(StoredNames, BackslashesAndCyrillicNamesMapToNativePaths) {
  fs::create_directories(root_ / "sub");
  WriteFileAtomic(root_ / "sub" / "статья.html", "x");
  const auto p = StoredNameToPath(root_, text::Ansi("sub\\статья.html"));
  EXPECT_EQ(p, root_ / "sub" / "статья.html");
  EXPECT_TRUE(fs::exists(p));
}

TEST_F(StoredNames, FallsBackToACaseInsensitiveLookup) {
  fs::create_directories(root_ / "Images");
  WriteFileAtomic(root_ / "Images" / "Тест.JPG", "x");
  const auto p = StoredNameToPath(root_, text::Ansi("images\\тЕСТ.jpg"));
  EXPECT_EQ(p, root_ / "Images" / "Тест.JPG");
  // Nothing matches: the exact mapping comes back, so callers report the name as typed.
  EXPECT_EQ(StoredNameToPath(root_, "images\\none.jpg"), root_ / "images" / "none.jpg");
}

TEST(Dirs, BaseDirFromTheEnvironmentWithOrWithoutTrailingSlash) {
  ::setenv("LORVANE_BASE_DIR", "/tmp/archive/", 1);
  EXPECT_EQ(Dirs::ForThisProgram().baseDir, fs::path("/tmp/archive"));
  ::setenv("LORVANE_BASE_DIR", "/tmp/archive", 1);
  const auto d = Dirs::ForThisProgram();
  EXPECT_EQ(d.baseDir, fs::path("/tmp/archive"));
  EXPECT_EQ(d.NotesDir(), fs::path("/tmp/archive/notes"));
  EXPECT_EQ(d.TempDir(), fs::path("/tmp/archive/temp"));
  ::unsetenv("LORVANE_BASE_DIR");
  EXPECT_EQ(Dirs::ForThisProgram().baseDir, ExecutableDir() / "base");
}

TEST(SiteRoot, EnvironmentOverridesTheDefault) {
  ::unsetenv("LORVANE_SITE_ROOT");
  EXPECT_EQ(ProjectSiteRoot(), std::string(kDefaultProjectSiteRoot));
  ::setenv("LORVANE_SITE_ROOT", "http://127.0.0.1:8080/", 1);
  EXPECT_EQ(ProjectSiteRoot(), "http://127.0.0.1:8080");
  ::unsetenv("LORVANE_SITE_ROOT");
}

}  // namespace
}  // namespace lrv
