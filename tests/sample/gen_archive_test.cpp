// scripts/gen_archive: the synthetic archives that benchmarks and large
// tests load must be archives the program can read, written the same way
// for the same seed.

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "archive_reading.h"
#include "base/text.h"
#include "pages/archive_markers.h"

namespace lrv::sample_test {
namespace {

using text::Ansi;

const fs::path kScript = fs::path(LRV_SOURCE_DIR) / "scripts" / "gen_archive";

bool HavePython() { return std::system("python3 --version >/dev/null 2>&1") == 0; }

class GenArchive : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HavePython()) GTEST_SKIP() << "python3 is not installed";
    std::random_device rd;
    dir_ = fs::temp_directory_path() / ("lrv_gen_archive_" + std::to_string(rd()));
    fs::remove_all(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    if (!dir_.empty()) fs::remove_all(dir_, ec);
  }
  // Runs the generator into a sub-folder; true when it succeeded.
  bool Generate(const std::string& sub, const std::string& args) {
    const std::string cmd = "python3 '" + kScript.string() + "' '" + (dir_ / sub).string() + "' " + args;
    return std::system(cmd.c_str()) == 0;
  }
  fs::path dir_;
};

TEST_F(GenArchive, WritesATreeFileListAndPagesThatAgree) {
  ASSERT_TRUE(Generate("a", "--articles 50 --seed 3 --categories 4 --subcategories 3"));
  const fs::path base = dir_ / "a";

  const std::string tree = ReadBytes(base / "tree.info");
  ASSERT_GE(tree.size(), 8u);
  EXPECT_EQ(tree.substr(0, 4), "\xFF\xFF\xFF\xFF");
  EXPECT_EQ(tree.substr(4, 4), std::string("\x04\0\0\0", 4)) << "root count";
  auto roots = TreeFileReader(tree).Read();
  ASSERT_TRUE(roots.has_value()) << "tree file does not parse to its end";

  const Outline outline = ParseOutline(ReadBytes(base / "menu.list"));
  EXPECT_TRUE(outline.problems.empty());
  ASSERT_EQ(outline.categories.size(), 4u);
  EXPECT_EQ(outline.SubcategoryCount(), 12u);
  const auto articles = outline.Articles();
  ASSERT_EQ(articles.size(), 50u);

  // The tree file holds the same catalogue as the list, with the integers
  // the program gives the nodes it creates and the counts in column 1.
  ASSERT_EQ(roots->size(), outline.categories.size());
  for (std::size_t c = 0; c < roots->size(); ++c) {
    const auto& cat = (*roots)[c];
    const auto& listed = outline.categories[c];
    ASSERT_EQ(cat.values.size(), 2u);
    EXPECT_EQ(cat.values[0], listed.title);
    EXPECT_EQ(cat.values[1], std::to_string(cat.children.size()));
    EXPECT_EQ(cat.image, 0);
    EXPECT_EQ(cat.selected, -1);
    EXPECT_EQ(cat.state, -1);
    EXPECT_EQ(cat.data, 0);
    ASSERT_EQ(cat.children.size(), listed.subcategories.size());
    for (std::size_t s = 0; s < cat.children.size(); ++s) {
      const auto& sub = cat.children[s];
      ASSERT_EQ(sub.values.size(), 2u);
      EXPECT_EQ(sub.values[0], listed.subcategories[s].title);
      EXPECT_EQ(sub.values[1], std::to_string(sub.children.size()));
      EXPECT_EQ(sub.image, 0);
      ASSERT_EQ(sub.children.size(), listed.subcategories[s].articles.size());
      for (std::size_t a = 0; a < sub.children.size(); ++a) {
        const auto& art = sub.children[a];
        const auto& la = listed.subcategories[s].articles[a];
        ASSERT_EQ(art.values.size(), 3u);
        EXPECT_EQ(art.values[0], la.title);
        EXPECT_EQ(art.values[1], "");
        EXPECT_EQ(art.values[2], la.file);
        EXPECT_EQ(art.image, 4);
        EXPECT_EQ(art.selected, -1);
        EXPECT_EQ(art.state, -1);
        EXPECT_EQ(art.data, 0);
        EXPECT_TRUE(art.children.empty());
      }
    }
  }

  for (const auto& a : articles) {
    SCOPED_TRACE(a.file);
    const fs::path page = base / a.file;
    ASSERT_TRUE(fs::is_regular_file(page));
    EXPECT_GE(fs::file_size(page), 4u * 1024);
    EXPECT_LE(fs::file_size(page), 16u * 1024);
    const std::string bytes = ReadBytes(page);
    EXPECT_EQ(bytes.find('\x98'), std::string::npos);
    const auto author = AuthorOfPage(bytes);
    ASSERT_TRUE(author.has_value());
    EXPECT_FALSE(author->empty());
    EXPECT_NE(bytes.find("href=\"css.css\""), std::string::npos);
    EXPECT_NE(bytes.find(Ansi(pages::kFooterMailMarker)), std::string::npos);
    EXPECT_NE(bytes.find(Ansi(pages::kSiteLinkMarker)), std::string::npos);
    EXPECT_NE(bytes.find(Ansi(pages::kBannerLines[1]) + "\r\n"), std::string::npos);
  }
  for (const char* name : {"css.css", "_template_.html", "images/tree.ico"})
    EXPECT_TRUE(fs::is_regular_file(base / name)) << name;
}

TEST_F(GenArchive, SameSeedSameBytesAndTreeWithoutPages) {
  ASSERT_TRUE(Generate("a", "--articles 30 --seed 11"));
  ASSERT_TRUE(Generate("b", "--articles 30 --seed 11"));
  ASSERT_TRUE(Generate("c", "--articles 30 --seed 11 --no-pages"));
  ASSERT_TRUE(Generate("d", "--articles 30 --seed 12 --no-pages"));
  const std::string tree = ReadBytes(dir_ / "a" / "tree.info");
  EXPECT_EQ(tree, ReadBytes(dir_ / "b" / "tree.info"));
  EXPECT_EQ(tree, ReadBytes(dir_ / "c" / "tree.info"));
  EXPECT_NE(tree, ReadBytes(dir_ / "d" / "tree.info"));
  EXPECT_EQ(ReadBytes(dir_ / "a" / "menu.list"), ReadBytes(dir_ / "c" / "menu.list"));

  const auto articles = ParseOutline(ReadBytes(dir_ / "a" / "menu.list")).Articles();
  ASSERT_EQ(articles.size(), 30u);
  for (const auto& a : articles) {
    EXPECT_EQ(ReadBytes(dir_ / "a" / a.file), ReadBytes(dir_ / "b" / a.file)) << a.file;
    EXPECT_FALSE(fs::exists(dir_ / "c" / a.file)) << a.file;
  }
}

}  // namespace
}  // namespace lrv::sample_test
