#pragma once
// The submenu "&Отметить статью как" of the tree's context menu, the edit
// menu and the result list's context menu: whether it shows, its caption
// with the number of selected rows, its entries' captions and which entry
// is pressed. Each menu works it out as it opens.

#include <array>
#include <span>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/result_list.h"

namespace lrv {

struct MarkMenuLook {
  bool visible = false;
  std::string caption;                // UTF-8
  std::array<std::string, 4> entries; // the four mark commands in their order (UTF-8)
  int pressed = -1;                   // the entry of the common state, -1 for none
};

// Whether every selected row has the state of the first one; false for no
// selection.
bool SameStateSelected(std::span<const std::string> selectedStates);

// The list in question is the tree when its page is shown, else the result
// list; `leftPanelOpen` is the panel wider than 18 px.
MarkMenuLook TreeMarkMenu(const Catalogue& catalogue, bool leftPanelOpen);
MarkMenuLook ResultMarkMenu(const ResultList& results, std::span<const int> selectedRows, bool leftPanelOpen);

}  // namespace lrv
