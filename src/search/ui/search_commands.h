#pragma once
// The search commands of the main window: the search window (F3, Shift+F3
// with the selected categories), the nine filtered views, showing the
// result list, and the "Search" page of the left panel with the result
// list `tlSearch`, its title bar and the count label `pnFoundCount`.

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "search/result_views.h"
#include "search/search_pass.h"

class QLabel;
class QMenu;

namespace lrv {

class TfmLrvMain;
class TfmSearch;
class TSearchList;

// Replaces the placeholder tlSearch on the "Search" page, adds the
// commands and sets the window's result hooks (SelectedResultRows,
// ResultRowsChanged, SelectResultByTitle). Runs from the window's
// constructor, before the menus are filled.
void InstallSearchCommands(TfmLrvMain& window);

class SearchCommands : public QObject {
  Q_OBJECT
 public:
  explicit SearchCommands(TfmLrvMain& window);

  // The search commands of a window, or nullptr when not installed.
  static SearchCommands* Of(TfmLrvMain& window);

  TSearchList* List() const { return list_; }
  QLabel* CountLabel() const { return pnFoundCount_; }
  // `SearchHistory`: the queries kept while the program runs.
  std::vector<std::string>& History() { return history_; }

  // `OpenSearchWindow`; `preselect`: Shift was held (the selected
  // categories only).
  void OpenSearchWindow(bool preselect);
  // One filtered view: fill the list, show it.
  void RunView(ResultView view);
  // `ClearResultList` of tlSearch, with its count.
  void ClearResultList();
  // `ShowSearchResults`: the message for an empty list, else the result
  // page; the count label either way.
  void ShowSearchResults();
  // `SelectResultByTitle`.
  void SelectResultByTitle(const std::string& title);

  // Told after each row a search finds (tests cancel part-way with it).
  std::function<void(int count)> RowFound;

 private:
  void BuildPage();
  void AddCommands();
  void RunSearchPass(TfmSearch& form, const SearchQuery& query);
  void SetCount();
  void ShowFoundArticles();
  void SuspendRepaint(bool suspend);
  void OpenSelectedRow();
  void ShowContextMenu(QPoint globalPos);
  void EnableBrowsingGroups(QMenu* menu);

  TfmLrvMain& w_;
  TSearchList* list_ = nullptr;
  QLabel* pnFoundCount_ = nullptr;
  QMenu* pmSearch_ = nullptr;
  std::vector<std::string> history_;
};

}  // namespace lrv
