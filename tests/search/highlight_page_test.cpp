// The highlighted copy of an article page: where it is written, how, and
// that the sample archive's page frame survives any search word.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "search/highlight.h"
#include "search/highlight_page.h"

namespace lrv {
namespace {

namespace fs = std::filesystem;
using text::Ansi;

class TempFolder {
 public:
  TempFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = fs::temp_directory_path() /
            ("lrv-highlight-" + std::to_string(::getpid()) + "-" + info->test_suite_name() + "-" + info->name());
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

std::string Read(const fs::path& p) { return ReadFile(p).value_or("<missing>"); }

const std::string kArticle =
    "<html>\n<title>forms</title>\n<p>Forms and <a href=\"forms.html\">forms</a></p>\n</html>\n";

TEST(HighlightedPage, IsWrittenAsTheTemporaryPageWithCrLf) {
  TempFolder base;
  WriteFileAtomic(base.path() / "art.html", kArticle);
  const Dirs dirs = Dirs::ForBaseDir(base.path());
  TempPage page = MakeTempPage(dirs);
  EXPECT_EQ(page.path, base.path() / "_temp_.html");
  EXPECT_TRUE(page.title.empty());

  WriteHighlightedPage(dirs, "art.html", Ansi("Формы"), HighlightQuery{{"forms"}, false, false}, page);

  EXPECT_EQ(page.title, Ansi("Формы"));
  const std::string s(kHighlightStart), e(kHighlightEnd);
  EXPECT_EQ(Read(page.path), "<html>\r\n<title>forms</title>\r\n<p>" + s + "Forms" + e + " and <a href=\"forms.html\">" +
                                 s + "forms" + e + "</a></p>\r\n</html>\r\n");
  EXPECT_EQ(Read(base.path() / "art.html"), kArticle);
}

TEST(HighlightedPage, ReplacesAReadOnlyTemporaryPage) {
  TempFolder base;
  WriteFileAtomic(base.path() / "art.html", kArticle);
  const fs::path temp = base.path() / "_temp_.html";
  WriteFileAtomic(temp, "old page");
  fs::permissions(temp, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const Dirs dirs = Dirs::ForBaseDir(base.path());
  TempPage page = MakeTempPage(dirs);

  WriteHighlightedPage(dirs, "art.html", "t", HighlightQuery{{"nothing"}, false, false}, page);

  EXPECT_EQ(Read(temp), "<html>\r\n<title>forms</title>\r\n<p>Forms and <a href=\"forms.html\">forms</a></p>\r\n</html>\r\n");
}

TEST(HighlightedPage, WordsAreAppliedInTurnWithTheSearchOptions) {
  std::vector<std::string> lines = {"Forms form forms", "xforms"};
  HighlightPageLines(lines, HighlightQuery{{"forms", "title", "form", "Yellow"}, true, true});
  // "forms", case-sensitive and whole: the first line's exact "forms"
  // stands alone, so every "forms" of that line is wrapped; the second
  // line's is part of "xforms". "title" is an attribute name and "form" a
  // tag name. "Yellow" then stands alone in the first word's markup.
  const std::string e(kHighlightEnd);
  const std::string s = "<span style=\"background-color: " + std::string(kHighlightStart) + "Yellow" + e +
                        "\"><font color=maroon>";
  EXPECT_EQ(lines, (std::vector<std::string>{s + "Forms" + e + " form " + s + "forms" + e, "xforms"}));
}

TEST(HighlightedPage, AMissingArticleWritesNothing) {
  TempFolder base;
  const Dirs dirs = Dirs::ForBaseDir(base.path());
  TempPage page = MakeTempPage(dirs);
  page.title = "before";
  EXPECT_THROW(WriteHighlightedPage(dirs, "gone.html", "after", HighlightQuery{{"forms"}, false, false}, page),
               IoError);
  EXPECT_EQ(page.title, "before");
  EXPECT_FALSE(fs::exists(page.path));
}

// Every page of the sample archive, highlighted with words that occur in its
// banner, title bar and footer: those lines come out byte for byte, while the
// same words in the article text are marked.
TEST(HighlightedPage, SampleArchiveFrameLinesSurvive) {
  const fs::path sample = fs::path(LRV_SOURCE_DIR) / "sample" / "base";
  const HighlightQuery query{{"Lorvane", "support", "example", Ansi("архив"), Ansi("проекта"), Ansi("выпуска"),
                              "images", "mailto"},
                             false,
                             false};
  const std::vector<std::string> frameStarts = {"<!-- {", Ansi("<br> Автор проекта:")};
  const std::string siteLink = Ansi("title=\"Перейти на сайт проекта\"");
  int pages = 0, marked = 0;
  for (const auto& entry : fs::directory_iterator(sample)) {
    if (entry.path().extension() != ".html") continue;
    SCOPED_TRACE(entry.path().filename().string());
    ++pages;
    const auto original = ReadLines(entry.path());
    ASSERT_TRUE(original);
    std::vector<std::string> lines = *original;
    HighlightPageLines(lines, query);
    int frameLines = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string& line = (*original)[i];
      const bool frame = line.starts_with(frameStarts[0]) || line.starts_with(frameStarts[1]) ||
                         line.find(siteLink) != std::string::npos;
      if (frame) {
        ++frameLines;
        EXPECT_EQ(lines[i], line);
      } else if (lines[i] != line) {
        ++marked;
      }
    }
    EXPECT_GE(frameLines, 8);
  }
  EXPECT_GT(pages, 50);
  EXPECT_GT(marked, pages);
}

TEST(HighlightedPage, AnUnmarkedPageIsWrittenBackByteForByte) {
  TempFolder out;
  const fs::path article = fs::path(LRV_SOURCE_DIR) / "sample" / "base" / "alpha_blending.html";
  WriteHighlightedCopy(article, out.path() / "copy.html", HighlightQuery{{"color"}, false, false});
  EXPECT_EQ(Read(out.path() / "copy.html"), Read(article));
}

}  // namespace
}  // namespace lrv
