// Outline lists: every line ends up exactly once as a node or in one of
// the three problem lists, and the catalogue built keeps its invariants.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/text.h"
#include "catalogue/catalogue_json.h"
#include "catalogue/catalogue_rules.h"
#include "catalogue/outline_import.h"

namespace {
void Check(bool condition) {
  if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = lrv::text::SplitLines(bytes);
  lrv::Catalogue catalogue;
  // Files "exist" by a rule of their name, so both outcomes occur.
  const lrv::OutlineImportResult result = lrv::ImportOutlineLines(
      catalogue, lines, [](const std::string& name) { return name.size() % 3 != 0; });

  std::size_t nodes = 0;
  lrv::ForEachNodeOfThreeLevels(catalogue, [&nodes](const lrv::CatalogueNode* node) {
    ++nodes;
    Check(!lrv::HasForbiddenTitleChar(node->Title()));
    if (node->IsArticle()) {
      Check(node->ValueCount() == 3 && !node->Value(lrv::ColFileName).empty() && node->ChildCount() == 0);
    } else {
      Check(node->ValueCount() == 2 && node->Value(lrv::ColCount) == lrv::text::IntToStr(node->ChildCount()));
    }
  });
  Check(nodes + result.noName.size() + result.missing.size() + result.unplaced.size() == lines.size());
  Check(result.imported);
  Check(result.problems == (nodes != lines.size()));
  lrv::OutlineImportJson(catalogue, result);
  return 0;
}
