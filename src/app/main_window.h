#pragma once
// The one main window. Its object name is "TfmLrvMain", the name by which
// the single-instance rule finds a running program. It owns the catalogue,
// the command list and the window's state; every dialog reads and changes
// the catalogue through it.

#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "app/app_services.h"
#include "catalogue/catalogue.h"
#include "catalogue/journal.h"
#include "catalogue/result_list.h"
#include "search/search_pass.h"

class QComboBox;
class QMenu;
class QProgressBar;
class QSplitter;
class QStackedWidget;
class QToolBar;
class QTreeView;

namespace lrv {

class CommandList;
class FormPlacement;
class TCatalogueTree;

class TfmLrvMain;

// Subsystems add their commands and wiring to the main window here; each
// installer runs in the window's constructor after the shell's own commands
// and before the menus and toolbars are filled from their layout.
using CommandInstaller = void (*)(TfmLrvMain& window);
std::vector<CommandInstaller>& CommandInstallers();

class TfmLrvMain : public QMainWindow {
  Q_OBJECT
 public:
  // Runs the creation steps (folders, running marker, command-line
  // argument, start-up loading, counts, layout and placement).
  TfmLrvMain(AppServices& services, const QStringList& arguments, QWidget* parent = nullptr);
  ~TfmLrvMain() override;

  // What start-up decided about the program's run.
  bool EndRequested() const { return endRequested_; }          // restore window said "end"
  bool RelaunchRequested() const { return relaunchRequested_; }  // after an outline import

  Catalogue& catalogue() { return catalogue_; }
  UndoJournal& journal() { return journal_; }
  CommandList& commands() { return *commands_; }
  AppServices& services() { return s_; }

  // The left panel is wider than 18 px (narrower counts as hidden).
  bool LeftPanelOpen() const;
  // The left panel shows the tree page and is open.
  bool TreeInView() const;
  // The three status-bar counts from the catalogue.
  void UpdateStatusCounts();
  // The toolbar style: 0 standard, 1 enhanced, 2 flat.
  int ToolbarStyleValue() const { return toolbarStyle_; }
  void SetToolbarStyle(int style);

  // Files dropped from the shell (also what dropEvent calls).
  void DropFiles(const std::vector<std::filesystem::path>& files);
  // Stand-ins for the file dialogs (tests), and the add-article flow that
  // a dropped page of BaseDir starts (the editing commands set it).
  std::function<QString()> OpenTreeDialog;
  std::function<QString()> SaveTreeDialog;
  std::function<void(const std::string& articleFile)> AddArticleFromDrop;
  // What Enter and a double click on the tree do (open the article), and
  // F2 (rename); the viewer and the editing commands set them.
  std::function<void()> OpenSelectedArticle;
  std::function<void()> RenameSelectedNode;
  // The first show's deferred navigation to the address box's text (the
  // blank page unless the last page was restored); the viewer sets it.
  std::function<void()> NavigateBlankPage;

  // The rows of the result list tlSearch (in the order shown) and what the
  // last search or view hands to the highlighter. The search commands fill
  // both and set the hooks below.
  ResultList& results() { return results_; }
  SearchHandover& lastSearch() { return lastSearch_; }
  // Row numbers of results() selected in tlSearch, in selection order.
  std::function<std::vector<int>()> SelectedResultRows;
  // Shows results() anew after other code changed its rows (marking, undo).
  std::function<void()> ResultRowsChanged;
  // `SelectResultByTitle` (Windows-1251 title): the viewer calls it after
  // showing an article.
  std::function<void(const std::string& title)> SelectResultByTitle;
  // Opens a found article (Enter or a double click with one row selected);
  // the viewer sets it.
  std::function<void(const ResultRow& row)> OpenResultRow;

  // The tree's context menu.
  QMenu* TreeContextMenu() const { return pmTreeList; }

  // A property of a control that "form.ini" keeps between runs (address
  // list, note panel). `restore` runs at creation when the file holds the
  // value; `save` at shutdown. Subsystems add theirs in their installer.
  struct StoredProperty {
    const char* name;  // "pnNote.Height"
    std::function<QString()> save;
    std::function<void(const QString&)> restore;
  };
  void AddStoredProperty(StoredProperty property) { storedProperties_.push_back(std::move(property)); }

  // Work to run each time the menu with that object name opens ("miEdit",
  // "pmTreeList", "pmSearch"). Installers run before the menus exist, so
  // the window connects these once every menu is built.
  void OnMenuOpen(const char* menuName, std::function<void(QMenu* menu)> prepare) {
    menuPreparations_.push_back({menuName, std::move(prepare)});
  }

  // The window's controls.
  QWidget* pnLeft = nullptr;
  QStackedWidget* nbMain = nullptr;
  QWidget* pageMenu = nullptr;
  QWidget* pageSearch = nullptr;
  TCatalogueTree* tlMain = nullptr;
  QTreeView* tlSearch = nullptr;
  QSplitter* Splitter = nullptr;
  QWidget* pnBrowser = nullptr;
  QComboBox* cbURLs = nullptr;
  QToolBar* tbNavigation = nullptr;
  QToolBar* tbAddress = nullptr;
  QToolBar* tbStatus = nullptr;
  QLabel* pnCatsCount = nullptr;
  QLabel* pnSubCatsCount = nullptr;
  QLabel* pnArticlesCount = nullptr;
  QProgressBar* pnProgress = nullptr;
  QLabel* pnStatusLargeImage = nullptr;
  QLabel* pnStatusLarge = nullptr;

 signals:
  // The first show has finished (tests and the screenshot script wait for it).
  void firstShown();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildLayout();
  void BuildCommands();
  void BuildCatalogueCommands();
  QString AskTreeFileToOpen();
  QString AskTreeFileToSave();
  // Runs a command step; an input/output error goes to the error box.
  void RunReportingIoErrors(const std::function<void()>& work);
  void BuildMenusAndToolbars();
  void FormCreate(const QStringList& arguments);
  void FormShow();
  void FormClose();
  void ApplyCommandLine(const QStringList& arguments);
  void WarnAboutFreeSpace();
  void SaveStateAtShutdown();
  void ShowTree();
  void AdjustProgressWidth();
  void ConnectTree();
  void ConnectMenuPreparations();

  AppServices& s_;
  Catalogue catalogue_;
  UndoJournal journal_;
  ResultList results_;
  SearchHandover lastSearch_;
  CommandList* commands_ = nullptr;
  std::unique_ptr<FormPlacement> placement_;
  QPointer<QMenu> pmTreeList;

  std::string currentTreeFileName_ = "tree.info";
  bool wasRunning_ = false;
  bool outlineImported_ = false;
  bool outlineImportProblems_ = false;
  bool noSavedLayout_ = true;
  bool endRequested_ = false;
  bool relaunchRequested_ = false;
  bool firstShowDone_ = false;
  bool closing_ = false;
  int toolbarStyle_ = 2;
  std::vector<StoredProperty> storedProperties_;
  std::vector<std::pair<const char*, std::function<void(QMenu*)>>> menuPreparations_;
};

}  // namespace lrv
