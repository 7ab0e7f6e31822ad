#include "search/ui/search_progress.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>

#include "app/progress_window.h"
#include "base/text.h"
#include "editing/fit_text.h"
#include "platform/qt/qt_text.h"

namespace lrv {

QString FoundCountText(int count) { return QStringLiteral("Найдено статей: %1").arg(count); }

ProgressWindowFeed::ProgressWindowFeed(TfmProgress& window, bool* cancelFlag, QLabel* countLabel)
    : window_(window), cancelFlag_(cancelFlag), countLabel_(countLabel) {}

void ProgressWindowFeed::LetMessagesRun() {
  if (cancelFlag_ != nullptr) QApplication::processEvents();
}

void ProgressWindowFeed::ShowStatus() {
  TfmProgress::SetAndPaint(window_.lbStatus, QStringLiteral("%1 из %2")
                                                 .arg(window_.Progress1->value())
                                                 .arg(window_.Progress1->maximum()));
}

void ProgressWindowFeed::Category(int position, int count, std::string_view title, int subcategories) {
  LetMessagesRun();
  window_.Progress1->setMaximum(count);
  window_.Progress1->setValue(position);
  window_.Progress2->setMaximum(subcategories);
  TfmProgress::SetAndPaint(window_.lbText, FromAnsi(title));
  ShowStatus();
}

void ProgressWindowFeed::Subcategory(int position) { window_.Progress2->setValue(position); }

void ProgressWindowFeed::Row(int position, int count, std::string_view title) {
  LetMessagesRun();
  for (QProgressBar* bar : {window_.Progress1, window_.Progress2}) {
    bar->setMaximum(count);
    bar->setValue(position);
  }
  const QFontMetrics metrics(window_.lbText->font());
  const std::string fitted = FitTextToWidth(text::Cp1251ToUtf8(title), window_.lbText->width(),
                                            [&](std::string_view utf8) {
                                              return metrics.horizontalAdvance(FromUtf8(std::string(utf8)));
                                            });
  TfmProgress::SetAndPaint(window_.lbText, FromUtf8(fitted));
  ShowStatus();
  LetMessagesRun();
}

void ProgressWindowFeed::Found(const ResultRow& /*row*/, int count) {
  if (countLabel_ != nullptr) countLabel_->setText(FoundCountText(count));
  if (RowFound) RowFound(count);
}

bool ProgressWindowFeed::Cancelled() {
  if (stopped_) return true;
  if (cancelFlag_ == nullptr) return false;
  LetMessagesRun();
  if (!*cancelFlag_) return false;
  *cancelFlag_ = false;
  stopped_ = true;
  return true;
}

}  // namespace lrv
