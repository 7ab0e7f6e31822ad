#include "viewer/article_index.h"

#include <gtest/gtest.h>

#include <string>

#include "base/text.h"
#include "viewer_catalogue.h"

namespace lrv::viewer {
namespace {

using testing::AddArticle;
using testing::AddNode;

// 100 categories x 10 subcategories x 100 articles. Article n (in tree
// order) has title "Title <n mod 50000>" with varying case and spaces, so
// each title occurs twice and the first holder is n < 50000; its file is
// "f<n>.html", except that every article n >= 99000 repeats the file of
// n - 99000 in upper case, whose first holder is that earlier article.
TEST(ArticleIndexTest, HundredThousandArticlesFirstInTreeOrderWins) {
  constexpr int kCategories = 100, kSubs = 10, kArticles = 100, kTotal = kCategories * kSubs * kArticles;
  Catalogue catalogue;
  std::vector<CatalogueNode*> articles;
  articles.reserve(kTotal);
  {
    CatalogueBatch batch(catalogue);
    for (int c = 0; c < kCategories; ++c) {
      CatalogueNode* cat = AddNode(catalogue, nullptr, "C" + std::to_string(c));
      for (int s = 0; s < kSubs; ++s) {
        CatalogueNode* sub = AddNode(catalogue, cat, "S" + std::to_string(s));
        for (int a = 0; a < kArticles; ++a) {
          const int n = static_cast<int>(articles.size());
          const std::string title =
              n < kTotal / 2 ? "Title " + std::to_string(n) : "  TITLE " + std::to_string(n - kTotal / 2) + " ";
          const std::string file = n >= 99000 ? "F" + std::to_string(n - 99000) + ".HTML" : "f" + std::to_string(n) + ".html";
          articles.push_back(AddArticle(catalogue, sub, title, file));
        }
      }
    }
  }
  ArticleIndex index;
  index.Rebuild(catalogue, "/Arch/Base/");
  ASSERT_EQ(index.ArticleCount(), static_cast<std::size_t>(kTotal));
  for (int n = 0; n < kTotal; ++n) {
    const int titleOwner = n % (kTotal / 2);
    ASSERT_EQ(index.ByTitle(" title " + std::to_string(titleOwner)), articles[titleOwner]) << n;
    const int fileOwner = n >= 99000 ? n - 99000 : n;
    // Its own file, in another letter case: the earlier holder wins.
    ASSERT_EQ(index.ByAddress(" /arch/base/F" + std::to_string(fileOwner) + ".html"), articles[fileOwner]) << n;
  }
  EXPECT_EQ(index.ByAddress("/arch/base/f100000.html"), nullptr);
  EXPECT_EQ(index.ByTitle("Title 50000"), nullptr);
  EXPECT_EQ(index.ByTitle("  "), nullptr);
  // Exact file names: "f5.html" once, "F5.HTML" once (in another subcategory).
  EXPECT_EQ(index.FirstInEachSubcategory("f5.html").size(), 1u);
  EXPECT_EQ(index.FirstInEachSubcategory("F5.HTML").size(), 1u);
}

TEST(ArticleIndexTest, OneArticlePerSubcategoryByExactFileName) {
  Catalogue catalogue;
  CatalogueNode* cat = AddNode(catalogue, nullptr, "C");
  CatalogueNode* s1 = AddNode(catalogue, cat, "S1");
  CatalogueNode* s2 = AddNode(catalogue, cat, "S2");
  CatalogueNode* a = AddArticle(catalogue, s1, "A", "x.html");
  AddArticle(catalogue, s1, "B", "x.html");
  CatalogueNode* c = AddArticle(catalogue, s2, "C", "x.html");
  AddArticle(catalogue, s2, "D", " x.html");
  ArticleIndex index;
  index.Rebuild(catalogue, "/b/");
  const auto found = index.FirstInEachSubcategory("x.html");
  EXPECT_EQ(std::vector<CatalogueNode*>(found.begin(), found.end()), (std::vector<CatalogueNode*>{a, c}));
  EXPECT_TRUE(index.FirstInEachSubcategory("X.html").empty());
}

}  // namespace
}  // namespace lrv::viewer
