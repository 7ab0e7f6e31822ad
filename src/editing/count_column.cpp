#include "editing/count_column.h"

#include <algorithm>
#include <limits>

#include "base/text.h"

namespace lrv {

std::int64_t CountOf(const CatalogueNode& node, std::int64_t whenNotNumber) {
  const auto value = text::StrToInt(node.Value(ColCount));
  return value ? static_cast<std::int64_t>(*value) : whenNotNumber;
}

void SetCount(Catalogue& catalogue, CatalogueNode* node, std::int64_t count) {
  if (node == nullptr) return;
  const std::int64_t clamped = std::clamp<std::int64_t>(count, std::numeric_limits<std::int32_t>::min(),
                                                        std::numeric_limits<std::int32_t>::max());
  catalogue.SetValue(node, ColCount, text::IntToStr(clamped));
}

void ChangeCount(Catalogue& catalogue, CatalogueNode* node, std::int64_t delta, std::int64_t whenNotNumber) {
  if (node == nullptr) return;
  // Both operands fit in 33 bits at most when callers pass node counts; the
  // clamp below keeps a huge delta harmless too.
  const std::int64_t base = std::clamp<std::int64_t>(CountOf(*node, whenNotNumber), -(std::int64_t{1} << 40),
                                                     std::int64_t{1} << 40);
  const std::int64_t step = std::clamp<std::int64_t>(delta, -(std::int64_t{1} << 40), std::int64_t{1} << 40);
  SetCount(catalogue, node, base + step);
}

void SetCountToChildren(Catalogue& catalogue, CatalogueNode* node) {
  if (node == nullptr) return;
  SetCount(catalogue, node, node->ChildCount());
}

}  // namespace lrv
