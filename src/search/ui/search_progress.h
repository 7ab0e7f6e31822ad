#pragma once
// The progress window of the search and of the filtered views, fed by the
// core's SearchProgress calls. The search lets pending messages run
// between articles so the window repaints and hears Esc; a view does not
// and cannot be cancelled.

#include <QString>
#include <functional>

#include "search/search_pass.h"

class QLabel;

namespace lrv {

class TfmProgress;

class ProgressWindowFeed : public SearchProgress {
 public:
  // `cancelFlag` is the search window's SearchCancelled (nullptr for a
  // view); `countLabel` shows "Найдено статей: %d" as rows arrive.
  ProgressWindowFeed(TfmProgress& window, bool* cancelFlag, QLabel* countLabel);

  void Category(int position, int count, std::string_view title, int subcategories) override;
  void Subcategory(int position) override;
  void Row(int position, int count, std::string_view title) override;
  void Found(const ResultRow& row, int count) override;
  bool Cancelled() override;

  // Told after each row found (tests cancel a search part-way with it).
  std::function<void(int count)> RowFound;

 private:
  void ShowStatus();
  void LetMessagesRun();

  TfmProgress& window_;
  bool* cancelFlag_;
  QLabel* countLabel_;
  bool stopped_ = false;
};

// "Найдено статей: %d".
QString FoundCountText(int count);

}  // namespace lrv
