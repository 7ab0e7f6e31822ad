#pragma once
// The search window "Поиск статей": the query, its kind and options, the
// article states and categories to search, and the query history. The
// window collects a SearchQuery; the search commands run the pass while
// the window waits disabled, and Esc (here or in the progress window)
// sets SearchCancelled.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "base/paths.h"
#include "catalogue/catalogue.h"
#include "search/search_pass.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace lrv {

class HelpViewer;

class TfmSearch : public QDialog {
  Q_OBJECT
 public:
  TfmSearch(const Dirs& dirs, HelpViewer& help, QWidget* parent = nullptr);
  ~TfmSearch() override;

  // Fills the window as it opens: every category checked, or with
  // `preselect` and a category first among the catalogue's selected nodes,
  // only the categories selected; all states checked; the history.
  void Fill(const Catalogue& catalogue, bool preselect, bool haveRows, const std::vector<std::string>& history);
  // The drop-down list of edSearch (Windows-1251, newest first).
  std::vector<std::string> History() const { return history_; }
  // The query as the controls give it.
  SearchQuery Query() const;
  // "Искать в найденном" is enabled when the result list has rows, and
  // unchecked when it is not.
  void SetHaveRows(bool haveRows);

  // Runs the pass for the query; set by the search commands. The window
  // is disabled meanwhile.
  std::function<void(TfmSearch& form, const SearchQuery& query)> RunPass;
  // Told when the window shows (the main window switches to its result page).
  std::function<void()> Shown;

  // Set by Esc while a search runs; the pass clears it when it stops.
  bool SearchCancelled = false;
  bool Searching() const { return searching_; }

  // `StartSearch`, the handler of "&Найти".
  void StartSearch();

  QTabWidget* pcSearch;
  QComboBox* edSearch;
  QRadioButton* rbExact;
  QRadioButton* rbAllWords;
  QRadioButton* rbAnyWord;
  QCheckBox* cbSearchInCaptions;
  QCheckBox* cbWholeWords;
  QCheckBox* cbSearchSameWords;
  QCheckBox* cbCaseSensitive;
  QCheckBox* cbSearchInFounded;
  QListWidget* clbStates;
  QListWidget* clbCats;
  QPushButton* btOk;
  QPushButton* btCancel;
  QPushButton* btHelp;

  SearchKind PreferredKind() const { return preferredKind_; }

 public slots:
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void QueryTextChanged(const QString& text);
  void KindChosen(SearchKind kind);
  void SetHistory(const std::vector<std::string>& history);

  Dirs dirs_;
  HelpViewer& help_;
  QWidget* content_ = nullptr;  // every control; disabled during a search
  std::vector<std::string> history_;
  SearchKind preferredKind_ = SearchKind::AllWords;
  bool forcingKind_ = false;
  bool searching_ = false;
  bool shownOnce_ = false;
};

// A query text typed on screen in Windows-1251; a character the code page
// lacks becomes "?".
std::string AnsiOfTyped(const QString& text);

}  // namespace lrv
