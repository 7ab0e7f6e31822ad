#pragma once
// The result list control `tlSearch`: the catalogue tree's flat-list kind
// over a small catalogue of its own whose roots are the result rows. The
// rows themselves live in a lrv::ResultList (the main window's); the
// control keeps both in step, and the ResultList always holds the rows in
// the order shown, so a row number means the same in both.

#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/result_list.h"
#include "editing/ui/catalogue_tree.h"

namespace lrv {

namespace detail {
// Built before the tree control that shows it and destroyed after it.
struct SearchListRows {
  Catalogue rows;
};
}  // namespace detail

class TSearchList : private detail::SearchListRows, public TCatalogueTree, private CatalogueObserver {
 public:
  // The result list must outlive the control.
  explicit TSearchList(ResultList& results, QWidget* parent = nullptr);
  ~TSearchList() override;

  ResultList& Results() const { return results_; }
  int RowCount() const { return rows.RootCount(); }
  // The catalogue of shown rows (its roots, in the order shown).
  const Catalogue& ShownRows() const { return rows; }

  // Shows the result list's rows anew, sorted by the list's sort marks; the
  // result list takes the order shown. Selection and focus are cleared.
  void ShowRows();
  // After other code changed values of the rows in place (marking, undo):
  // shows them. A different row count shows the list anew.
  void RowsChanged();
  // Row numbers of the selected rows, in selection order.
  std::vector<int> SelectedRows() const;
  // `SelectResultByTitle`: clears the selection; the first row whose
  // trimmed, lower-cased title equals the trimmed, lower-cased `title`
  // (Windows-1251) is focused, selected and marked viewed. Returns its row
  // number, or -1.
  int SelectByTitle(std::string_view title);

 private:
  // The user re-sorted by a header: the result list follows the new order.
  void OnEndLayoutChange() override;
  void OnEndReset() override;
  void CopyShownOrderToResults();

  ResultList& results_;
  bool filling_ = false;
};

}  // namespace lrv
