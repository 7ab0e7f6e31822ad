#pragma once
// The design layout of the menus and the navigation toolbar, as data. A
// name stands for a command ("acTreeLoad"); "|" is a separator; a submenu
// is written as a nested entry. Commands that do not exist (yet) are left
// out, and so are separators that would then stand doubled or at an edge,
// and submenus left empty: each subsystem just adds its commands to the
// command list and they appear in their places.

#include <QList>
#include <QString>
#include <vector>

class QMenu;
class QMenuBar;
class QToolBar;

namespace lrv {

class CommandList;

struct MenuItemSpec {
  const char* name = nullptr;             // command name, "|" or nullptr for a submenu
  QString caption;                        // submenu caption
  const char* objectName = nullptr;       // submenu object name ("miInterface")
  std::vector<MenuItemSpec> children;     // submenu items
};

struct MenuSpec {
  QString caption;
  const char* objectName;
  std::vector<MenuItemSpec> items;
};

// The main menu bar: "&Сервис", "&Правка", "По&иск", "&Вид", "&Браузер", "Спр&авка".
const std::vector<MenuSpec>& MainMenuLayout();
// The "Навигация" toolbar.
const std::vector<MenuItemSpec>& NavigationToolbarLayout();
// The tree's context menu pmTreeList.
const std::vector<MenuItemSpec>& TreeContextMenuLayout();

// Fills a menu from the layout; returns whether anything was added.
bool FillMenu(QMenu* menu, const std::vector<MenuItemSpec>& items, CommandList& commands);
void FillToolBar(QToolBar* bar, const std::vector<MenuItemSpec>& items, CommandList& commands);

}  // namespace lrv
