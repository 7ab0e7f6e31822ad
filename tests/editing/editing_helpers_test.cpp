#include <gtest/gtest.h>

#include "editing/catalogue_clone.h"
#include "editing/count_column.h"
#include "editing/fit_text.h"
#include "editing/note_file.h"
#include "editing_core_support.h"

namespace lrv {
namespace {

using test::A;
using test::Find;

// ---------------------------------------------------------------- counts

TEST(CountColumn, ArithmeticIsWideAndWrittenBackClamped) {
  struct Case {
    std::string count;
    std::int64_t delta;
    std::int64_t whenNotNumber;
    std::string result;
  };
  const Case cases[] = {
      {"7", 1, 0, "8"},
      {"7", -3, 3, "4"},
      {" 12", 1, 0, "13"},  // StrToInt takes leading blanks
      {"$10", 1, 0, "17"},  // and hex
      {"", 1, 0, "1"},
      {"x", -1, 1, "0"},
      {"99999999999", 1, 0, "1"},  // beyond 32 bits: not a number
      {"2147483647", 1, 0, "2147483647"},
      {"-2147483648", -1, 0, "-2147483648"},
      {"2147483647", 2147483647, 0, "2147483647"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.count);
    Catalogue c;
    CatalogueNode* n = test::Add(c, nullptr, {"C", k.count});
    ChangeCount(c, n, k.delta, k.whenNotNumber);
    EXPECT_EQ(n->Value(ColCount), k.result);
  }
}

// ---------------------------------------------------------------- FitTextToWidth

TEST(FitTextToWidth, DropsThreeCharactersAtATimeAndAddsDots) {
  // Ten pixels a character, multi-byte characters included.
  const TextMeasure measure = [](std::string_view utf8) {
    int n = 0;
    for (char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 10 : 0;
    return n;
  };
  struct Case {
    std::string text;
    int width;
    std::string fitted;
  };
  const Case cases[] = {
      {"", 10, ""},
      {"   ", 10, "   "},
      {"Short", 50, "Short"},
      {"ABCDEFGHIJ", 55, "ABCD..."},
      {"ABCDEFGHIJ", 95, "ABCDEFG..."},
      {"Перемещение", 60, "Перем..."},  // characters, not bytes
      {"ABCDE", 10, "AB"},               // still too wide, and no dots
      {"ABCD", 5, "A"},
  };
  for (const Case& k : cases) EXPECT_EQ(FitTextToWidth(k.text, k.width, measure), k.fitted) << k.text;
}

// ---------------------------------------------------------------- note files

TEST(ReplaceExtension, LooksOnlyAtTheLastComponent) {
  EXPECT_EQ(ReplaceExtension("a.b.html", "txt"), "a.b.txt");
  EXPECT_EQ(ReplaceExtension("  page.htm ", "txt"), "page.txt");
  EXPECT_EQ(ReplaceExtension("dir.v2\\readme", "txt"), "dir.v2\\readme");
  EXPECT_EQ(ReplaceExtension("readme", "txt"), "readme");
  EXPECT_EQ(ReplaceExtension("  ", "txt"), "  ");
  EXPECT_EQ(ReplaceExtension("a.html", " "), "a.html");
}

TEST(NoteFileForAddress, AlwaysDirectlyInNotesDir) {
  test::TempFolder temp;
  // A dot in the folders above must not cut the path there.
  const Dirs dirs = Dirs::ForBaseDir(temp.path() / "lorvane-6.0" / "base");
  const auto notes = dirs.NotesDir();
  struct Case {
    std::string address;
    std::optional<std::string> note;
  };
  const Case cases[] = {
      {"graphics_tips.html", "graphics_tips.txt"},
      {"a.b.html", "a.b.txt"},
      {"C:\\Lorvane\\base\\page.html", "page.txt"},
      {"/srv/base/page.html", "page.txt"},
      {"sub\\..\\..\\evil.html", "evil.txt"},
      {"readme", "readme.txt"},
      {"C:\\base\\dir.v2\\readme", "readme.txt"},
      {"", std::nullopt},
      {"dir\\", std::nullopt},
      {"..", std::nullopt},
      {"x\\.", std::nullopt},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.address);
    const auto note = NoteFileForAddress(dirs, k.address);
    if (!k.note) {
      EXPECT_FALSE(note.has_value());
      continue;
    }
    ASSERT_TRUE(note.has_value());
    EXPECT_EQ(*note, notes / *k.note);
    EXPECT_EQ(note->parent_path(), notes);
  }
}

TEST(NoteFileForAddress, FindsANoteWhoseNameDiffersInCase) {
  test::EditingArchive a;
  a.WriteNote("Page.TXT");
  EXPECT_EQ(NoteFileForArticle(a.dirs, "page.html"), std::optional(a.dirs.NotesDir() / "Page.TXT"));
}

// ---------------------------------------------------------------- clone

TEST(CloneCatalogue, CopiesNodesAndViewState) {
  Catalogue c;
  test::FillSample(c);
  CatalogueNode* sql = Find(c, "SQL");
  c.SetExpanded(sql, true);
  c.SetImageIndex(sql, 3);
  c.SetData(sql, 77);
  c.Select(Find(c, "Индексы"));
  c.Select(Find(c, "Joins"));
  c.SetFocused(Find(c, "Joins"));
  c.SetSortMark(ColFileName, SortMark::Descending);

  const Catalogue copy = CloneCatalogue(c);
  EXPECT_EQ(test::Dump(copy), test::Dump(c));
  const CatalogueNode* copySql = Find(copy, "SQL");
  ASSERT_NE(copySql, sql);
  EXPECT_TRUE(copySql->Expanded());
  EXPECT_EQ(copySql->ImageIndex(), 3);
  EXPECT_EQ(copySql->Data(), 77);
  EXPECT_EQ(Find(copy, "Joins")->Values(), Find(c, "Joins")->Values());
  EXPECT_EQ(test::Selected(copy), (std::vector<std::string>{"Индексы", "Joins"}));
  EXPECT_EQ(copy.Focused(), Find(copy, "Joins"));
  EXPECT_EQ(copy.GetSortMark(ColFileName), SortMark::Descending);
}

TEST(CloneCatalogue, CopiesADeepChainWithoutRecursion) {
  Catalogue c;
  CatalogueNode* parent = nullptr;
  for (int i = 0; i < 200000; ++i) parent = c.AddChild(parent);
  const Catalogue copy = CloneCatalogue(c);
  int depth = 0;
  for (const CatalogueNode* n = copy.Root(0); n != nullptr; n = n->Child(0)) ++depth;
  EXPECT_EQ(depth, 200000);
}

}  // namespace
}  // namespace lrv
