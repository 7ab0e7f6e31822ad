#pragma once
// Look-ups of articles by page address, by title and by file name, so that
// every completed navigation costs a few hash look-ups instead of walks over
// the whole catalogue. Each key maps to what the walk in tree order would
// find first; rebuilding repeats that walk once.

#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalogue/catalogue.h"

namespace lrv::viewer {

class ArticleIndex {
 public:
  // Walks the articles (levels 0 to 2 only) in tree order; `baseDir` is
  // BaseDirAddress, joined with each article's stored file name.
  void Rebuild(const Catalogue& catalogue, std::string_view baseDir);

  // The first article whose BaseDir + file name equals the address, both
  // trimmed and lower-cased; nullptr for none.
  CatalogueNode* ByAddress(std::string_view address) const;
  // The first article whose title equals `title`, both trimmed and
  // lower-cased; nullptr for a blank title or none.
  CatalogueNode* ByTitle(std::string_view title) const;
  // For a file name compared exactly (untrimmed, case-sensitive): in each
  // subcategory the first article carrying it, in tree order.
  std::span<CatalogueNode* const> FirstInEachSubcategory(std::string_view fileName) const;

  std::size_t ArticleCount() const { return articleCount_; }

 private:
  std::unordered_map<std::string, CatalogueNode*> byAddress_;
  std::unordered_map<std::string, CatalogueNode*> byTitle_;
  std::unordered_map<std::string, std::vector<CatalogueNode*>> byFileName_;
  std::size_t articleCount_ = 0;
};

// An ArticleIndex that follows its catalogue: any change that can alter a
// key or the tree order marks it stale, and the next look-up rebuilds it.
// Marking an article viewed or expanding a node keeps it valid, so the
// navigate-complete sequence does not rebuild it every time.
class LiveArticleIndex : private CatalogueObserver {
 public:
  LiveArticleIndex(Catalogue& catalogue, std::string baseDir);
  ~LiveArticleIndex() override;
  LiveArticleIndex(const LiveArticleIndex&) = delete;
  LiveArticleIndex& operator=(const LiveArticleIndex&) = delete;

  // The index, rebuilt first when the catalogue changed since.
  const ArticleIndex& Get();
  bool Stale() const { return stale_; }
  void Invalidate() { stale_ = true; }
  const std::string& BaseDir() const { return baseDir_; }

 private:
  struct Keys {
    std::string title;
    std::string fileName;
  };

  void OnEndReset() override { stale_ = true; }
  void OnEndInsertNodes() override { stale_ = true; }
  void OnEndRemoveNodes() override { stale_ = true; }
  void OnEndLayoutChange() override { stale_ = true; }
  void OnAllNodesChanged() override { stale_ = true; }
  void OnNodeChanged(const CatalogueNode* node) override;

  Catalogue& catalogue_;
  std::string baseDir_;
  ArticleIndex index_;
  // The key texts each indexed article had at the last rebuild.
  std::unordered_map<const CatalogueNode*, Keys> keysAtBuild_;
  bool stale_ = true;
};

}  // namespace lrv::viewer
