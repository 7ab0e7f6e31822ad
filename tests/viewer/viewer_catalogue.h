#pragma once
// A small catalogue and archive folder for the viewer's tests.

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "base/paths.h"
#include "base/text.h"
#include "catalogue/catalogue.h"

namespace lrv::viewer::testing {

inline CatalogueNode* AddNode(Catalogue& c, CatalogueNode* parent, std::string_view title) {
  CatalogueNode* node = c.AddChild(parent);
  c.SetValue(node, ColTitle, title);
  return node;
}

inline CatalogueNode* AddArticle(Catalogue& c, CatalogueNode* sub, std::string_view title,
                                 std::string_view file, std::string_view state = "") {
  CatalogueNode* node = c.AddChild(sub);
  c.SetValues(node, {std::string(title), "", std::string(file), std::string(state), ""});
  return node;
}

inline bool Viewed(const CatalogueNode* article) { return article->Value(ColLook) == kLookedYes; }

// An empty archive folder of its own for each test.
class TempArchive {
 public:
  explicit TempArchive(std::string_view name) {
    baseDir_ = std::filesystem::temp_directory_path() / ("lrv_viewer_" + std::string(name)) / "base";
    std::filesystem::remove_all(baseDir_.parent_path());
    std::filesystem::create_directories(baseDir_);
  }
  ~TempArchive() {
    std::error_code ignored;
    std::filesystem::remove_all(baseDir_.parent_path(), ignored);
  }
  Dirs GetDirs() const { return Dirs::ForBaseDir(baseDir_); }
  void Touch(std::string_view name) const { std::ofstream(baseDir_ / std::string(name)) << "<html></html>"; }
  const std::filesystem::path& BaseDir() const { return baseDir_; }

 private:
  std::filesystem::path baseDir_;
};

}  // namespace lrv::viewer::testing
