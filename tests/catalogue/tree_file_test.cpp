#include <gtest/gtest.h>

#include <random>

#include "base/files.h"
#include "catalogue/catalogue_json.h"
#include "catalogue/catalogue_rules.h"
#include "catalogue/tree_file.h"
#include "test_support.h"

namespace lrv {
namespace {

using test::A;
using test::Add;
using test::Bytes;
using test::TempDir;
using test::Titles;

std::string Hex(const std::string& bytes) {
  static const char* kDigits = "0123456789ABCDEF";
  std::string out;
  for (unsigned char b : bytes) {
    if (!out.empty()) out += ' ';
    out += kDigits[b >> 4];
    out += kDigits[b & 15];
  }
  return out;
}

// ---------------------------------------------------------------- exact bytes

TEST(TreeFileBytes, AnEmptyCatalogueIsEightBytes) {
  TempDir dir;
  Catalogue empty;
  SaveTree(empty, dir / "tree.info");
  EXPECT_EQ(Hex(*ReadFile(dir / "tree.info")), "FF FF FF FF 00 00 00 00");
  Catalogue c;
  Add(c, nullptr, {"replaced"});
  ASSERT_TRUE(LoadTree(c, dir / "tree.info"));
  EXPECT_TRUE(c.Empty());
}

TEST(TreeFileBytes, OneCategoryIsFortySixBytes) {
  Catalogue c;
  Add(c, nullptr, {"A", "0"});
  const std::string bytes = TreeBytes(c);
  EXPECT_EQ(bytes.size(), 46u);
  EXPECT_EQ(Hex(bytes),
            "FF FF FF FF 01 00 00 00 18 00 00 00 00 00 00 00 FF FF FF FF FF FF FF FF 00 00 00 00 "
            "00 00 00 00 02 00 00 00 01 00 00 00 41 01 00 00 00 30");
}

// A category with one subcategory holding one article, as the format's
// own example describes it.
const std::string& ThreeLevelExample() {
  static const std::string bytes = Bytes()
                                       .Int(-1)
                                       .Int(1)
                                       .Header(0, -1, -1, 0, 1, 2)
                                       .Text(A("Базы данных"))
                                       .Text("1")
                                       .Header(0, -1, -1, 0, 1, 2)
                                       .Text("ODBC")
                                       .Text("1")
                                       .Header(4, -1, -1, 0, 0, 3)
                                       .Text(A("Драйвер ASCII"))
                                       .Text("")
                                       .Text("ascii_driver.html");
  return bytes;
}

TEST(TreeFileBytes, ThreeLevelsAreStoredDepthFirstWithTheirValueCounts) {
  Catalogue c;
  CatalogueNode* cat = Add(c, nullptr, {A("Базы данных"), "1"});
  CatalogueNode* sub = Add(c, cat, {"ODBC", "1"});
  CatalogueNode* article = c.AddChild(sub);
  c.SetValue(article, ColTitle, A("Драйвер ASCII"));
  c.SetValue(article, ColFileName, "ascii_driver.html");
  EXPECT_EQ(Hex(TreeBytes(c)), Hex(ThreeLevelExample()));

  TreeReadResult read = ReadTreeBytes(ThreeLevelExample());
  ASSERT_TRUE(read.ok);
  EXPECT_EQ(TreeBytes(read.catalogue), ThreeLevelExample());
  const CatalogueNode* loaded = read.catalogue.Root(0)->Child(0)->Child(0);
  EXPECT_EQ(loaded->ValueCount(), 3);
  EXPECT_EQ(loaded->Value(ColFileName), "ascii_driver.html");
  EXPECT_TRUE(loaded->IsArticle());
}

// The picture written is the one shown at the moment of saving, including
// the highlight of selected and focused nodes; the stored one is not used.
TEST(TreeFileBytes, TheImageWrittenIsTheDisplayedPicture) {
  Catalogue c;
  CatalogueNode* cat = Add(c, nullptr, {"c"});
  CatalogueNode* sub = Add(c, cat, {"s"});
  CatalogueNode* favourite = Add(c, sub, {"f", "", "f.html", "1"});
  CatalogueNode* read = Add(c, sub, {"r", "", "r.html", "3"});
  c.SetImageIndex(favourite, 77);
  c.SetExpanded(cat, true);
  c.SetFocused(cat);
  c.Select(read);
  TreeReadResult back = ReadTreeBytes(TreeBytes(c));
  ASSERT_TRUE(back.ok);
  const CatalogueNode* s = back.catalogue.Root(0)->Child(0);
  EXPECT_EQ(back.catalogue.Root(0)->ImageIndex(), 3);  // expanded, focused
  EXPECT_EQ(s->ImageIndex(), 0);
  EXPECT_EQ(s->Child(0)->ImageIndex(), 8);
  EXPECT_EQ(s->Child(1)->ImageIndex(), 11);  // read, selected
  EXPECT_EQ(s->Child(0)->SelectedIndex(), -1) << "the selected index is written as stored";
}

// ---------------------------------------------------------------- reading

TEST(TreeFileRead, ALegacyFileHasNoMarkerAndOneByteLengths) {
  const std::string legacy = Bytes()
                                 .Int(2)
                                 .Header(0, -1, -1, 0, 1, 2)
                                 .ShortText("A")
                                 .ShortText("1")
                                 .Header(0, -1, -1, 0, 0, 1)
                                 .ShortText(std::string(255, 'x'))
                                 .Header(0, -1, 7, 9, 0, 0);
  TreeReadResult read = ReadTreeBytes(legacy);
  ASSERT_TRUE(read.ok);
  ASSERT_EQ(read.catalogue.RootCount(), 2);
  EXPECT_EQ(Titles(read.catalogue, nullptr), (std::vector<std::string>{"A", ""}));
  EXPECT_EQ(read.catalogue.Root(0)->Child(0)->Title(), std::string(255, 'x'));
  EXPECT_EQ(read.catalogue.Root(1)->StateIndex(), 7);
  EXPECT_EQ(read.catalogue.Root(1)->Data(), 9);
  // Saved again, it gets the marker and four-byte lengths.
  EXPECT_EQ(TreeBytes(read.catalogue).substr(0, 4), "\xFF\xFF\xFF\xFF");
}

TEST(TreeFileRead, NegativeCountsAreReadAsZeroAndTheLoadGoesOn) {
  const std::string bytes = Bytes()
                                .Int(-1)
                                .Int(2)
                                .Header(0, -1, -1, 0, -1, 1)  // child count -1: no children follow
                                .Text("first")
                                .Header(0, -1, -1, 0, 0, -7)  // value count -7: no values follow
                                .Raw("ignored after the last root");
  TreeReadResult read = ReadTreeBytes(bytes);
  ASSERT_TRUE(read.ok);
  ASSERT_EQ(read.catalogue.RootCount(), 2);
  EXPECT_EQ(read.catalogue.Root(0)->ChildCount(), 0);
  EXPECT_EQ(read.catalogue.Root(1)->ValueCount(), 0);
  EXPECT_EQ(read.catalogue.Root(1)->Value(ColFileName), "");

  TreeReadResult none = ReadTreeBytes(Bytes().Int(-1).Int(-3).str());
  EXPECT_TRUE(none.ok);
  EXPECT_TRUE(none.catalogue.Empty());
}

TEST(TreeFileRead, AHeaderLongerThanTwentyFourBytesIsSkippedPastItsEnd) {
  const std::string bytes = Bytes()
                                .Int(-1)
                                .Int(1)
                                .Int(32)
                                .Int(1)
                                .Int(2)
                                .Int(3)
                                .Int(4)
                                .Int(0)
                                .Int(1)
                                .Raw("EXTRA..!")
                                .Text("title");
  TreeReadResult read = ReadTreeBytes(bytes);
  ASSERT_TRUE(read.ok);
  const CatalogueNode* n = read.catalogue.Root(0);
  EXPECT_EQ(n->ImageIndex(), 1);
  EXPECT_EQ(n->SelectedIndex(), 2);
  EXPECT_EQ(n->StateIndex(), 3);
  EXPECT_EQ(n->Data(), 4);
  EXPECT_EQ(n->Title(), "title");
}

TEST(TreeFileRead, RoundTripKeepsOrderTrailingEmptyValuesAndIntegers) {
  TempDir dir;
  Catalogue c;
  CatalogueNode* z = Add(c, nullptr, {"z", "", "", "", ""});
  Add(c, nullptr, {"a"});
  CatalogueNode* sub = Add(c, z, {std::string(300, 'q')});  // needs a four-byte length
  c.SetStateIndex(sub, 12345);
  c.SetData(sub, -2);
  CatalogueNode* big = Add(c, sub, {std::string(200000, '\x98')});  // larger than the read buffer
  SaveTree(c, dir / "t.tree");
  Catalogue loaded;
  ASSERT_TRUE(LoadTree(loaded, dir / "t.tree"));
  EXPECT_EQ(Titles(loaded, nullptr), (std::vector<std::string>{"z", "a"}));
  EXPECT_EQ(loaded.Root(0)->ValueCount(), 5);
  const CatalogueNode* s = loaded.Root(0)->Child(0);
  EXPECT_EQ(s->Title(), std::string(300, 'q'));
  EXPECT_EQ(s->StateIndex(), 12345);
  EXPECT_EQ(s->Data(), -2);
  EXPECT_EQ(s->Child(0)->Title(), big->Title());
  EXPECT_TRUE(TreeBytes(loaded) == TreeBytes(c));
}

TEST(TreeFileRead, ARandomCatalogueReadsTheSameFromFileAndFromMemory) {
  std::mt19937 random(7);
  Catalogue c;
  for (int i = 0; i < 120; ++i) {
    CatalogueNode* cat = Add(c, nullptr, {"c" + std::to_string(i), std::to_string(i)});
    for (int j = 0; j < 10; ++j) {
      CatalogueNode* sub = Add(c, cat, {"s" + std::to_string(random())});
      for (int k = 0; k < static_cast<int>(random() % 12); ++k)
        Add(c, sub, {std::string(random() % 90, static_cast<char>('a' + k)), "", "f.html",
                     std::to_string(random() % 4)});
    }
  }
  TempDir dir;
  SaveTree(c, dir / "big.tree");
  const std::string bytes = *ReadFile(dir / "big.tree");
  ASSERT_GT(bytes.size(), 3u * 65536);
  TreeReadResult fromMemory = ReadTreeBytes(bytes);
  ASSERT_TRUE(fromMemory.ok);
  EXPECT_TRUE(TreeBytes(fromMemory.catalogue) == bytes);
  // Small read buffers put every field across a buffer boundary somewhere.
  for (std::size_t buffer : {4, 5, 7, 1000, 0}) {
    testing::SetTreeReadBufferSize(buffer);
    TreeReadResult fromFile = ReadTreeFile(dir / "big.tree");
    ASSERT_TRUE(fromFile.ok) << buffer;
    EXPECT_TRUE(TreeBytes(fromFile.catalogue) == bytes) << buffer;
  }
  testing::SetTreeReadBufferSize(0);
}

// ---------------------------------------------------------------- failures

struct DamagedCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> rootsRead;  // titles of the roots in the partial catalogue
};

class DamagedTreeFile : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedTreeFile, FailsAndKeepsTheNodesReadBeforeTheFailure) {
  const DamagedCase& k = GetParam();
  TreeReadResult read = ReadTreeBytes(k.bytes);
  EXPECT_FALSE(read.ok);
  EXPECT_EQ(Titles(read.catalogue, nullptr), k.rootsRead);

  // The same through a file; and LoadTree leaves the current catalogue alone.
  TempDir dir;
  WriteFileAtomic(dir / "damaged.info", k.bytes);
  TreeReadResult fromFile = ReadTreeFile(dir / "damaged.info");
  EXPECT_FALSE(fromFile.ok);
  EXPECT_EQ(DumpTreeJson(fromFile.catalogue, false), DumpTreeJson(read.catalogue, false));
  Catalogue current;
  Add(current, nullptr, {"kept"});
  EXPECT_FALSE(LoadTree(current, dir / "damaged.info"));
  EXPECT_EQ(Titles(current, nullptr), (std::vector<std::string>{"kept"}));
}

Bytes GoodRoot() { return Bytes().Int(-1).Int(2).Header(0, -1, -1, 0, 0, 1).Text("good"); }

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedTreeFile,
    ::testing::Values(
        DamagedCase{"ZeroBytes", "", {}},
        DamagedCase{"ThreeBytes", "\xFF\xFF\xFF", {}},
        DamagedCase{"MarkerWithoutCount", "\xFF\xFF\xFF\xFF", {}},
        DamagedCase{"HeaderSizeBelow24", GoodRoot().Int(23).Int(0).Int(0).Int(0).Int(0).Int(0).Int(0), {"good", ""}},
        DamagedCase{"HeaderSizeBeyondTheFile", GoodRoot().Int(1000).Int(0).Int(0).Int(0).Int(0).Int(0).Int(0),
                    {"good", ""}},
        DamagedCase{"RootsCannotFitTheRest", GoodRoot().Int(24).Int(0).Int(0), {}},
        DamagedCase{"TruncatedHeader", GoodRoot().Int(24).Int(0).Int(0).Int(0).Int(0).Int(0).Raw("xyz"), {"good", ""}},
        DamagedCase{"NegativeValueLength", GoodRoot().Header(0, -1, -1, 0, 0, 2).Text("x").Int(-1),
                    {"good", "x"}},
        DamagedCase{"ValueLengthBeyondTheFile", GoodRoot().Header(0, -1, -1, 0, 0, 1).Int(50).Raw("short"),
                    {"good", ""}},
        DamagedCase{"ValueCountBeyondTheFile", GoodRoot().Header(0, -1, -1, 0, 0, 1000).Text("v"), {"good", ""}},
        DamagedCase{"ChildCountBeyondTheFile",
                    GoodRoot().Header(0, -1, -1, 0, 100, 1).Text("parent").Header(0, -1, -1, 0, 0, 0),
                    {"good", "parent"}},
        DamagedCase{"RootCountBeyondTheFile", Bytes().Int(-1).Int(1000000).Header(0, -1, -1, 0, 0, 0), {}},
        DamagedCase{"LegacyLengthBeyondTheFile", Bytes().Int(1).Header(0, -1, -1, 0, 0, 1).Byte(9).Raw("abc"),
                    {""}},
        DamagedCase{"MissingLastRoot", Bytes().Int(-1).Int(3).Header(0, -1, -1, 0, 0, 1).Text("one"), {}},
        DamagedCase{"TruncatedMidTree",
                    Bytes().Int(-1).Int(2).Header(0, -1, -1, 0, 2, 1).Text("a").Header(0, -1, -1, 0, 0, 1).Text("b"),
                    {"a"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DamagedTreeFile, EveryTruncationOfAGoodFileFails) {
  const std::string& whole = ThreeLevelExample();
  for (std::size_t n = 0; n < whole.size(); ++n) EXPECT_FALSE(ReadTreeBytes(whole.substr(0, n)).ok) << n;
}

TEST(DamagedTreeFile, AMissingFileOrAFolderFailsAndChangesNothing) {
  TempDir dir;
  Catalogue current;
  Add(current, nullptr, {"kept"});
  EXPECT_FALSE(LoadTree(current, dir / "missing.info"));
  EXPECT_FALSE(LoadTree(current, dir.path()));
  EXPECT_EQ(Titles(current, nullptr), (std::vector<std::string>{"kept"}));
}

// ---------------------------------------------------------------- saving safely

TEST(TreeFileSave, AFailureMidwayLeavesThePreviousFileWhole) {
  TempDir dir;
  const auto path = dir / "tree.info";
  Catalogue old;
  Add(old, nullptr, {"old catalogue", "0"});
  SaveTree(old, path);
  const std::string before = *ReadFile(path);

  Catalogue bigger;
  for (int i = 0; i < 5000; ++i) Add(bigger, nullptr, {"category " + std::to_string(i), "0"});
  for (std::size_t failAt : {std::size_t{0}, std::size_t{100}, std::size_t{70000}}) {
    testing::FailWritesAfter(failAt);
    EXPECT_THROW(SaveTree(bigger, path), IoError) << failAt;
    testing::FailWritesAfter(std::nullopt);
    EXPECT_EQ(*ReadFile(path), before);
    Catalogue loaded;
    ASSERT_TRUE(LoadTree(loaded, path));
    EXPECT_EQ(Titles(loaded, nullptr), (std::vector<std::string>{"old catalogue"}));
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1)
      << "no temporary file is left behind";
  SaveTree(bigger, path);
  EXPECT_TRUE(*ReadFile(path) == TreeBytes(bigger));
}

TEST(TreeFileSave, AFolderThatCannotBeWrittenRaisesAnIoError) {
  TempDir dir;
  Catalogue c;
  EXPECT_THROW(SaveTree(c, dir / "no-such-folder" / "tree.info"), IoError);
}

// ---------------------------------------------------------------- deep trees

TEST(TreeFileDepth, AFileNestingHundredsOfThousandsOfLevelsLoadsAndSavesAgain) {
  constexpr int kDepth = 300000;
  Bytes bytes;
  bytes.Int(-1).Int(1);
  // Level 2 is the article level: its picture is written as 4.
  for (int i = 0; i < kDepth; ++i) bytes.Header(i == 2 ? 4 : 0, -1, -1, i, i + 1 < kDepth ? 1 : 0, 0);
  TempDir dir;
  WriteFileAtomic(dir / "deep.info", bytes.str());
  Catalogue c;
  ASSERT_TRUE(LoadTree(c, dir / "deep.info"));
  const CatalogueNode* n = c.Root(0);
  while (n->ChildCount() > 0) n = n->Child(0);
  EXPECT_EQ(n->Depth(), kDepth - 1);
  EXPECT_EQ(n->Data(), kDepth - 1);
  EXPECT_TRUE(TreeBytes(c) == bytes.str());
  EXPECT_EQ(DumpTreeJson(c, true).size(), DumpTreeFileJson(dir / "deep.info").size());
}

}  // namespace
}  // namespace lrv
