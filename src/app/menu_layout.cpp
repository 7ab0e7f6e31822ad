#include "app/menu_layout.h"

#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include "app/command_list.h"

namespace lrv {
namespace {

MenuItemSpec Cmd(const char* name) { return {name, {}, nullptr, {}}; }
MenuItemSpec Sep() { return {"|", {}, nullptr, {}}; }
MenuItemSpec Sub(QString caption, const char* objectName, std::vector<MenuItemSpec> items) {
  return {nullptr, std::move(caption), objectName, std::move(items)};
}

std::vector<MenuItemSpec> ShowArticlesItems() {
  return {Cmd("acShowFavorite"), Cmd("acShowNew"), Cmd("acShowReaded"), Cmd("acShowNonReaded"), Sep(),
          Cmd("acArticlesWithNote"), Cmd("acArticlesWithoutNote"), Sep(), Cmd("acArticlesLooked"),
          Cmd("acArticlesNotLooked")};
}

std::vector<MenuItemSpec> MarkItems() {
  return {Cmd("acCheckFavorite"), Cmd("acCheckNew"), Cmd("acCheckReaded"), Cmd("acCheckNonReaded")};
}

std::vector<MenuItemSpec> NoteItems() {
  return {Cmd("acNoteAdd"), Cmd("acNoteDelete"), Sep(), Cmd("acNoteSave"), Cmd("acNoteLoad")};
}

}  // namespace

const std::vector<MenuSpec>& MainMenuLayout() {
  static const std::vector<MenuSpec> layout = {
      {QStringLiteral("&Сервис"), "miService",
       {Cmd("acGetNews"), Cmd("acGetNewArticles"), Sep(), Cmd("acTreeClear"), Cmd("acDelAllNotes"),
        Cmd("acTreeLoad"), Cmd("acTreeSave"), Sep(), Cmd("acTreeStat"), Sep(), Cmd("acAppInIE"), Sep(),
        Cmd("acAppExit")}},
      {QStringLiteral("&Правка"), "miEdit",
       {Cmd("acTreeUndo"), Cmd("acTreeRedo"), Sep(), Cmd("acAddCategory"), Cmd("acAddArticle"), Cmd("acMove"),
        Cmd("acDelArticleOrCat"), Sep(), Cmd("edCaption"), Sep(),
        Sub(QStringLiteral("&Отметить статью как"), "miMarkArticle", MarkItems()), Sep(),
        Cmd("acArticlesProperties"), Sub(QStringLiteral("Примечание"), "dxNote", NoteItems())}},
      {QStringLiteral("По&иск"), "miSelect",
       {Cmd("acAllArticlesList"), Sep(), Sub(QStringLiteral("Выбор по &категории"), "miChooseCat", {}),
        Sub(QStringLiteral("Выбор по подкатегор&ии"), "miChooseSubCat", {}), Cmd("acFindSubCat"), Sep(),
        Sub(QStringLiteral("&Авторы"), "miAuthors",
            {Cmd("acAuthors"), Cmd("acAuthorsRating"), Sep(), Cmd("acHowToBeAuthor")}),
        Sep(), Cmd("acSearch"), Cmd("acSearchInArticlesText"), Sep(), Cmd("acPointer"), Cmd("acRandArticle"),
        Sub(QStringLiteral("&Показать статьи"), "miShowArticles", ShowArticlesItems())}},
      {QStringLiteral("&Вид"), "miView",
       {Cmd("acRestoreToolbars"),
        Sub(QStringLiteral("&Интерфейс"), "miInterface",
            {Cmd("acInterfaceStandard"), Cmd("acInterfaceEx"), Cmd("acInterfaceFlat")}),
        Sep(), Cmd("acNoteLockPanel"), Sep(),
        Sub(QStringLiteral("&Дерево статей"), "miArticleTree",
            {Cmd("acTreeList"), Cmd("acShowFoundedArticles"), Sep(), Cmd("acExpand"), Cmd("acCollapse")}),
        Sub(QStringLiteral("Сор&тировать"), "miSort",
            {Cmd("acSortName"), Cmd("acSortCount"), Sep(), Cmd("acSortOrder")}),
        Sep(),
        Sub(QStringLiteral("&Размер шрифта статей"), "miFontSize",
            {Cmd("acFontSizeUp"), Cmd("acFontSizeDown")})}},
      {QStringLiteral("&Браузер"), "miBrowser",
       {Cmd("acBlank"), Sep(), Cmd("acSaveHTML"), Cmd("acPrint"), Cmd("acSource"), Sep(),
        Cmd("acBrowserOptions"), Sep(), Cmd("acBack"), Cmd("acForward"), Sep(), Cmd("acStop"),
        Cmd("acRefresh")}},
      {QStringLiteral("Спр&авка"), "miHelp",
       {Cmd("acVersionNews"), Cmd("acShortCuts"), Cmd("acAdvices"), Sep(), Cmd("acSendArticleByMail"),
        Cmd("acProjectHome"), Sep(), Cmd("acSayToFriend"), Sep(), Cmd("acSendBagsRep"),
        Cmd("acReviewsAndOffers"), Sep(), Cmd("acHelp"), Cmd("acAbout")}},
  };
  return layout;
}

const std::vector<MenuItemSpec>& NavigationToolbarLayout() {
  static const std::vector<MenuItemSpec> layout = {
      Cmd("acBack"), Cmd("acForward"), Cmd("acStop"), Cmd("acRefresh"), Cmd("acSendArticleByMail"),
      Cmd("acProjectHome"), Sep(), Cmd("acRandArticle"), Cmd("acSearch"), Cmd("acGetNewArticles"),
      Cmd("acSaveHTML"), Cmd("acPrint"), Sep(),
      Sub(QStringLiteral("&Показать статьи"), "dxShowArticles", ShowArticlesItems())};
  return layout;
}

const std::vector<MenuItemSpec>& TreeContextMenuLayout() {
  static const std::vector<MenuItemSpec> layout = {
      Cmd("acExpand"), Cmd("acCollapse"), Sep(), Cmd("acAddCategory"), Cmd("acAddArticle"), Cmd("acMove"),
      Cmd("acDelArticleOrCat"), Sep(), Cmd("edCaption"), Sep(),
      Sub(QStringLiteral("&Отметить статью как"), "miMarkArticlePopup", MarkItems()), Sep(),
      Cmd("acArticlesProperties"), Sub(QStringLiteral("Примечание"), "dxNotePopup", NoteItems()), Sep(),
      Cmd("acTreeStat"), Sep(), Cmd("acShowFoundedArticles")};
  return layout;
}

namespace {

// Walks a layout: existing commands and non-empty submenus are handed to
// `add`, with a separator before them when one stood between them and the
// previous item. Returns whether anything was added.
template <class AddAction, class AddSeparator>
bool Fill(QWidget* owner, const std::vector<MenuItemSpec>& items, CommandList& commands, AddAction add,
          AddSeparator separator) {
  bool pendingSeparator = false;
  bool any = false;
  for (const MenuItemSpec& item : items) {
    if (item.name && QLatin1String(item.name) == QLatin1String("|")) {
      pendingSeparator = any;
      continue;
    }
    QAction* action = nullptr;
    if (item.name) {
      action = commands[item.name];
    } else {
      auto* sub = new QMenu(item.caption, owner);
      sub->setObjectName(QString::fromLatin1(item.objectName));
      if (FillMenu(sub, item.children, commands)) action = sub->menuAction();
      else delete sub;
    }
    if (!action) continue;
    if (pendingSeparator) separator();
    pendingSeparator = false;
    add(action, item.name == nullptr);
    any = true;
  }
  return any;
}

}  // namespace

bool FillMenu(QMenu* menu, const std::vector<MenuItemSpec>& items, CommandList& commands) {
  commands.WatchMenu(menu);
  return Fill(
      menu, items, commands, [menu](QAction* action, bool) { menu->addAction(action); },
      [menu] { menu->addSeparator(); });
}

void FillToolBar(QToolBar* bar, const std::vector<MenuItemSpec>& items, CommandList& commands) {
  Fill(
      bar, items, commands,
      [bar, &commands](QAction* action, bool submenu) {
        bar->addAction(action);
        auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
        if (!button) return;
        if (submenu) {
          button->setPopupMode(QToolButton::InstantPopup);
        } else if (QMenu* dropDown = commands.DropDownMenu(action)) {
          button->setMenu(dropDown);
          button->setPopupMode(QToolButton::MenuButtonPopup);
        }
      },
      [bar] { bar->addSeparator(); });
}

}  // namespace lrv
