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
        Sub(QStringLiteral("Выбор по подкатегор&ии"), "miChooseSubCat", {}), Sep(),
        Sub(QStringLiteral("&Авторы"), "miAuthors",
            {Cmd("acAuthors"), Cmd("acAuthorsRating"), Sep(), Cmd("acHowToBeAuthor")}),
        Sep(), Cmd("acSearch"), Cmd("acSearchInArticlesText"), Sep(), Cmd("acPointer"), Cmd("acRandArticle"),
        Sub(QStringLiteral("&Показать статьи"), "miShowArticles", ShowArticlesItems())}},
      {QStringLiteral("&Вид"), "miView",
       {Cmd("acToolbarsSettings"), Cmd("acRestoreToolbars"),
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

bool FillMenu(QMenu* menu, const std::vector<MenuItemSpec>& items, CommandList& commands) {
  bool pendingSeparator = false;
  bool any = false;
  for (const MenuItemSpec& item : items) {
    if (item.name && QLatin1String(item.name) == QLatin1String("|")) {
      pendingSeparator = any;
      continue;
    }
    QAction* toAdd = nullptr;
    if (item.name) {
      toAdd = commands[item.name];
    } else {
      auto* sub = new QMenu(item.caption, menu);
      sub->setObjectName(QString::fromLatin1(item.objectName));
      commands.WatchMenu(sub);
      if (FillMenu(sub, item.children, commands)) toAdd = sub->menuAction();
      else delete sub;
    }
    if (!toAdd) continue;
    if (pendingSeparator) menu->addSeparator();
    pendingSeparator = false;
    menu->addAction(toAdd);
    any = true;
  }
  commands.WatchMenu(menu);
  return any;
}

void FillToolBar(QToolBar* bar, const std::vector<MenuItemSpec>& items, CommandList& commands) {
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
      auto* sub = new QMenu(item.caption, bar);
      sub->setObjectName(QString::fromLatin1(item.objectName));
      if (FillMenu(sub, item.children, commands)) action = sub->menuAction();
      else delete sub;
    }
    if (!action) continue;
    if (pendingSeparator) bar->addSeparator();
    pendingSeparator = false;
    bar->addAction(action);
    if (!item.name)
      if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action)))
        button->setPopupMode(QToolButton::InstantPopup);
    any = true;
  }
}

}  // namespace lrv
