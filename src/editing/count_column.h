#pragma once
// The count column (ColCount) of categories and subcategories as the
// editing commands raise and lower it. The text comes from a tree file and
// may be anything; arithmetic is done in 64 bits and the result is written
// back clamped to the 32-bit range that StrToInt reads, so no damaged count
// can overflow or turn into text that is no longer a number.

#include <cstdint>

#include "catalogue/catalogue.h"

namespace lrv {

// The node's count text read as an integer, or `whenNotNumber`.
std::int64_t CountOf(const CatalogueNode& node, std::int64_t whenNotNumber);
// Writes the count as decimal text, clamped to the 32-bit range.
void SetCount(Catalogue& catalogue, CatalogueNode* node, std::int64_t count);
// CountOf(node, whenNotNumber) + delta, written back clamped.
void ChangeCount(Catalogue& catalogue, CatalogueNode* node, std::int64_t delta, std::int64_t whenNotNumber);
// The count set to the node's number of children.
void SetCountToChildren(Catalogue& catalogue, CatalogueNode* node);

}  // namespace lrv
