#include "editing/mark_menu.h"

#include "base/text.h"

namespace lrv {
namespace {

constexpr std::array<const char*, 4> kOneEntry = {"&избранную", "&новую", "&прочитанную", "н&епрочитанную"};
constexpr std::array<const char*, 4> kManyEntries = {"&избранные", "&новые", "&прочитанные", "н&епрочитанные"};

int EntryOfState(const std::string& state) {
  if (state == "1") return 0;
  if (state == "2") return 1;
  if (state == "3") return 2;
  return 3;
}

MarkMenuLook Look(const std::vector<std::string>& states) {
  MarkMenuLook look;
  look.visible = true;
  const bool one = states.size() == 1;
  look.caption = one ? std::string("&Отметить статью как")
                     : "&Отметить статьи [" + std::to_string(states.size()) + "] как";
  for (std::size_t i = 0; i < look.entries.size(); ++i) look.entries[i] = one ? kOneEntry[i] : kManyEntries[i];
  if (SameStateSelected(states)) look.pressed = EntryOfState(states.front());
  return look;
}

}  // namespace

bool SameStateSelected(std::span<const std::string> selectedStates) {
  if (selectedStates.empty()) return false;
  for (const std::string& state : selectedStates)
    if (state != selectedStates.front()) return false;
  return true;
}

MarkMenuLook TreeMarkMenu(const Catalogue& catalogue, bool leftPanelOpen) {
  const CatalogueNode* first = catalogue.SelectedNode(0);
  if (first == nullptr || catalogue.Empty() || !leftPanelOpen || !first->IsArticle()) return {};
  std::vector<std::string> states;
  for (const CatalogueNode* node : catalogue.Selection()) states.push_back(node->Value(ColState));
  return Look(states);
}

MarkMenuLook ResultMarkMenu(const ResultList& results, std::span<const int> selectedRows, bool leftPanelOpen) {
  if (selectedRows.empty() || results.rows.empty() || !leftPanelOpen) return {};
  std::vector<std::string> states;
  for (int row : selectedRows)
    if (row >= 0 && static_cast<std::size_t>(row) < results.rows.size())
      states.push_back(results.rows[static_cast<std::size_t>(row)].Value(ColState));
  if (states.empty()) return {};
  return Look(states);
}

}  // namespace lrv
