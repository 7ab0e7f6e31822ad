#pragma once
// The catalogue-editing commands of the main window: adding categories
// and articles, article properties, renaming (F2 and the title box
// edCaption), deleting, marking, moving (dialog and drag and drop), undo
// and redo with their history menus. The core in src/editing makes every
// check, message and change; these commands open the windows and call it.

class QMenu;

namespace lrv {

class TfmLrvMain;

// Adds the commands to window.commands() and connects the tree's signals
// and the window's hooks (RenameSelectedNode, AddArticleFromDrop). Runs
// from the window's constructor, before the menus are filled.
void InstallEditingCommands(TfmLrvMain& window);

// The parts of it, one per file.
void InstallUndoCommands(TfmLrvMain& window);         // undo_commands.cpp
void InstallTitleCommands(TfmLrvMain& window);        // title_commands.cpp: F2, edCaption
void InstallArticleCommands(TfmLrvMain& window);      // article_commands.cpp
void InstallMoveCommands(TfmLrvMain& window);         // move_commands.cpp: acMove, drag and drop, acFindSubCat
void InstallMarkCommands(TfmLrvMain& window);         // mark_commands.cpp: the four marks, their submenu

// Shows "&Отметить статью как" (the submenu of `menu` named `submenuName`)
// for the list on the active page, with its caption, entries and pressed
// entry; the result list's context menu calls it too.
void PrepareMarkSubmenu(TfmLrvMain& window, QMenu* menu, const char* submenuName);

}  // namespace lrv
