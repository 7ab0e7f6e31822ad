#include "editing/catalogue_clone.h"

#include <unordered_map>
#include <utility>
#include <vector>

namespace lrv {

Catalogue CloneCatalogue(const Catalogue& source) {
  Catalogue copy;
  copy.SetSortMarks(source.GetSortMarks());
  std::unordered_map<const CatalogueNode*, CatalogueNode*> copyOf;
  // (original, parent of its copy); children pushed in reverse so they are
  // appended in their order.
  std::vector<std::pair<const CatalogueNode*, CatalogueNode*>> pending;
  for (auto it = source.Roots().rbegin(); it != source.Roots().rend(); ++it) pending.emplace_back(*it, nullptr);
  while (!pending.empty()) {
    const auto [node, parent] = pending.back();
    pending.pop_back();
    CatalogueNode* twin = copy.AddChild(parent);
    copy.SetValues(twin, node->Values());
    copy.SetImageIndex(twin, node->ImageIndex());
    copy.SetSelectedIndex(twin, node->SelectedIndex());
    copy.SetStateIndex(twin, node->StateIndex());
    copy.SetData(twin, node->Data());
    copy.SetExpanded(twin, node->Expanded());
    copyOf.emplace(node, twin);
    const auto children = node->Children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) pending.emplace_back(*it, twin);
  }
  for (const CatalogueNode* selected : source.Selection()) copy.Select(copyOf.at(selected));
  if (const CatalogueNode* focused = source.Focused()) copy.SetFocused(copyOf.at(focused));
  return copy;
}

}  // namespace lrv
