// The sample archive shipped with the program (sample/base): its files must
// be what the program expects of an archive, or a fresh installation greets
// the user with import problems, broken pages or a style sheet whose font
// size cannot be changed.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "archive_reading.h"
#include "base/paths.h"
#include "base/text.h"
#include "pages/archive_markers.h"

namespace lrv::sample_test {
namespace {

using text::Ansi;

const fs::path kBase = fs::path(LRV_SOURCE_DIR) / "sample" / "base";

// Titles of the categories that have index pages of their own.
const char* const kPageTableCategories[] = {
    "Базы данных", "Графика и Игры", "Интернет и Сети", "Компоненты и Классы",
    "Мультимедиа", "ОС и Железо", "Программа и Интерфейс", "Рабочий стол",
    "Синтаксис", "Технологии", "Файловая система"};

bool Contains(std::string_view hay, std::string_view needle) {
  return hay.find(needle) != std::string_view::npos;
}

std::vector<fs::path> TextFiles() {
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(kBase)) {
    const auto ext = e.path().extension();
    if (e.is_regular_file() && (ext == ".html" || ext == ".list" || ext == ".css"))
      files.push_back(e.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

Outline SampleOutline() { return ParseOutline(ReadBytes(kBase / "menu.list")); }

TEST(SampleArchive, TextFilesAreWindows1251WithCrLf) {
  const auto files = TextFiles();
  ASSERT_GT(files.size(), 80u);
  for (const auto& f : files) {
    SCOPED_TRACE(f.filename().string());
    const std::string bytes = ReadBytes(f);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.find('\0'), std::string::npos) << "NUL byte";
    EXPECT_EQ(bytes.find('\x98'), std::string::npos) << "byte 0x98 (no Windows-1251 letter)";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\n') {
        ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at " << i;
      }
      if (bytes[i] == '\r') {
        ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at " << i;
      }
    }
    EXPECT_TRUE(bytes.ends_with("\r\n"));
    // A file saved as UTF-8 by mistake reads as pairs like "Р°" (0xD0/0xD1
    // followed by 0x80-0xBF) when taken as Windows-1251.
    std::size_t utf8Pairs = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
      const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
      if ((a == 0xD0 || a == 0xD1) && b >= 0x80 && b <= 0xBF) ++utf8Pairs;
    }
    EXPECT_EQ(utf8Pairs, 0u) << "looks like UTF-8";
    const auto back = text::Utf8ToCp1251(text::Cp1251ToUtf8(bytes));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, bytes);
  }
}

TEST(SampleArchive, OutlineListFollowsTheOutlineRules) {
  const Outline o = SampleOutline();
  EXPECT_TRUE(o.problems.empty()) << o.problems.front();
  EXPECT_GE(o.categories.size(), 8u);
  EXPECT_GE(o.SubcategoryCount(), 25u);
  const auto articles = o.Articles();
  EXPECT_GE(articles.size(), 80u);

  int pageTableTitles = 0;
  for (const char* title : kPageTableCategories)
    for (const auto& c : o.categories)
      if (c.title == Ansi(title)) ++pageTableTitles;
  EXPECT_GE(pageTableTitles, 6);

  // Titles are unique within a level across the whole catalogue, compared
  // trimmed and without regard to letter case; the four journal separators
  // may not occur in any title.
  std::set<std::string> seen[3];
  auto checkTitle = [&](int level, const std::string& title) {
    SCOPED_TRACE(text::Cp1251ToUtf8(title));
    EXPECT_FALSE(text::Trim(title).empty());
    EXPECT_EQ(title.find_first_of("*^`~"), std::string::npos);
    EXPECT_TRUE(seen[level].insert(text::Lower(text::Trim(title))).second) << "repeated title";
  };
  for (const auto& c : o.categories) {
    checkTitle(0, c.title);
    EXPECT_FALSE(c.subcategories.empty());
    for (const auto& s : c.subcategories) {
      checkTitle(1, s.title);
      EXPECT_FALSE(s.articles.empty());
      for (const auto& a : s.articles) checkTitle(2, a.title);
    }
  }

  std::set<std::string> files;
  for (const auto& a : articles) {
    SCOPED_TRACE(a.file);
    EXPECT_TRUE(files.insert(a.file).second) << "file listed twice";
    EXPECT_TRUE(a.file.ends_with(".html"));
    EXPECT_TRUE(std::all_of(a.file.begin(), a.file.end(), [](char ch) {
      return (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '_' || ch == '.';
    }));
    EXPECT_TRUE(fs::is_regular_file(kBase / a.file));
  }
}

TEST(SampleArchive, ArchiveMarkersHaveTheirShape) {
  for (auto line : pages::kBannerLines) {
    const std::string ansi = Ansi(line);
    EXPECT_EQ(ansi.size(), 67u) << line;
    EXPECT_TRUE(ansi.starts_with("<!-- {") && ansi.ends_with("} -->")) << line;
    // The authors pages take the first line with the author label; the
    // banner comes before the article's own line and must not carry it.
    EXPECT_FALSE(Contains(ansi, Ansi("Автор: "))) << line;
  }
  EXPECT_EQ(Ansi(pages::kBannerLines[0]), "<!-- {" + std::string(56, '*') + "} -->");
  EXPECT_TRUE(Contains(pages::kFooterMailMarker, std::string("mailto:") + std::string(kProjectEmail) + "\""));
  EXPECT_TRUE(pages::kFooterMailMarker.starts_with("<br> Автор проекта: <a href=\"mailto:"));
}

TEST(SampleArchive, ArticlesCarryThePageFrame) {
  const std::string charset = "charset=windows-1251";
  const std::string cssLink = "href=\"css.css\"";
  std::vector<std::string> partMarkers = {
      Ansi(pages::kTitleBackgroundMarker), Ansi(pages::kTitleTableMarker), Ansi(pages::kBottomLineMarker),
      Ansi(pages::kSiteLinkMarker), Ansi(pages::kFooterMailMarker)};
  int pictures = 0;
  for (const auto& a : SampleOutline().Articles()) {
    SCOPED_TRACE(a.file);
    const std::string page = ReadBytes(kBase / a.file);
    const auto lines = text::SplitLines(page);
    EXPECT_TRUE(Contains(text::Lower(page), charset));
    EXPECT_TRUE(Contains(page, cssLink));
    EXPECT_TRUE(Contains(page, "<pre>"));
    EXPECT_TRUE(Contains(page, "<title>" + a.title + "</title>"));
    for (const auto& m : partMarkers) EXPECT_TRUE(Contains(page, m)) << text::Cp1251ToUtf8(m);
    for (auto banner : pages::kBannerLines)
      EXPECT_NE(std::find(lines.begin(), lines.end(), Ansi(banner)), lines.end()) << banner;

    // The first line with the author label is the article's own author line.
    const auto label = std::find_if(lines.begin(), lines.end(),
                                    [](const std::string& l) { return Contains(l, Ansi("Автор: ")); });
    ASSERT_NE(label, lines.end()) << "no author line";
    EXPECT_TRUE(Contains(*label, "class=\"author\""));

    // Every picture the page shows is shipped.
    for (std::size_t at = page.find("src=\"images/"); at != std::string::npos;
         at = page.find("src=\"images/", at + 1)) {
      const auto begin = at + 5, end = page.find('"', begin);
      ASSERT_NE(end, std::string::npos);
      EXPECT_TRUE(fs::is_regular_file(kBase / page.substr(begin, end - begin))) << page.substr(begin, end - begin);
      ++pictures;
    }
  }
  EXPECT_GE(pictures, 5);
}

TEST(SampleArchive, AuthorsGiveTheAuthorsPagesSomethingToShow) {
  // Exact names as the rating counts them, and names folded as the list
  // merges them.
  std::map<std::string, int> exact;
  std::map<std::string, std::set<std::string>> spellings;
  for (const auto& a : SampleOutline().Articles()) {
    const auto name = AuthorOfPage(ReadBytes(kBase / a.file));
    ASSERT_TRUE(name.has_value()) << a.file;
    ASSERT_FALSE(name->empty()) << a.file;
    EXPECT_EQ(name->find('<'), std::string::npos) << a.file << ": markup left in the name";
    ++exact[*name];
    spellings[text::Lower(*name)].insert(*name);
  }
  EXPECT_GE(spellings.size(), 12u) << "distinct authors";
  const auto rated = std::count_if(exact.begin(), exact.end(), [](const auto& kv) { return kv.second >= 3; });
  EXPECT_GE(rated, 5) << "authors with three or more works";
  const auto varied = std::count_if(spellings.begin(), spellings.end(),
                                    [](const auto& kv) { return kv.second.size() > 1; });
  EXPECT_GE(varied, 1) << "no author is written in two letter cases";
}

TEST(SampleArchive, TemplateHasEveryMarkedLine) {
  const auto lines = text::SplitLines(ReadBytes(kBase / "_template_.html"));
  const auto body = std::find(lines.begin(), lines.end(), Ansi("  <!-- ЗДЕСЬ ТЕЛО СТАТЬИ -->"));
  ASSERT_NE(body, lines.end()) << "body marker";
  // The header edits look only at the lines before the body marker.
  const std::vector<std::string> header(lines.begin(), body);
  auto first = [&](auto test) { return std::find_if(header.begin(), header.end(), test); };

  const auto heading = std::find(header.begin(), header.end(), "<!-- begin -->");
  ASSERT_NE(heading, header.end()) << "heading marker";
  EXPECT_NE(heading + 1, header.end()) << "heading marker needs a line after it";
  EXPECT_NE(first([](const std::string& l) { return Contains(l, "</title>"); }), header.end());
  EXPECT_NE(first([](const std::string& l) { return Contains(l, "<meta Name=\"keywords\" Content=\""); }),
            header.end());

  const std::string image = "src=\"images/title.jpg\" width=\"354\" height=";
  const auto imageLine = first([&](const std::string& l) { return Contains(l, image); });
  ASSERT_NE(imageLine, header.end()) << "title image line";
  const auto phrase = imageLine->find(Ansi("по следующим категориям:"));
  ASSERT_NE(phrase, std::string::npos);
  const auto q = imageLine->find(image);
  // The keyword edit replaces the words from the second character after the
  // colon up to the two characters before the image text.
  ASSERT_GE(q, phrase + 24 + 3);
  EXPECT_EQ(imageLine->substr(q - 2, 2), "\" ");
  EXPECT_EQ((*imageLine)[phrase + 24], ' ');

  for (auto banner : pages::kBannerLines)
    EXPECT_NE(std::find(lines.begin(), lines.end(), Ansi(banner)), lines.end()) << banner;
  EXPECT_NE(std::find(lines.begin(), lines.end(), Ansi(pages::kFooterMailMarker) +
                                                      Ansi(" title=\"Написать письмо\">команда Lorvane</a>")),
            lines.end());
}

TEST(SampleArchive, StyleSheetCarriesTheBaseFontSize) {
  const auto lines = text::SplitLines(ReadBytes(kBase / "css.css"));
  ASSERT_GE(lines.size(), 2u);
  std::string digits;
  for (char c : lines[0])
    if (c >= '0' && c <= '9') digits += c;
  ASSERT_FALSE(digits.empty()) << "no size in the first line";
  const int base = text::StrToIntDef(digits, -1);
  ASSERT_GT(base, 0);
  EXPECT_EQ(text::IntToStr(base), digits);
  // The first line changes with the size; else the next step would look
  // for the old size and the size could change only once.
  EXPECT_TRUE(Contains(text::Lower(lines[0]), "font-size")) << lines[0];

  // The size commands replace the first occurrence of the size in every
  // "font-size" line, so the first number in such a line must be the size
  // itself (a selector like "h1" on the same line would take the change).
  int sizeLines = 0;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (!Contains(text::Lower(lines[i]), "font-size")) continue;
    ++sizeLines;
    const auto& l = lines[i];
    const auto from = l.find_first_of("0123456789");
    ASSERT_NE(from, std::string::npos) << l;
    const auto to = l.find_first_not_of("0123456789", from);
    EXPECT_EQ(l.substr(from, to - from), digits) << l;
  }
  EXPECT_GE(sizeLines, 3);
}

TEST(SampleArchive, ShipsThePicturesThePagesAndCommandsUse) {
  for (const char* name : {"tree.ico", "mail.ico", "site.ico", "title.jpg", "bg_title.jpg", "bottom_line.jpg"}) {
    const auto p = kBase / "images" / name;
    ASSERT_TRUE(fs::is_regular_file(p)) << name;
    EXPECT_GT(fs::file_size(p), 0u) << name;
    EXPECT_LT(fs::file_size(p), 32u * 1024) << name;
  }
  // Icons start with the reserved word 0 and type 1.
  const std::string ico = ReadBytes(kBase / "images" / "tree.ico");
  ASSERT_GE(ico.size(), 6u);
  EXPECT_EQ(ico.substr(0, 4), std::string("\0\0\1\0", 4));
}

}  // namespace
}  // namespace lrv::sample_test
