#include "viewer/article_index.h"

#include "base/text.h"
#include "catalogue/catalogue_rules.h"
#include "viewer/addresses.h"

namespace lrv::viewer {

void ArticleIndex::Rebuild(const Catalogue& catalogue, std::string_view baseDir) {
  byAddress_.clear();
  byTitle_.clear();
  byFileName_.clear();
  articleCount_ = 0;
  for (CatalogueNode* category : catalogue.Roots()) {
    for (CatalogueNode* sub : category->Children()) {
      for (CatalogueNode* article : sub->Children()) {
        ++articleCount_;
        // try_emplace keeps the first article of a key: tree order wins.
        byAddress_.try_emplace(AddressKey(ArticleAddress(baseDir, article->Value(ColFileName))), article);
        const std::string_view title = text::Trim(article->Title());
        if (!title.empty()) byTitle_.try_emplace(text::Lower(title), article);
        auto& inFile = byFileName_[article->Value(ColFileName)];
        if (inFile.empty() || inFile.back()->Parent() != sub) inFile.push_back(article);
      }
    }
  }
}

CatalogueNode* ArticleIndex::ByAddress(std::string_view address) const {
  const auto it = byAddress_.find(AddressKey(address));
  return it == byAddress_.end() ? nullptr : it->second;
}

CatalogueNode* ArticleIndex::ByTitle(std::string_view title) const {
  const std::string_view trimmed = text::Trim(title);
  if (trimmed.empty()) return nullptr;
  const auto it = byTitle_.find(text::Lower(trimmed));
  return it == byTitle_.end() ? nullptr : it->second;
}

std::span<CatalogueNode* const> ArticleIndex::FirstInEachSubcategory(std::string_view fileName) const {
  const auto it = byFileName_.find(std::string(fileName));
  if (it == byFileName_.end()) return {};
  return it->second;
}

LiveArticleIndex::LiveArticleIndex(Catalogue& catalogue, std::string baseDir)
    : catalogue_(catalogue), baseDir_(std::move(baseDir)) {
  catalogue_.AddObserver(this);
}

LiveArticleIndex::~LiveArticleIndex() { catalogue_.RemoveObserver(this); }

const ArticleIndex& LiveArticleIndex::Get() {
  if (stale_) {
    index_.Rebuild(catalogue_, baseDir_);
    keysAtBuild_.clear();
    keysAtBuild_.reserve(index_.ArticleCount());
    ForEachArticle(catalogue_, [&](const CatalogueNode* article) {
      keysAtBuild_.emplace(article, Keys{article->Title(), article->Value(ColFileName)});
    });
    stale_ = false;
  }
  return index_;
}

void LiveArticleIndex::OnNodeChanged(const CatalogueNode* node) {
  if (stale_ || node == nullptr) return;
  if (!node->IsArticle()) return;  // a category or subcategory title is no key
  const auto it = keysAtBuild_.find(node);
  if (it == keysAtBuild_.end() || it->second.title != node->Title() ||
      it->second.fileName != node->Value(ColFileName))
    stale_ = true;
}

}  // namespace lrv::viewer
