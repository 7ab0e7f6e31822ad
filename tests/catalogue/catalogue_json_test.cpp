#include <gtest/gtest.h>

#include "base/files.h"
#include "catalogue/catalogue_json.h"
#include "catalogue/tree_file.h"
#include "test_support.h"

namespace lrv {
namespace {

using test::A;
using test::Add;
using test::Bytes;
using test::Titles;

TEST(CatalogueJsonDump, ShowsValuesInUtf8WithEscapesAndTheStoredIntegers) {
  Catalogue c;
  CatalogueNode* cat = Add(c, nullptr, {A("Сети") + " \"q\" \\ \t\x01\x98", "1"});
  c.SetImageIndex(cat, 3);
  c.SetSelectedIndex(cat, 2);
  c.SetData(cat, -5);
  Add(c, cat, {});
  EXPECT_EQ(DumpTreeJson(c, true),
            "{\"loaded\":true,\"roots\":[{\"values\":[\"Сети \\\"q\\\" \\\\ \\t\\u0001\u0098\",\"1\"],\"image\":3,"
            "\"selected\":2,\"state\":-1,\"data\":-5,\"children\":[{\"values\":[],\"image\":0,\"selected\":-1,"
            "\"state\":-1,\"data\":0,\"children\":[]}]}]}");
  Catalogue empty;
  EXPECT_EQ(DumpTreeJson(empty, false), "{\"loaded\":false,\"roots\":[]}");
}

TEST(CatalogueJsonDump, ADamagedFileShowsTheNodesReadBeforeTheFailure) {
  test::TempDir dir;
  WriteFileAtomic(dir / "cut.info", Bytes()
                                            .Int(-1)
                                            .Int(2)
                                            .Header(5, -1, -1, 0, 0, 1)
                                            .Text("first")
                                            .Header(0, -1, -1, 0, 0, 1)
                                            .Int(10)
                                            .Raw("abc")
                                            .str());
  EXPECT_EQ(DumpTreeFileJson(dir / "cut.info"),
            "{\"loaded\":false,\"roots\":[{\"values\":[\"first\"],\"image\":5,\"selected\":-1,\"state\":-1,"
            "\"data\":0,\"children\":[]},{\"values\":[],\"image\":0,\"selected\":-1,\"state\":-1,\"data\":0,"
            "\"children\":[]}]}");
  EXPECT_EQ(DumpTreeFileJson(dir / "missing.info"), "{\"loaded\":false,\"roots\":[]}");
}

TEST(CatalogueFromJson, BuildsNodesWithDefaultsAndIgnoresImageAndUnknownKeys) {
  std::string error;
  auto c = CatalogueFromJson(
      R"({"loaded": false, "extra": {"a": [1, 2.5e3, null, true, {"b": "c"}]},
          "roots": [
            {"values": ["Сети", "1"], "image": 99, "expanded": true, "note": [[[]]],
             "children": [{"values": ["Sub\u0020\u0098", ""], "selected": 3, "state": 4, "data": -2147483648}]},
            {"children": [], "values": []}
          ]})",
      &error);
  ASSERT_TRUE(c) << error;
  ASSERT_EQ(c->RootCount(), 2);
  const CatalogueNode* nets = c->Root(0);
  EXPECT_EQ(nets->Values(), (std::vector<std::string>{A("Сети"), "1"}));
  EXPECT_EQ(nets->ImageIndex(), 0);
  EXPECT_EQ(nets->SelectedIndex(), -1);
  EXPECT_EQ(nets->StateIndex(), -1);
  EXPECT_EQ(nets->Data(), 0);
  EXPECT_TRUE(nets->Expanded());
  const CatalogueNode* sub = nets->Child(0);
  EXPECT_EQ(sub->Values(), (std::vector<std::string>{"Sub \x98", ""}));
  EXPECT_EQ(sub->SelectedIndex(), 3);
  EXPECT_EQ(sub->StateIndex(), 4);
  EXPECT_EQ(sub->Data(), -2147483648);
  EXPECT_EQ(c->SelectedCount(), 0);
  EXPECT_EQ(c->Focused(), nullptr);

  // Saved, the expanded flag shows in the picture written.
  TreeReadResult saved = ReadTreeBytes(TreeBytes(*c));
  ASSERT_TRUE(saved.ok);
  EXPECT_EQ(saved.catalogue.Root(0)->ImageIndex(), 2);
}

TEST(CatalogueFromJson, ADumpReadsBackToTheSameCatalogue) {
  Catalogue c;
  CatalogueNode* cat = Add(c, nullptr, {A("Ёлка") + "\x98\x01\"", "1", "", "", ""});
  CatalogueNode* sub = Add(c, cat, {"s"});
  c.SetStateIndex(sub, 7);
  c.SetData(sub, 2147483647);
  Add(c, sub, {"a", "", "a.html", "3", "yes"});
  std::string error;
  auto back = CatalogueFromJson(DumpTreeJson(c, true), &error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(TreeBytes(*back), TreeBytes(c));
}

TEST(CatalogueFromJson, NestsAsDeepAsATreeFileCan) {
  Catalogue c;
  test::BuildChain(c, 200000);
  const std::string json = DumpTreeJson(c, true);
  std::string error;
  auto back = CatalogueFromJson(json, &error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(DumpTreeJson(*back, true), json);
}

struct BadJson {
  const char* name;
  std::string json;
};

class CatalogueFromBadJson : public ::testing::TestWithParam<BadJson> {};

TEST_P(CatalogueFromBadJson, FailsWithAMessage) {
  std::string error;
  EXPECT_FALSE(CatalogueFromJson(GetParam().json, &error));
  EXPECT_NE(error.find("JSON error at byte"), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CatalogueFromBadJson,
    ::testing::Values(BadJson{"Empty", ""}, BadJson{"NotAnObject", "[]"},
                      BadJson{"Unterminated", R"({"roots": [{"values": ["a"]})"},
                      BadJson{"TrailingText", R"({"roots": []} x)"},
                      BadJson{"TrailingComma", R"({"roots": [{},]})"},
                      BadJson{"NodeNotAnObject", R"({"roots": [1]})"},
                      BadJson{"ValueNotAString", R"({"roots": [{"values": [1]}]})"},
                      BadJson{"FractionalInteger", R"({"roots": [{"data": 1.5}]})"},
                      BadJson{"IntegerTooLarge", R"({"roots": [{"state": 2147483648}]})"},
                      BadJson{"BadExpanded", R"({"roots": [{"expanded": 1}]})"},
                      BadJson{"NoCp1251Form", R"({"roots": [{"values": ["中"]}]})"},
                      BadJson{"EscapedNoCp1251Form", R"({"roots": [{"values": ["\u4e2d"]}]})"},
                      BadJson{"LoneSurrogate", R"({"roots": [{"values": ["\ud800"]}]})"},
                      BadJson{"MalformedUtf8", "{\"roots\": [{\"values\": [\"\xC3\"]}]}"},
                      BadJson{"RawControlCharacter", "{\"roots\": [{\"values\": [\"a\nb\"]}]}"},
                      BadJson{"BadSkippedValue", R"({"other": [1, 2,], "roots": []})"},
                      BadJson{"DeepUnclosedSkippedValue", "{\"x\":" + std::string(100000, '[')}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lrv
