#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/catalogue_rules.h"
#include "catalogue/tree_file.h"
#include "test_support.h"

namespace lrv {
namespace {

// Records notifications as short texts; checks that every begin is closed
// by its end before anything else begins, as a Qt model requires.
class Recorder : public CatalogueObserver {
 public:
  std::vector<std::string> events;
  std::string open;

  void OnBeginReset() override { Begin("reset"); }
  void OnEndReset() override { End("reset"); }
  void OnBeginInsertNodes(const CatalogueNode* parent, int first, int last) override {
    Begin("insert " + Name(parent) + " " + std::to_string(first) + "-" + std::to_string(last));
  }
  void OnEndInsertNodes() override { End("insert"); }
  void OnBeginRemoveNodes(const CatalogueNode* parent, int first, int last) override {
    Begin("remove " + Name(parent) + " " + std::to_string(first) + "-" + std::to_string(last));
  }
  void OnEndRemoveNodes() override { End("remove"); }
  void OnBeginLayoutChange() override { Begin("layout"); }
  void OnEndLayoutChange() override { End("layout"); }
  void OnNodeChanged(const CatalogueNode* node) override { events.push_back("changed " + Name(node)); }
  void OnAllNodesChanged() override { events.push_back("all changed"); }
  void OnViewStateChanged() override { events.push_back("view"); }

 private:
  static std::string Name(const CatalogueNode* n) { return n == nullptr ? "roots" : n->Title(); }
  void Begin(const std::string& what) {
    EXPECT_TRUE(open.empty()) << what << " begun inside " << open;
    open = what.substr(0, what.find(' '));
    events.push_back("begin " + what);
  }
  void End(const std::string& what) {
    EXPECT_EQ(open, what);
    open.clear();
    events.push_back("end " + what);
  }
};

using Events = std::vector<std::string>;

TEST(CatalogueObserver, SingleChangesOutsideABatchAreReportedOneByOne) {
  Catalogue c;
  Recorder r;
  c.AddObserver(&r);
  CatalogueNode* cat = c.AddRoot();
  c.SetValue(cat, ColTitle, "c");
  c.AddChild(cat);
  c.SetExpanded(cat, true);
  c.SelectOnly(cat);
  c.DeleteNode(cat);
  EXPECT_EQ(r.events, (Events{"begin insert roots 0-0", "end insert", "changed c", "begin insert c 0-0",
                              "end insert", "changed c", "view", "view", "begin remove roots 0-0",
                              "end remove"}));
  c.RemoveObserver(&r);
  c.AddRoot();
  EXPECT_EQ(r.events.size(), 10u);
}

TEST(CatalogueObserver, NestedBatchesEndInOneReset) {
  Catalogue c;
  Recorder r;
  c.AddObserver(&r);
  {
    CatalogueBatch outer(c);
    c.Sort();  // a layout change first ...
    {
      CatalogueBatch inner(c);
      CatalogueNode* n = c.AddRoot();  // ... then a structural change: one reset
      c.SetValue(n, ColTitle, "x");
      c.SelectOnly(n);
    }
    EXPECT_EQ(r.events, (Events{"begin layout", "end layout", "begin reset"}));
    c.AddRoot();
  }
  EXPECT_EQ(r.events, (Events{"begin layout", "end layout", "begin reset", "end reset", "view"}));
}

TEST(CatalogueObserver, ABatchThatOnlySortsOrOnlyChangesValuesIsNoReset) {
  Catalogue c;
  CatalogueNode* n = c.AddRoot();
  c.AddRoot();
  Recorder r;
  c.AddObserver(&r);
  RecountChildren(c);  // values and a re-sort
  EXPECT_EQ(r.events, (Events{"begin layout", "end layout", "all changed"}));
  r.events.clear();
  {
    CatalogueBatch batch(c);
    c.SetValue(n, ColState, "1");
    c.SetValue(n, ColLook, "yes");
  }
  EXPECT_EQ(r.events, (Events{"all changed"}));
}

TEST(CatalogueObserver, LoadingAFileIsOneResetAndAFailedLoadIsNone) {
  test::TempDir dir;
  Catalogue saved;
  test::Add(saved, nullptr, {"c"});
  SaveTree(saved, dir / "tree.info");

  Catalogue c;
  Recorder r;
  c.AddObserver(&r);
  EXPECT_FALSE(LoadTree(c, dir / "missing.info"));
  EXPECT_TRUE(r.events.empty());
  ASSERT_TRUE(LoadTree(c, dir / "tree.info"));
  EXPECT_EQ(r.events, (Events{"begin reset", "end reset", "view"}));
}

}  // namespace
}  // namespace lrv
