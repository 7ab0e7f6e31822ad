#pragma once
// Renaming a node of the catalogue: by the F2 input box and by the title
// box edCaption of the edit menu and the tree's context menu. Both act on
// the one selected node and change nothing but its title.
//
// The level whose uniqueness rule applies (the menu's RenameLevel) is
// always taken from the node being renamed at that moment, so a level left
// over from an earlier opening of the menu can never test a new title
// against the wrong level.

#include <string>
#include <string_view>

#include "catalogue/catalogue.h"
#include "catalogue/journal.h"
#include "platform/prompter.h"

namespace lrv {

// The input box of F2 (UTF-8).
inline constexpr std::string_view kRenameCaption = "Изменить заголовок";
// "Заголовок категории", "Заголовок подкатегории", "Заголовок статьи" for
// levels 0, 1, 2; empty for any other level.
std::string_view RenamePrompt(int level);

enum class RenameOutcome {
  NotApplicable,  // not exactly one node selected: nothing happened
  Cancelled,      // the input box was cancelled
  Unchanged,      // blank entry or the identical title: nothing changed
  Refused,        // forbidden character or a title that exists
  Renamed,        // title set, tree re-sorted, journal entry recorded
};

// F2 on tlMain: the input box with the node's title; forbidden characters
// (warning 35) and an existing title of the node's level (information 32,
// 33 or 34) are reported. A title that differs from the old one only in
// letter case is taken without the uniqueness test.
RenameOutcome RenameByInputBox(Catalogue& catalogue, UndoJournal& journal, Prompter& prompter);

// Enter in edCaption. `boxText` (UTF-8) is trimmed in place: the window
// puts it back into the box. Every refusal is silent.
RenameOutcome RenameByTitleBox(Catalogue& catalogue, UndoJournal& journal, std::string& boxText);

// Sets the node's title, re-sorts and records "Изменение заголовка". No
// checks: the two paths above make them.
void ApplyRename(Catalogue& catalogue, UndoJournal& journal, CatalogueNode* node, std::string_view newTitle);

}  // namespace lrv
