#include "viewer/article_viewer.h"

#include <gtest/gtest.h>

#include "catalogue/selection.h"
#include "viewer/addresses.h"
#include "viewer_catalogue.h"

namespace lrv::viewer {
namespace {

using testing::AddArticle;
using testing::AddNode;
using testing::TempArchive;
using testing::Viewed;

// Two categories; "Same" appears twice as a title, "dup.html" twice in one
// subcategory and once in another.
class ArticleViewerTest : public ::testing::Test {
 protected:
  ArticleViewerTest() : archive_("viewer") {
    temp_.path = archive_.BaseDir() / "_temp_.html";
    temp_.title = text::Ansi("Найденная статья");
    CatalogueNode* cat = AddNode(catalogue_, nullptr, "Cat");
    sub1_ = AddNode(catalogue_, cat, "Sub1");
    sub2_ = AddNode(catalogue_, AddNode(catalogue_, nullptr, "Cat2"), "Sub2");
    first_ = AddArticle(catalogue_, sub1_, text::Ansi("Первая Статья"), "first.html", "1");
    dupA_ = AddArticle(catalogue_, sub1_, "Dup A", "dup.html", "2");
    dupB_ = AddArticle(catalogue_, sub1_, "Dup B", "dup.html", "3");
    same1_ = AddArticle(catalogue_, sub1_, "Same", "same1.html", "x");
    dupC_ = AddArticle(catalogue_, sub2_, "Dup C", "dup.html");
    same2_ = AddArticle(catalogue_, sub2_, " same ", "same2.html");
    nested_ = AddArticle(catalogue_, sub2_, "Nested", "folder\\nested.html");
    base_ = BaseDirAddress(archive_.GetDirs());
  }
  std::string At(std::string_view file) const { return base_ + std::string(file); }

  TempArchive archive_;
  TempPage temp_;
  Catalogue catalogue_;
  CatalogueNode *sub1_, *sub2_, *first_, *dupA_, *dupB_, *same1_, *dupC_, *same2_, *nested_;
  std::string base_;
  ArticleViewer viewer_{catalogue_, archive_.GetDirs(), &temp_};
};

TEST_F(ArticleViewerTest, PageTitleForAddress) {
  struct Case {
    std::string address;
    std::string title;
  };
  const Case cases[] = {
      {At("first.html"), text::Ansi("Первая Статья")},
      {"  " + text::Upper(At("FIRST.html")) + " ", text::Ansi("Первая Статья")},
      {At("dup.html"), "Dup A"},  // first in tree order
      {At("folder/nested.html"), "Nested"},
      {At("_all_articles_.html"), text::Ansi("Все статьи")},
      {At("_TEMP_.html"), text::Ansi("Найденная статья")},
      {At("unknown.html"), ""},
      {"about:blank", ""},
      {"", ""},
      {"http://site.org/_all_articles_.html", ""},
      {"www.site.org", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(viewer_.PageTitleForAddress(c.address), c.title) << c.address;
}

TEST_F(ArticleViewerTest, PageTitleOfAnEmptyCatalogueIsEmpty) {
  Catalogue empty;
  ArticleViewer viewer(empty, archive_.GetDirs(), &temp_);
  EXPECT_EQ(viewer.PageTitleForAddress(At("_all_articles_.html")), "");
}

TEST_F(ArticleViewerTest, CaptionsAndImagesOfAddresses) {
  struct Case {
    std::string address;
    std::string caption;
    int image;
  };
  const Case cases[] = {
      {"about:blank", "about:blank", kImageBlankPage},
      {"http://site.org/a.html", "http://site.org/a.html", kImageInternetPage},
      {"www.site.org", "www.site.org", kImageInternetPage},
      {"res://ieframe.dll/x", "res://ieframe.dll/x", kImageInternetPage},
      {At("first.html"), "Первая Статья", kImageFavourite},
      {At("dup.html"), "Dup A", kImageNew},
      {At("same1.html"), "Same", kImageNotRead},  // an unknown state text
      {At("_all_articles_.html"), "Все статьи", kImageNotRead},
      {At("gone.html"), At("gone.html"), kImageNotRead},
      {"ABOUT:BLANK", "ABOUT:BLANK", kImageNotRead},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(viewer_.AddressCaption(c.address), c.caption) << c.address;
    EXPECT_EQ(viewer_.AddressImage(c.address), c.image) << c.address;
  }
  catalogue_.SetValue(dupB_, ColState, " 3 ");
  EXPECT_EQ(viewer_.ArticleStateImage(" " + At("DUP.html")), kImageNew);
}

TEST_F(ArticleViewerTest, MarkViewedByFileName) {
  struct Case {
    std::string address;
    int marked;
    std::vector<const CatalogueNode*> viewed;
  };
  const Case cases[] = {
      // The first of sub1 and the one of sub2; never the second of sub1.
      {At("dup.html"), 2, {dupA_, dupC_}},
      {"C:\\base\\dup.html", 2, {dupA_, dupC_}},
      {At("DUP.html"), 0, {}},
      {At("folder/nested.html"), 0, {}},  // a sub-path is never marked
      {"http://site.org/dup.html", 0, {}},
      {At(""), 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.address);
    for (CatalogueNode* a : {first_, dupA_, dupB_, same1_, dupC_, same2_, nested_})
      catalogue_.SetValue(a, ColLook, "");
    EXPECT_EQ(viewer_.MarkViewedByFileName(c.address), c.marked);
    for (const CatalogueNode* a : {first_, dupA_, dupB_, same1_, dupC_, same2_, nested_}) {
      const bool expected = std::find(c.viewed.begin(), c.viewed.end(), a) != c.viewed.end();
      EXPECT_EQ(Viewed(a), expected) << a->Title();
    }
  }
}

TEST_F(ArticleViewerTest, SelectArticleByTitleMatchesTheWalk) {
  const std::string titles[] = {"Same", "  SAME ", "same", text::Ansi("  первая статья"), "Dup B", "", "   ",
                                "missing"};
  for (const std::string& title : titles) {
    SCOPED_TRACE(title);
    catalogue_.SelectOnly(nested_);
    CatalogueNode* walked = lrv::SelectArticleByTitle(catalogue_, title);
    const auto selectionByWalk = std::vector<CatalogueNode*>(catalogue_.Selection().begin(),
                                                             catalogue_.Selection().end());
    catalogue_.SelectOnly(nested_);
    EXPECT_EQ(viewer_.SelectArticleByTitle(title), walked);
    EXPECT_EQ(std::vector<CatalogueNode*>(catalogue_.Selection().begin(), catalogue_.Selection().end()),
              selectionByWalk);
    if (walked != nullptr) {
      EXPECT_EQ(catalogue_.Focused(), walked);
      EXPECT_TRUE(walked->Parent()->Expanded());
      EXPECT_TRUE(walked->Parent()->Parent()->Expanded());
    }
  }
}

TEST_F(ArticleViewerTest, NavigateCompleteOfAnArticle) {
  BrowserHistory& h = viewer_.History();
  h.BeforeNavigate(h.GoToAddress(At("first.html")));
  const NavigateCompleteSteps steps = viewer_.NavigateComplete(At("first.html"), true);
  EXPECT_EQ(steps.title.caption, "Lorvane 6 Pro - Первая Статья");
  EXPECT_TRUE(steps.syncLists);
  EXPECT_EQ(steps.selectedArticle, first_);
  EXPECT_EQ(catalogue_.Focused(), first_);
  EXPECT_TRUE(Viewed(first_));
  EXPECT_TRUE(steps.noteAllowed);
  ASSERT_TRUE(steps.noteFile.has_value());
  EXPECT_EQ(steps.noteFile->filename(), "first.txt");
  EXPECT_FALSE(steps.correction.has_value());
  EXPECT_EQ(h.LastCompletedAddress(), At("first.html"));
}

TEST_F(ArticleViewerTest, TheSecondOfTwoEqualTitlesSelectsTheFirst) {
  BrowserHistory& h = viewer_.History();
  h.BeforeNavigate(h.GoToAddress(At("same2.html")));
  const NavigateCompleteSteps steps = viewer_.NavigateComplete(At("same2.html"), true);
  EXPECT_EQ(steps.title.caption, "Lorvane 6 Pro -  same ");
  EXPECT_EQ(steps.selectedArticle, same1_);
  EXPECT_TRUE(Viewed(same1_));  // by its title
  EXPECT_TRUE(Viewed(same2_));  // by its file name
}

TEST_F(ArticleViewerTest, WindowTitles) {
  struct Case {
    std::string address;
    std::string caption;
    bool sync;
  };
  temp_.title.clear();
  const Case cases[] = {
      {"about:blank", "Lorvane 6 Pro", false},
      {At("_all_articles_.html"), "Lorvane 6 Pro - Все статьи", true},
      {PathToAnsi(temp_.path), "Lorvane 6 Pro - ", true},  // even with an empty title
      {"http://site.org/", "Lorvane 6 Pro", false},
      {At("unknown.html"), "Lorvane 6 Pro", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.address);
    catalogue_.SelectOnly(nested_);
    BrowserHistory& h = viewer_.History();
    h.BeforeNavigate(h.GoToAddress(c.address));
    const NavigateCompleteSteps steps = viewer_.NavigateComplete(c.address, true);
    EXPECT_EQ(steps.title.caption, c.caption);
    EXPECT_EQ(steps.syncLists, c.sync);
    if (!c.sync) {
      EXPECT_EQ(catalogue_.SelectedNode(0), nested_);  // untouched
    }
    EXPECT_FALSE(steps.correction.has_value());
  }
}

TEST_F(ArticleViewerTest, AHiddenLeftPanelKeepsTheSelection) {
  catalogue_.SelectOnly(nested_);
  BrowserHistory& h = viewer_.History();
  h.BeforeNavigate(h.GoToAddress(At("dup.html")));
  const NavigateCompleteSteps steps = viewer_.NavigateComplete(At("dup.html"), false);
  EXPECT_EQ(steps.title.caption, "Lorvane 6 Pro - Dup A");
  EXPECT_FALSE(steps.syncLists);
  EXPECT_EQ(catalogue_.SelectedNode(0), nested_);
  EXPECT_TRUE(Viewed(dupA_));
  EXPECT_TRUE(Viewed(dupC_));
}

TEST_F(ArticleViewerTest, InternetPagesHaveNoNote) {
  BrowserHistory& h = viewer_.History();
  h.BeforeNavigate(h.GoToAddress("http://site.org/first.html"));
  const NavigateCompleteSteps steps = viewer_.NavigateComplete("http://site.org/first.html", true);
  EXPECT_FALSE(steps.noteAllowed);
  EXPECT_FALSE(steps.noteFile.has_value());
  EXPECT_FALSE(Viewed(first_));
}

TEST_F(ArticleViewerTest, HistoryMenus) {
  BrowserHistory& h = viewer_.History();
  const std::vector<std::string> visits = {"about:blank", At("first.html"), "  ", "http://site.org/"};
  for (int i = 0; i < 20; ++i) h.BeforeNavigate(At("page" + std::to_string(i) + ".html"));
  for (const std::string& v : visits) h.BeforeNavigate(v);
  h.BeforeNavigate(At("last.html"));

  const std::vector<HistoryMenuItem> back = viewer_.BackMenuItems();
  ASSERT_EQ(back.size(), 15u);
  EXPECT_EQ(back[0].hint, "http://site.org/");
  EXPECT_EQ(back[0].image, kImageInternetPage);
  EXPECT_EQ(back[1].caption, "Первая Статья");  // the blank entry is skipped
  EXPECT_EQ(back[1].image, kImageFavourite);
  EXPECT_EQ(back[2].caption, "about:blank");
  EXPECT_EQ(back[2].image, kImageBlankPage);
  EXPECT_EQ(back[3].hint, At("page19.html"));
  EXPECT_EQ(back[14].hint, At("page8.html"));
  EXPECT_TRUE(viewer_.ForwardMenuItems().empty());

  h.BeforeNavigate(At("page2.html"));
  const std::vector<HistoryMenuItem> forward = viewer_.ForwardMenuItems();
  ASSERT_EQ(forward.size(), 15u);
  EXPECT_EQ(forward[0].hint, At("page3.html"));
  EXPECT_EQ(viewer_.BackMenuItems().size(), 2u);
}

TEST_F(ArticleViewerTest, TheIndexFollowsTheCatalogue) {
  EXPECT_EQ(viewer_.PageTitleForAddress(At("first.html")), text::Ansi("Первая Статья"));
  EXPECT_FALSE(viewer_.Index().Stale());
  viewer_.MarkViewedByFileName(At("dup.html"));
  catalogue_.SetExpanded(sub1_, true);
  EXPECT_FALSE(viewer_.Index().Stale()) << "viewed flags and expanding change no key";

  catalogue_.SetValue(first_, ColFileName, "renamed.html");
  EXPECT_EQ(viewer_.PageTitleForAddress(At("first.html")), "");
  EXPECT_EQ(viewer_.PageTitleForAddress(At("renamed.html")), text::Ansi("Первая Статья"));

  CatalogueNode* added = AddArticle(catalogue_, sub1_, "Added", "added.html");
  EXPECT_EQ(viewer_.PageTitleForAddress(At("added.html")), "Added");
  catalogue_.MoveNode(dupA_, sub2_);  // now after dupC_ in tree order
  EXPECT_EQ(viewer_.PageTitleForAddress(At("dup.html")), "Dup B");
  catalogue_.DeleteNode(added);
  EXPECT_EQ(viewer_.PageTitleForAddress(At("added.html")), "");
}

}  // namespace
}  // namespace lrv::viewer
