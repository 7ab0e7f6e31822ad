#include "viewer/open_article.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_prompter.h"
#include "viewer/addresses.h"
#include "viewer_catalogue.h"

namespace lrv::viewer {
namespace {

using testing::AddArticle;
using testing::AddNode;
using testing::TempArchive;

class OpenArticleTest : public ::testing::Test {
 protected:
  OpenArticleTest() : archive_("open") {
    sub_ = AddNode(catalogue_, AddNode(catalogue_, nullptr, "Cat"), "Sub");
    present_ = AddArticle(catalogue_, sub_, "Present", "present.html");
    missing_ = AddArticle(catalogue_, sub_, "Missing", "sub\\missing.html");
    archive_.Touch("present.html");
  }
  TempArchive archive_;
  Catalogue catalogue_;
  CatalogueNode *sub_, *present_, *missing_;
  ArticleViewer viewer_{catalogue_, archive_.GetDirs()};
  FakePrompter prompter_;
};

TEST_F(OpenArticleTest, AnExistingFileIsNavigatedTo) {
  catalogue_.SelectOnly(present_);
  const std::string expected = BaseDirAddress(archive_.GetDirs()) + "present.html";
  EXPECT_EQ(tlMainDblClick(viewer_, prompter_), std::optional<std::string>(expected));
  EXPECT_EQ(viewer_.History().BoxText(), expected);
  EXPECT_TRUE(viewer_.History().OwnNavigation());
  EXPECT_TRUE(prompter_.messages.empty());
  // The address navigated to is the one the rules recognise.
  EXPECT_EQ(viewer_.PageTitleForAddress(expected), "Present");
}

TEST_F(OpenArticleTest, AMissingFileIsReportedWithBothPaths) {
  catalogue_.SelectOnly(missing_);
  EXPECT_EQ(tlMainDblClick(viewer_, prompter_), std::nullopt);
  ASSERT_EQ(prompter_.messages.size(), 1u);
  const Message& m = prompter_.messages[0];
  EXPECT_EQ(m.kind, MessageKind::Warning);
  EXPECT_EQ(m.buttons, MessageButtons::OkHelp);
  EXPECT_EQ(m.helpContext, 31);
  const std::string base = BaseDirAddress(archive_.GetDirs());
  EXPECT_EQ(m.text, "Файл \"" + base + "sub\\missing.html\" не существует!\n\r\n\rВНИМАНИЕ!\n\r\n\r"
                    "Загрузить все архивы статей можно с web-сайта этого проекта:\n\r" + ProjectSiteRoot() +
                    "\n\r\n\rЕсли не хватает только этой работы, и Вы уверены, что она была добавлена не Вами, "
                    "а входила в стандартную поставку, тогда её можно загрузить по адресу:\n\r\"" +
                    ProjectSiteRoot() + "/base/sub\\missing.html\"");
  EXPECT_TRUE(viewer_.History().BoxText().empty());
  EXPECT_FALSE(viewer_.History().OwnNavigation());
}

TEST_F(OpenArticleTest, RussianFileNamesReachTheMessageAsUtf8) {
  const std::string text = MissingArticleFileText("/a/", text::Ansi("статья.html"));
  EXPECT_NE(text.find("\"/a/статья.html\""), std::string::npos);
  EXPECT_NE(text.find("/base/статья.html\""), std::string::npos);
}

TEST_F(OpenArticleTest, OnlyASingleSelectedArticleOpens) {
  struct Case {
    const char* name;
    std::vector<CatalogueNode*> selection;
  };
  const Case cases[] = {
      {"nothing selected", {}},
      {"two articles", {present_, missing_}},
      {"a subcategory", {sub_}},
      {"a category", {sub_->Parent()}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    catalogue_.ClearSelection();
    for (CatalogueNode* n : c.selection) catalogue_.Select(n);
    EXPECT_EQ(tlMainDblClick(viewer_, prompter_), std::nullopt);
    EXPECT_TRUE(prompter_.messages.empty());
  }
}

}  // namespace
}  // namespace lrv::viewer
